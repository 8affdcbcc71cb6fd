// Which service items use which tags: the (service, item) pairs on the tags and on the
// high-speed logging's service-tag records, the service lists that hold tag addresses, the TAVO
// links, the DNP3 points and the Modbus master devices with their commands.
#include "CDataCenter.h"

#include "HsDataLogProfiles.h"
#include "TagEngineSupport.h"
#include "TraceLog.h"
#include "TypeIds.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace {

using TagEngine::ItemAt;

bool eraseFirst(std::vector<TagServiceLink>& links, TagServiceLink link)
{
    const auto found = std::find(links.begin(), links.end(), link);
    if (found == links.end())
        return false;
    links.erase(found);
    return true;
}

// Removes the first equal pair from the first holder of the key that has it.
template <typename Holders, typename KeyOf, typename LinksOf>
void removeFirstLink(Holders& holders, const QString& key, TagServiceLink link, KeyOf keyOf, LinksOf linksOf)
{
    for (auto& holder : holders) {
        if (keyOf(holder) == key && eraseFirst(linksOf(holder), link))
            return;
    }
}

// Erases every element the predicate selects; dangling references must not survive a deleted tag.
template <typename List, typename Predicate>
void eraseAll(List& list, Predicate predicate)
{
    list.erase(std::remove_if(list.begin(), list.end(), predicate), list.end());
}

std::vector<QString> resourceAddresses(const QVector<MODBUS_COMMAND_RESOURCE>& resources)
{
    std::vector<QString> addresses;
    for (const MODBUS_COMMAND_RESOURCE& resource : resources)
        addresses.push_back(resource.ResID);
    return addresses;
}

// DNP3 point types whose groups a new point of that type must not share a tag with.
std::vector<int> conflictingPointTypes(int objectType)
{
    switch (objectType) {
    case Dnp3ObjectType::AnalogInput:
    case Dnp3ObjectType::AnalogOutput:
        return {Dnp3ObjectType::AnalogInput, Dnp3ObjectType::AnalogOutput};
    case Dnp3ObjectType::Counter:
        return {Dnp3ObjectType::Counter, Dnp3ObjectType::AnalogInput};
    default:
        return {objectType};
    }
}

// The highest item number of a list whose entries carry their own number (or are counted by position).
template <typename List>
qint64 highestNumberedItem(const List& items)
{
    qint64 highest = static_cast<qint64>(items.size()) - 1;
    for (const auto& item : items)
        highest = std::max<qint64>(highest, item.Index);
    return std::max<qint64>(highest, 0);
}

template <typename List>
qint64 highestPosition(const List& items)
{
    return std::max<qint64>(static_cast<qint64>(items.size()) - 1, 0);
}

bool isValidPointType(int objectType)
{
    return objectType >= Dnp3ObjectType::BinaryInput && objectType <= Dnp3ObjectType::Counter;
}

} // namespace

void CDataCenter::AddTagServiceUse(QString address, TagServiceLink link)
{
    MarkModified();
    if (address.isEmpty())
        return;
    Tags.EditEachAt(address, [link](TagRecord& tag) { tag.RelatedServices.push_back(link); });
}

void CDataCenter::RemoveTagServiceUse(QString address, TagServiceLink link)
{
    MarkModified();
    bool removed = false;
    Tags.EditEachAt(address, [&](TagRecord& tag) {
        if (!removed)
            removed = eraseFirst(tag.RelatedServices, link);
    });
}

void CDataCenter::MoveTagServiceUse(QString oldAddress, QString newAddress, TagServiceLink link)
{
    RemoveTagServiceUse(std::move(oldAddress), link);
    AddTagServiceUse(std::move(newAddress), link);
}

void CDataCenter::ReplaceTagServiceUses(QVector<MODBUS_COMMAND_RESOURCE> oldResources,
                                        QVector<MODBUS_COMMAND_RESOURCE> newResources, TagServiceLink link)
{
    for (const MODBUS_COMMAND_RESOURCE& resource : oldResources)
        RemoveTagServiceUse(resource.ResID, link);
    for (const MODBUS_COMMAND_RESOURCE& resource : newResources)
        AddTagServiceUse(resource.ResID, link);
}

void CDataCenter::ReplaceServiceItemUses(const std::vector<QString>& before, const std::vector<QString>& after,
                                         TagServiceLink link)
{
    // Counted per address: an item may use one tag twice (a trigger that is also logged).
    QHash<QString, int> change;
    for (const QString& address : after)
        ++change[address];
    for (const QString& address : before)
        --change[address];
    for (auto it = change.cbegin(); it != change.cend(); ++it) {
        for (int removed = 0; removed < -it.value(); ++removed)
            RemoveTagServiceUse(it.key(), link);
    }
    for (const QString& address : after) {
        if (change.value(address) > 0) {
            AddTagServiceUse(address, link);
            --change[address];
        }
    }
}

void CDataCenter::ReleaseTagsOfServiceItem(std::vector<QString> addresses, TagServiceLink link)
{
    if (addresses.empty())
        return;
    for (const QString& address : addresses)
        RemoveTagServiceUse(address, link);
    ShiftResourceIndices(link.ServiceId, link.ItemIndex);
}

