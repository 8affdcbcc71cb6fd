#pragma once
// Shared pieces of the tag engine's model operations: where the definitions behind tags live
// (module records by channel type, service items by service id, the services' own status
// definitions) and the two numbering schemes of service tag uses.

#include "CDataCenter.h"
#include "SlotKeyedLookup.h"
#include "TypeIds.h"

#include <QString>

#include <initializer_list>
#include <type_traits>
#include <vector>

namespace TagEngine {

// Services whose tag uses carry the item's own id, which survives the removal of other items;
// every other service numbers its uses by position.
inline bool IsItemIdNumberedService(int serviceId)
{
    switch (serviceId) {
    case ServiceId::ModbusMaster:
    case ServiceId::DataLogging:
    case ServiceId::Tavo:
    case ServiceId::ModbusSlave:
    case ServiceId::DataLoggingUpload:
    case ServiceId::SnmpAgent:
    case ServiceId::Dnp3Point:
    case ServiceId::AlarmMail:
    case ServiceId::AlarmSms:
    case ServiceId::AlarmSnmpTrap:
        return true;
    default:
        return false;
    }
}

// The element at a caller's position, or nullptr; for std::vector and QVector alike.
template <typename List>
auto ItemAt(List& list, qint64 index) -> decltype(&list[0])
{
    return index >= 0 && index < static_cast<qint64>(list.size()) ? &list[static_cast<qsizetype>(index)] : nullptr;
}

template <typename Model>
auto& StatusDefinition(Model& model, StatusTagSource source)
{
    return model.ServiceStatusTags[static_cast<size_t>(StatusTagPosition(source))];
}

// The service's own status (and trigger) definitions, in the order the tag lists offer them.
inline std::vector<StatusTagSource> OwnStatusSources(int serviceId)
{
    switch (serviceId) {
    case ServiceId::ModbusMaster:
        return {StatusTagSource::ModbusMaster};
    case ServiceId::DataLogging:
        return {StatusTagSource::DataLogging};
    case ServiceId::Tavo:
        return {StatusTagSource::Tavo, StatusTagSource::TavoUpdateTrigger};
    case ServiceId::ModbusSlave:
        return {StatusTagSource::ModbusSlave};
    case ServiceId::Dnp3Outstation:
        return {StatusTagSource::Dnp3Outstation};
    case ServiceId::SnmpAgent:
        return {StatusTagSource::SnmpAgent};
    case ServiceId::AlarmMail:
        return {StatusTagSource::AlarmMail};
    case ServiceId::AlarmSms:
        return {StatusTagSource::AlarmSms};
    case ServiceId::AlarmSnmpTrap:
        return {StatusTagSource::AlarmSnmpTrap};
    case ServiceId::RESTfulApi:
        return {StatusTagSource::RESTfulApi};
    default:
        return {};
    }
}

// The definition list of the service item whose own id is itemId; nullptr when the service has
// no item lists or no item has that id.
template <typename Model>
auto ServiceItemDefinitions(Model& model, int serviceId, int itemId) -> decltype(&model.Tavo.Servers[0].TagDefinitions)
{
    const int position = model.GetResourceIndex(serviceId, itemId);
    switch (serviceId) {
    case ServiceId::ModbusMaster: {
        auto* device = ItemAt(model.ModbusMasterDevices, position);
        return device ? &device->TagDefinitions : nullptr;
    }
    case ServiceId::DataLogging: {
        auto* profile = ItemAt(model.DataLogging.Profiles, position);
        return profile ? &profile->LogTagDefinitions : nullptr;
    }
    case ServiceId::DataLoggingUpload: {
        auto* profile = ItemAt(model.DataLogging.Profiles, position);
        return profile ? &profile->UploadTagDefinitions : nullptr;
    }
    case ServiceId::Tavo: {
        auto* server = ItemAt(model.Tavo.Servers, position);
        return server ? &server->TagDefinitions : nullptr;
    }
    case ServiceId::AlarmMail: {
        auto* entry = ItemAt(model.AlarmMail.Entries, position);
        return entry ? &entry->TagDefinitions : nullptr;
    }
    case ServiceId::AlarmSms: {
        auto* entry = ItemAt(model.AlarmSms.Entries, position);
        return entry ? &entry->TagDefinitions : nullptr;
    }
    case ServiceId::AlarmSnmpTrap: {
        auto* entry = ItemAt(model.AlarmSnmpTrap.Entries, position);
        return entry ? &entry->TagDefinitions : nullptr;
    }
    default:
        return nullptr;
    }
}

// Calls f with the record list of an I/O module kind (the kinds whose channels carry tag
// definitions); false for any other type id.
template <typename Model, typename F>
bool VisitIoModuleList(Model& model, int typeId, F&& f)
{
    switch (typeId) {
    case ChannelType::DigitalInput:
        f(model.DISettings);
        return true;
    case ChannelType::DigitalInputOutput:
        f(model.DIOSettings);
        return true;
    case ChannelType::DigitalOutput:
        f(model.DOSettings);
        return true;
    case ChannelType::Relay:
        f(model.RelaySettings);
        return true;
    case ChannelType::AnalogInput:
        f(model.AISettings);
        return true;
    case ChannelType::AnalogOutput:
        f(model.AOSettings);
        return true;
    case ChannelType::Thermocouple:
        f(model.TCSettings);
        return true;
    case ChannelType::Rtd:
        f(model.RTDSettings);
        return true;
    case ChannelType::HighSpeedAnalogInput:
        f(model.HighSpeedAISettings);
        return true;
    case ChannelType::HartAnalogInput:
        f(model.HARTAISettings);
        return true;
    default:
        return false;
    }
}

template <typename Channel>
inline constexpr bool kHasSensorTags = requires(Channel channel)
{
    channel.SensorTagDefinitions;
};

template <typename Channel>
inline constexpr bool kHasDirection = requires(Channel channel)
{
    channel.IODirection;
};

// The data-type code of an internal-register item: a tag type of 10..18 is already the code; a
// value kind 1..9 takes its code from the direction (non-zero: read, zero: written); 0 otherwise.
inline int InternalItemDataTypeCode(const InternalVariableRecord& item)
{
    if (item.TagType > DataTypeCode::KindCount && item.TagType <= DataTypeCode::Last && !item.Direction)
        return item.TagType;
    if (item.TagType < DataTypeCode::First || item.TagType > DataTypeCode::KindCount)
        return 0;
    return item.Direction ? item.TagType : item.TagType + DataTypeCode::KindCount;
}

// The first definition of the list whose resource text is the address; nullptr when none.
template <typename List>
auto FindDefinitionByText(List& definitions, const QString& address) -> decltype(&definitions[0])
{
    for (auto& definition : definitions) {
        if (definition.ResourceText == address)
            return &definition;
    }
    return nullptr;
}

} // namespace TagEngine
