// Resource names, resource counts per slot and type, and the internal-register lists.
#include "CDataCenter.h"

#include "SlotKeyedLookup.h"
#include "TypeIds.h"

#include <algorithm>

namespace {

// The second field of a per-slot record.
int secondField(const ModuleRecordHead& record)
{
    return record.ChannelCount;
}

int secondField(const SlotPortRecord& record)
{
    return record.Values[0];
}

// The count of a per-slot record list: the record's second field, 0 when the slot has none.
template <typename Record>
int channelCountOf(const std::vector<Record>& records, int slot)
{
    const Record* record = FindRecordBySlot(records, slot);
    return record ? secondField(*record) : 0;
}

int serviceResourceCount(int serviceId)
{
    switch (serviceId) {
    case ServiceId::ModbusMaster:
    case ServiceId::SnmpAgent:
        return 1;
    case ServiceId::DataLogging:
        return 3;
    case ServiceId::Tavo:
    case ServiceId::DataLoggingUpload:
    case ServiceId::AlarmMail:
    case ServiceId::AlarmSms:
    case ServiceId::AlarmSnmpTrap:
        return 2;
    default:
        return 0;
    }
}

} // namespace

QString CDataCenter::GetResourceName(int resourceId) const
{
    if (!ResourceNames.contains(resourceId))
        return {};
    // The upload id of data logging is shown under the data-logging name.
    const int namedId = resourceId == ServiceId::DataLoggingUpload ? ServiceId::DataLogging : resourceId;
    const auto found = ResourceNames.find(namedId);
    return found == ResourceNames.end() ? QString() : found->second;
}

void CDataCenter::AddResourceName(int resourceId, QString name)
{
    ResourceNames.try_emplace(resourceId, std::move(name));
}

int CDataCenter::GetResourceCount(int slot, int typeId) const
{
    if (IsInternalRegisterType(typeId))
        return GetInternalTagCount(typeId - RegisterType::Base);
    if (HasNoChannelIndex(typeId))
        return kNoChannelIndex;
    switch (typeId) {
    case ChannelType::Serial:
        return channelCountOf(SerialSettings, slot);
    case ChannelType::Lan:
        return channelCountOf(NetworkSettings, slot);
    case ChannelType::DigitalInput:
        return channelCountOf(DISettings, slot);
    case ChannelType::DigitalInputOutput:
        return channelCountOf(DIOSettings, slot);
    case ChannelType::DigitalOutput:
        return channelCountOf(DOSettings, slot);
    case ChannelType::AnalogInput:
        return channelCountOf(AISettings, slot);
    case ChannelType::AnalogOutput:
        return channelCountOf(AOSettings, slot);
    case ChannelType::Thermocouple:
        return channelCountOf(TCSettings, slot);
    case ChannelType::Rtd:
        return channelCountOf(RTDSettings, slot);
    case ChannelType::Relay:
        return channelCountOf(RelaySettings, slot);
    case ChannelType::HighSpeedAnalogInput:
        return channelCountOf(HighSpeedAISettings, slot);
    case ChannelType::CanPort:
        return channelCountOf(CanSettings, slot);
    case ChannelType::PortTrunk:
        return channelCountOf(PortTrunkSettings, slot);
    case ChannelType::Switch:
        return channelCountOf(SwitchSettings, slot);
    case ChannelType::HartAnalogInput:
        return channelCountOf(HARTAISettings, slot);
    default:
        return serviceResourceCount(typeId);
    }
}

int CDataCenter::GetInternalTagCount(int code) const
{
    const auto* list = InternalRegisters.ListForCode(code);
    return list ? static_cast<int>(list->size()) : 0;
}

void CDataCenter::GetResourceTypeList(int code, std::vector<InternalVariableRecord>& out) const
{
    const auto* list = InternalRegisters.ListForCode(code);
    out = list ? *list : std::vector<InternalVariableRecord>{};
}

int CDataCenter::RemoveInternalRegisterItem(int code, int resourceId)
{
    MarkModified();
    auto* list = InternalRegisters.ListForCode(code);
    if (!list)
        return 0;
    const auto found = std::find_if(list->begin(), list->end(), [resourceId](const InternalVariableRecord& item) {
        return item.ChannelIndex == resourceId;
    });
    if (found == list->end())
        return 0;
    list->erase(found);
    return 1;
}

int CDataCenter::ContainsTag(TagRecord tag, std::vector<int> resourceTypes) const
{
    const int resourceType = ParseResourceTypeField(tag.ResID);
    return std::find(resourceTypes.begin(), resourceTypes.end(), resourceType) != resourceTypes.end() ? 1 : 0;
}