void CDataCenter::AddServiceTagReference(QString key, TagServiceLink link)
{
    MarkModified();
    if (key.isEmpty())
        return;
    const auto found = std::find_if(ServiceTagLists.begin(), ServiceTagLists.end(),
                                    [&](const ServiceTagRecord& record) { return record.Key == key; });
    if (found != ServiceTagLists.end())
        found->Links.push_back(link);
}

void CDataCenter::RemoveServiceTagReference(QString key, TagServiceLink link)
{
    MarkModified();
    removeFirstLink(
        ServiceTagLists, key, link, [](const ServiceTagRecord& record) { return record.Key; },
        [](ServiceTagRecord & record) -> auto& { return record.Links; });
}

void CDataCenter::MoveServiceTagReference(QString oldKey, QString newKey, TagServiceLink link)
{
    RemoveServiceTagReference(std::move(oldKey), link);
    AddServiceTagReference(std::move(newKey), link);
}

void CDataCenter::ReleaseServiceTagReferences(std::vector<QString> keys, TagServiceLink link)
{
    if (keys.empty())
        return;
    for (const QString& key : keys)
        RemoveServiceTagReference(key, link);
    ShiftServiceTagIndices(link.ServiceId, link.ItemIndex);
}

void CDataCenter::RemoveTagFromServiceLists(QString address)
{
    MarkModified();
    for (ALARM_SNMP_TRAP_ITEM_SETTINGS& entry : AlarmSnmpTrap.Entries)
        entry.TagAddresses.removeAll(address);
    for (DATA_LOG_ITEM_SETTINGS& profile : DataLogging.Profiles)
        eraseAll(profile.SelectedTags, [&](const SelectedTag& tag) { return tag.second == address; });
    for (HS_DATA_LOG_ITEM_SETTINGS& profile : HighSpeedLogProfiles)
        HsDataLogProfiles::ForgetTag(profile, address);
    eraseAll(SnmpAgent.TagTable, [&](const SNMP_AGENT_TAG_ITEM& item) { return item.TagResID == address; });
    for (MODBUS_EXTERNAL_DEVICE_SETTINGS& device : ModbusMasterDevices) {
        for (MODBUS_COMMAND_SETTINGS& command : device.Commands)
            eraseAll(command.Resources,
                     [&](const MODBUS_COMMAND_RESOURCE& resource) { return resource.ResID == address; });
    }
    for (MODBUS_SLAVE_TAG_SET& set : ModbusSlave.MulitTagSet)
        eraseAll(set.Items, [&](const MODBUS_SLAVE_TAG_ITEM& item) { return item.Tag == address; });
}

qint64 CDataCenter::HighestServiceItem(int serviceId) const
{
    switch (serviceId) {
    case ServiceId::ModbusMaster:
        return highestNumberedItem(ModbusMasterDevices);
    case ServiceId::ModbusSlave:
        return highestNumberedItem(ModbusSlave.MulitTagSet);
    case ServiceId::DataLogging:
    case ServiceId::DataLoggingUpload:
        return highestNumberedItem(DataLogging.Profiles);
    case ServiceId::AlarmMail:
        return highestNumberedItem(AlarmMail.Entries);
    case ServiceId::AlarmSms:
        return highestNumberedItem(AlarmSms.Entries);
    case ServiceId::AlarmSnmpTrap:
        return highestNumberedItem(AlarmSnmpTrap.Entries);
    case ServiceId::TavoServer:
        return highestPosition(Tavo.Servers);
    case ServiceId::HighSpeedDataLogging:
        return highestPosition(HighSpeedLogProfiles);
    default:
        return std::numeric_limits<qint32>::max();
    }
}

int CDataCenter::DropServiceUsesOutsideLists()
{
    int dropped = 0;
    Tags.EditEach([&](TagRecord& tag) {
        const auto outside = [&](const TagServiceLink& use) {
            if (use.ItemIndex >= 0 && use.ItemIndex <= HighestServiceItem(use.ServiceId))
                return false;
            TraceLog("%s:%d use (%d, %d) of tag %s names no entry of its service; dropped", __FILE__, __LINE__,
                     use.ServiceId, use.ItemIndex, qUtf8Printable(tag.TagName));
            return true;
        };
        dropped += static_cast<int>(std::erase_if(tag.RelatedServices, outside));
    });
    return dropped;
}

int CDataCenter::AddTavoTagUses(QString address, TagRecordExtra extra)
{
    const int position = Tags.FirstPositionAt(address);
    TagRecord* found = Tags.EditFirstAt(address);
    if (!found)
        return 0;
    found->PublishToTavo = 1;
    found->Tavo = extra;
    AddTagServiceUse(address, MakeIntPair(ServiceId::TavoTagLink, 0));
    if (extra.ControlTagUpdate) // the control tag learns which tag follows it
        AddTagServiceUse(extra.Control, MakeIntPair(ServiceId::TavoControlTagLink, position));
    return 1;
}

