// AddTag: the definition behind a tag learns whether a tag is made from it, and that tag's name.
// The tag's type id says where the definition lives; its address numbers a.b.c say which one.
// A definition is changed only when its resource text is the tag's address.
#include "CDataCenter.h"

#include "TagEngineSupport.h"

#include <vector>

namespace {

using TagEngine::ItemAt;

// The definition (or, for system registers, the definitions) that AddTag marks or clears.
using DefinitionList = std::vector<TagDefinition*>;

bool matches(const TagDefinition* definition, const TagRecord& tag)
{
    return definition && definition->ResourceText == tag.ResID;
}

DefinitionList ifMatches(TagDefinition* definition, const TagRecord& tag)
{
    return matches(definition, tag) ? DefinitionList{definition} : DefinitionList{};
}

DefinitionList internalRegisterDefinition(CDataCenter& model, const TagRecord& tag)
{
    auto* list = model.InternalRegisters.ListForCode(tag.DataTypeCode);
    if (!list)
        return {};
    for (InternalVariableRecord& item : *list) {
        if (item.ChannelIndex == tag.ChannelIndex)
            return ifMatches(&item.Definition, tag); // only the first item of the channel counts
    }
    return {};
}

DefinitionList cellularDefinition(CDataCenter& model, const TagRecord& tag)
{
    CellularRecord* record = FindRecordBySlot(model.CellularSettings, tag.SlotIndex);
    return record ? ifMatches(ItemAt(record->TagDefinitions, tag.ResourceType), tag) : DefinitionList{};
}

// Item number c: 0 is the service's status definition, c > 0 definition c - 1 of item b.
DefinitionList serviceItemDefinition(CDataCenter& model, const TagRecord& tag)
{
    auto* definitions = TagEngine::ServiceItemDefinitions(model, tag.ChannelTypeId, tag.ChannelIndex);
    return definitions ? ifMatches(ItemAt(*definitions, tag.ResourceType - 1), tag) : DefinitionList{};
}

DefinitionList statusDefinition(CDataCenter& model, StatusTagSource source, const TagRecord& tag)
{
    return ifMatches(&TagEngine::StatusDefinition(model, source), tag);
}

DefinitionList statusOrItemDefinition(CDataCenter& model, StatusTagSource source, const TagRecord& tag)
{
    return tag.ResourceType == 0 ? statusDefinition(model, source, tag) : serviceItemDefinition(model, tag);
}

constexpr int kTavoTriggerItem = 3; // item number of the TAVO update trigger tag

DefinitionList serviceDefinition(CDataCenter& model, const TagRecord& tag)
{
    switch (tag.ChannelTypeId) {
    case ServiceId::ModbusMaster:
        return statusOrItemDefinition(model, StatusTagSource::ModbusMaster, tag);
    case ServiceId::DataLogging:
        return statusOrItemDefinition(model, StatusTagSource::DataLogging, tag);
    case ServiceId::Tavo:
        if (tag.ResourceType == kTavoTriggerItem)
            return statusDefinition(model, StatusTagSource::TavoUpdateTrigger, tag);
        return statusOrItemDefinition(model, StatusTagSource::Tavo, tag);
    case ServiceId::ModbusSlave:
        return tag.ResourceType == 0 ? statusDefinition(model, StatusTagSource::ModbusSlave, tag) : DefinitionList{};
    case ServiceId::Dnp3Outstation:
        return statusDefinition(model, StatusTagSource::Dnp3Outstation, tag);
    case ServiceId::DataLoggingUpload:
        return serviceItemDefinition(model, tag);
    case ServiceId::SnmpAgent:
        return statusDefinition(model, StatusTagSource::SnmpAgent, tag);
    case ServiceId::AlarmMail:
        return statusOrItemDefinition(model, StatusTagSource::AlarmMail, tag);
    case ServiceId::AlarmSms:
        return statusOrItemDefinition(model, StatusTagSource::AlarmSms, tag);
    case ServiceId::AlarmSnmpTrap:
        return statusOrItemDefinition(model, StatusTagSource::AlarmSnmpTrap, tag);
    case ServiceId::RESTfulApi:
        return statusDefinition(model, StatusTagSource::RESTfulApi, tag);
    default:
        return {};
    }
}

// Entry c of channel b's definitions, else entry b of the module-level definitions.
template <typename Record>
DefinitionList standardDefinition(Record& record, const TagRecord& tag)
{
    if (auto* channel = ItemAt(record.Channels, tag.ChannelIndex)) {
        if (TagDefinition* definition = ItemAt(channel->TagDefinitions, tag.ResourceType); matches(definition, tag))
            return {definition};
    }
    return ifMatches(ItemAt(record.ChannelTemplate.Definitions, tag.ChannelIndex), tag);
}

// DIO channels hold the definitions of every mode: the channel's definitions are searched by text.
DefinitionList dioDefinition(DIOModuleSlotRecord& record, const TagRecord& tag)
{
    if (auto* channel = ItemAt(record.Channels, tag.ChannelIndex)) {
        if (TagDefinition* definition = TagEngine::FindDefinitionByText(channel->TagDefinitions, tag.ResID))
            return {definition};
    }
    TagDefinition* definition = TagEngine::FindDefinitionByText(record.ChannelTemplate.Definitions, tag.ResID);
    return definition ? DefinitionList{definition} : DefinitionList{};
}

DefinitionList hartDefinition(HARTAISetting& record, const TagRecord& tag)
{
    if (auto* channel = ItemAt(record.Channels, tag.ChannelIndex)) {
        if (TagDefinition* definition = TagEngine::FindDefinitionByText(channel->SensorTagDefinitions, tag.ResID))
            return {definition};
    }
    return standardDefinition(record, tag);
}

DefinitionList moduleDefinition(CDataCenter& model, const TagRecord& tag)
{
    DefinitionList found;
    TagEngine::VisitIoModuleList(model, tag.ChannelTypeId, [&](auto& records) {
        auto* record = FindRecordBySlot(records, tag.SlotIndex);
        if (!record)
            return;
        using Record = std::remove_reference_t<decltype(*record)>;
        if constexpr (std::is_same_v<Record, DIOModuleSlotRecord>)
            found = dioDefinition(*record, tag);
        else if constexpr (std::is_same_v<Record, HARTAISetting>)
            found = hartDefinition(*record, tag);
        else
            found = standardDefinition(*record, tag);
    });
    return found;
}

DefinitionList systemVariableDefinition(CDataCenter& model, const TagRecord& tag)
{
    return ifMatches(ItemAt(model.SystemVariables.TagDefinitions, model.FindTagDefinitionIndex(tag.ResID)), tag);
}

// Every register group of the slot carries the register at the same place.
DefinitionList systemRegisterDefinitions(CDataCenter& model, const TagRecord& tag)
{
    const int index = model.FindSlotRegisterDefinitionIndex(tag.ResID, tag.SlotIndex);
    DefinitionList found;
    for (ResourceGroupRecord& group : model.ResourceGroups) {
        if (group.SlotIndex != tag.SlotIndex)
            continue;
        if (TagDefinition* definition = ItemAt(group.TagDefinitions, index))
            found.push_back(definition);
    }
    return found;
}

DefinitionList definitionsBehind(CDataCenter& model, const TagRecord& tag)
{
    const int type = tag.ChannelTypeId;
    if (IsInternalRegisterType(type))
        return internalRegisterDefinition(model, tag);
    if (type == ChannelType::ConnectionStatus)
        return cellularDefinition(model, tag);
    if (type >= ServiceId::First && type <= ServiceId::Last)
        return serviceDefinition(model, tag);
    if (type == ChannelType::SystemVariables)
        return systemVariableDefinition(model, tag);
    if (type == ChannelType::ResourceGroup)
        return systemRegisterDefinitions(model, tag);
    return moduleDefinition(model, tag);
}

} // namespace

void CDataCenter::AddTag(int mode, TagRecord tag)
{
    MarkModified();
    for (TagDefinition* definition : definitionsBehind(*this, tag)) {
        definition->TagUseFlag = mode ? 1 : 0;
        definition->BoundTagName = mode ? tag.TagName : QString();
    }
}
