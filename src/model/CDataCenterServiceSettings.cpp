// Operations of the model on the service settings records.
#include "CDataCenter.h"

#include "EntryIndex.h"
#include "SlotKeyedLookup.h"
#include "TypeIds.h"

namespace {

// Position of the first item whose own id (its Index) is itemId; -1 when none.
template <class List>
int positionOfIndex(const List& items, int itemId)
{
    for (qsizetype i = 0; i < qsizetype(items.size()); ++i) {
        if (items[i].Index == itemId)
            return static_cast<int>(i);
    }
    return -1;
}

template <class List>
bool isPosition(const List& items, int position)
{
    return position >= 0 && position < qsizetype(items.size());
}

} // namespace

int CDataCenter::GetTimeZone() const
{
    return ExchangeTimeZone35And36(Time.TimeZone);
}

void CDataCenter::SetTimeZone(int zoneIndex)
{
    MarkModified();
    Time.TimeZone = ExchangeTimeZone35And36(zoneIndex);
}

int CDataCenter::SetDnp3Point(int objectType, int index, DNP3_POINT_SETTINGS point)
{
    MarkModified();
    if (Dnp3PointGroup* group = Dnp3GroupOfType(objectType); group && isPosition(group->Points, index))
        group->Points[index] = std::move(point);
    return 1;
}

void CDataCenter::AddModbusMasterDevice(MODBUS_EXTERNAL_DEVICE_SETTINGS device)
{
    MarkModified();
    ModbusMasterDevices.push_back(std::move(device));
}

int CDataCenter::NextModbusMasterDeviceId() const
{
    return NextEntryIndex(ModbusMasterDevices);
}

int CDataCenter::GetResourceIndex(int serviceId, int itemId) const
{
    switch (serviceId) {
    case ServiceId::ModbusMaster:
        return positionOfIndex(ModbusMasterDevices, itemId);
    case ServiceId::DataLogging:
    case ServiceId::DataLoggingUpload:
        return positionOfIndex(DataLogging.Profiles, itemId);
    case ServiceId::ModbusSlave:
        return positionOfIndex(ModbusSlave.MulitTagSet, itemId);
    case ServiceId::Tavo:
        return positionOfIndex(Tavo.Servers, itemId);
    case ServiceId::SnmpAgent:
        return 0; // the agent is its one item
    case ServiceId::AlarmMail:
        return positionOfIndex(AlarmMail.Entries, itemId);
    case ServiceId::AlarmSms:
        return positionOfIndex(AlarmSms.Entries, itemId);
    case ServiceId::AlarmSnmpTrap:
        return positionOfIndex(AlarmSnmpTrap.Entries, itemId);
    default:
        return -1;
    }
}

QString CDataCenter::GetServiceUseName(int serviceId, int itemIndex) const
{
    if (serviceId < ServiceId::First || serviceId > ServiceId::Last)
        return {};
    const int position = GetResourceIndex(serviceId, itemIndex);
    switch (serviceId) {
    case ServiceId::ModbusMaster:
        return position >= 0 ? ModbusMasterDevices[position].Name : GetResourceName(serviceId);
    case ServiceId::DataLogging:
    case ServiceId::DataLoggingUpload:
        return position >= 0 ? DataLogging.Profiles[position].Profile.Name : GetResourceName(ServiceId::DataLogging);
    case ServiceId::ModbusSlave:
        return position >= 0 ? ModbusSlave.MulitTagSet[position].Name : GetResourceName(serviceId);
    case ServiceId::SnmpAgent:
    case ServiceId::SnmpAgentLink:
    case ServiceId::SnmpAgentLink2:
        return GetResourceName(ServiceId::SnmpAgent);
    case ServiceId::Dnp3Master:
        return isPosition(Dnp3Outstation.Masters, itemIndex) ? Dnp3Outstation.Masters[itemIndex].Name : QString();
    case ServiceId::TavoServer:
        if (Tavo.Servers.isEmpty())
            return GetResourceName(ServiceId::Tavo);
        return isPosition(Tavo.Servers, itemIndex) ? Tavo.Servers[itemIndex].Name : QString();
    case ServiceId::HighSpeedDataLogging:
        return isPosition(HighSpeedLogProfiles, itemIndex) ? HighSpeedLogProfiles[itemIndex].Profile.ProfileName
                                                           : QString();
    case ServiceId::AlarmMail: {
        const int entry = positionOfIndex(AlarmMail.Entries, itemIndex);
        return entry >= 0 ? AlarmMail.Entries[entry].Name : GetResourceName(serviceId);
    }
    case ServiceId::AlarmSms: {
        const int entry = positionOfIndex(AlarmSms.Entries, itemIndex);
        return entry >= 0 ? AlarmSms.Entries[entry].Name : GetResourceName(serviceId);
    }
    case ServiceId::AlarmSnmpTrap: {
        const int entry = positionOfIndex(AlarmSnmpTrap.Entries, itemIndex);
        return entry >= 0 ? AlarmSnmpTrap.Entries[entry].Profile.TrapName : GetResourceName(serviceId);
    }
    case ServiceId::RESTfulApi:
        return GetResourceName(serviceId);
    default:
        return {};
    }
}