void CDataCenter::ReleaseTavoItemTagUse(QString address)
{
    const int position = Tags.FirstPositionAt(address);
    TagRecord* found = Tags.EditFirstAt(address);
    if (!found)
        return;
    if (found->Tavo.ControlTagUpdate)
        RemoveTagServiceUse(found->Tavo.Control, MakeIntPair(ServiceId::TavoControlTagLink, position));
    found->PublishToTavo = 0;
    found->Tavo.Init();
    ReleaseTagsOfServiceItem({address}, MakeIntPair(ServiceId::TavoTagLink, 0));
}

void CDataCenter::AddDnp3PointTagUses(int objectType, DNP3_POINT_SETTINGS point)
{
    MarkModified();
    Dnp3PointGroup* group = Dnp3GroupOfType(objectType);
    if (!group)
        return;
    const QString address = point.ResourceID;
    group->Points.push_back(std::move(point));
    AddTagServiceUse(address, MakeIntPair(ServiceId::Dnp3Point, objectType));
}

int CDataCenter::ReleaseDnp3PointTagUse(int objectType, int index, QString name)
{
    MarkModified();
    Dnp3PointGroup* group = Dnp3GroupOfType(objectType);
    const DNP3_POINT_SETTINGS* point = group ? ItemAt(group->Points, index) : nullptr;
    if (!point || point->Name.compare(name, Qt::CaseInsensitive) != 0)
        return 0;
    ReleaseTagsOfServiceItem({point->ResourceID}, MakeIntPair(ServiceId::Dnp3Point, objectType));
    group->Points.removeAt(index);
    return 1;
}

int CDataCenter::GetDnp3PointTotal() const
{
    int total = 0;
    for (const Dnp3PointGroup& group : Dnp3Groups)
        total += static_cast<int>(group.Points.size());
    return total;
}

void CDataCenter::GetTagsForDnp3PointType(int objectType, std::vector<TagRecord>& out) const
{
    if (!isValidPointType(objectType))
        return;
    const auto isPoint = [&](const QString& address) {
        for (int type : conflictingPointTypes(objectType)) {
            const QVector<DNP3_POINT_SETTINGS>& points = Dnp3GroupOfType(type)->Points;
            if (std::any_of(points.begin(), points.end(),
                            [&](const DNP3_POINT_SETTINGS& point) { return point.ResourceID == address; }))
                return true;
        }
        return false;
    };
    for (const TagRecord& tag : std::as_const(Tags)) {
        if (tag.Dnp3PointType == objectType && !isPoint(tag.ResID))
            out.push_back(tag);
    }
}

void CDataCenter::DeleteModbusMasterDevice(quint32 index)
{
    MarkModified();
    if (!ItemAt(ModbusMasterDevices, index))
        return;
    const MODBUS_EXTERNAL_DEVICE_SETTINGS device = ModbusMasterDevices[index];
    const TagServiceLink link = MakeIntPair(ServiceId::ModbusMaster, device.Index);
    for (const MODBUS_COMMAND_SETTINGS& command : device.Commands)
        ReleaseTagsOfServiceItem(resourceAddresses(command.Resources), link);
    ReleaseTagsOfServiceItem({device.StatusTag, device.ErrorTag}, link);
    DeleteTagsByAddress(device.StatusTag, 1);
    DeleteTagsByAddress(device.ErrorTag, 1);
    ModbusMasterDevices.erase(ModbusMasterDevices.begin() + static_cast<std::ptrdiff_t>(index));
}

int CDataCenter::AddModbusDeviceTagDefinition(int deviceId, TagDefinition definition)
{
    const auto device =
        std::find_if(ModbusMasterDevices.begin(), ModbusMasterDevices.end(),
                     [deviceId](const MODBUS_EXTERNAL_DEVICE_SETTINGS& d) { return d.Index == deviceId; });
    if (device == ModbusMasterDevices.end() ||
        TagEngine::FindDefinitionByText(device->TagDefinitions, definition.ResourceText))
        return 0;
    device->TagDefinitions.push_back(std::move(definition));
    return 1;
}

int CDataCenter::UpdateModbusCommandTagUse(int device, int command, MODBUS_COMMAND_SETTINGS newCommand)
{
    MarkModified();
    MODBUS_EXTERNAL_DEVICE_SETTINGS* owner = ItemAt(ModbusMasterDevices, device);
    MODBUS_COMMAND_SETTINGS* stored = owner ? ItemAt(owner->Commands, command) : nullptr;
    if (!stored)
        return 0;
    ReplaceTagServiceUses(stored->Resources, newCommand.Resources, MakeIntPair(ServiceId::ModbusMaster, owner->Index));
    *stored = std::move(newCommand);
    return 1;
}

void CDataCenter::DeleteModbusMasterCommand(int device, int command)
{
    MarkModified();
    MODBUS_EXTERNAL_DEVICE_SETTINGS* owner = ItemAt(ModbusMasterDevices, device);
    const MODBUS_COMMAND_SETTINGS* stored = owner ? ItemAt(owner->Commands, command) : nullptr;
    if (!stored)
        return;
    ReleaseTagsOfServiceItem(resourceAddresses(stored->Resources), MakeIntPair(ServiceId::ModbusMaster, owner->Index));
    owner->Commands.removeAt(command);
}
