// The Modbus services as their pages change them: devices with their automatic tags, commands
// and serial ports of the master; tag sets and the serial port of the slave.
#include "CDataCenter.h"

#include "EntryIndex.h"
#include "SerialPortOffer.h"
#include "SlotKeyedLookup.h"
#include "TagEngineSupport.h"
#include "TypeIds.h"

#include <algorithm>

namespace {

using TagEngine::ItemAt;

constexpr int kPortFree = 0;
constexpr int kPortUsed = 1;
constexpr qsizetype kStatusDefinition = 0;
constexpr qsizetype kErrorDefinition = 1;

std::vector<QString> slaveSetAddresses(const MODBUS_SLAVE_TAG_SET& set)
{
    std::vector<QString> addresses;
    for (const MODBUS_SLAVE_TAG_ITEM& item : set.Items)
        addresses.push_back(item.Tag);
    return addresses;
}

void nameItemsAfterSet(MODBUS_SLAVE_TAG_SET& set)
{
    for (MODBUS_SLAVE_TAG_ITEM& item : set.Items)
        item.Name = set.Name;
}

} // namespace

// ---- serial ports ----

bool CDataCenter::IsSerialPortMarkedBy(const QString& key, int serviceType) const
{
    const std::optional<SerialPortChoice> port = ParseSerialPortKey(key);
    const PortModuleSlotRecord* record = port ? FindRecordBySlot(SerialSettings, port->Slot) : nullptr;
    const SerialPort* entry = record ? EntryAt(record->Ports, port->Port) : nullptr;
    return entry && entry->Setting.IsUsedByService != 0 && entry->Setting.UsedServiceType == serviceType;
}

void CDataCenter::MarkSerialPortKey(const QString& key, int used, int serviceType)
{
    if (const std::optional<SerialPortChoice> port = ParseSerialPortKey(key))
        SetSerialPortServiceUse(port->Slot, port->Port, used, serviceType);
}

void CDataCenter::MarkModbusMasterPorts()
{
    for (const MODBUS_EXTERNAL_DEVICE_SETTINGS& device : ModbusMasterDevices)
        MarkSerialPortKey(device.RTUPort, kPortUsed, SerialPortUser::ModbusMaster);
}

// ---- Modbus master ----

void CDataCenter::SetModbusMasterDevice(int row, MODBUS_EXTERNAL_DEVICE_SETTINGS device)
{
    MarkModified();
    if (MODBUS_EXTERNAL_DEVICE_SETTINGS* stored = ItemAt(ModbusMasterDevices, row))
        *stored = std::move(device);
}

int CDataCenter::AddModbusMasterCommand(int device, MODBUS_COMMAND_SETTINGS command)
{
    MarkModified();
    MODBUS_EXTERNAL_DEVICE_SETTINGS* owner = ItemAt(ModbusMasterDevices, device);
    if (!owner)
        return 0;
    const TagServiceLink use = MakeIntPair(ServiceId::ModbusMaster, owner->Index);
    for (const MODBUS_COMMAND_RESOURCE& resource : command.Resources)
        AddTagServiceUse(resource.ResID, use);
    owner->Commands.append(std::move(command));
    return 1;
}

int CDataCenter::CreateModbusMasterDevice(MODBUS_EXTERNAL_DEVICE_SETTINGS device, std::vector<TagChange>& created)
{
    created.clear();
    device.Index = NextModbusMasterDeviceId();
    device.TagDefinitions.clear();
    AddModbusMasterDevice(std::move(device));
    MODBUS_EXTERNAL_DEVICE_SETTINGS& added = ModbusMasterDevices.back();
    if (!RegisterServiceItemTags(ServiceId::ModbusMaster, added.Index, added.TagDefinitions, created) ||
        added.TagDefinitions.size() <= kErrorDefinition) {
        ModbusMasterDevices.pop_back();
        return 0;
    }
    added.StatusTag = added.TagDefinitions[kStatusDefinition].ResourceText;
    added.ErrorTag = added.TagDefinitions[kErrorDefinition].ResourceText;
    const TagServiceLink use = MakeIntPair(ServiceId::ModbusMaster, added.Index);
    for (const MODBUS_COMMAND_SETTINGS& command : added.Commands) {
        for (const MODBUS_COMMAND_RESOURCE& resource : command.Resources)
            AddTagServiceUse(resource.ResID, use);
    }
    MarkSerialPortKey(added.RTUPort, kPortUsed, SerialPortUser::ModbusMaster);
    return 1;
}

int CDataCenter::ModifyModbusMasterDevice(int row, MODBUS_EXTERNAL_DEVICE_SETTINGS device)
{
    const MODBUS_EXTERNAL_DEVICE_SETTINGS* stored = ItemAt(ModbusMasterDevices, row);
    if (!stored)
        return 0;
    MarkSerialPortKey(stored->RTUPort, kPortFree, SerialPortUser::ModbusMaster);
    SetModbusMasterDevice(row, std::move(device));
    // A port another device still uses stays marked.
    MarkModbusMasterPorts();
    return 1;
}

std::vector<CDataCenter::TagChange> CDataCenter::DeleteModbusMasterDevices(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<TagChange> removed;
    int deleted = 0;
    for (int row : rows) {
        const MODBUS_EXTERNAL_DEVICE_SETTINGS* device = ItemAt(ModbusMasterDevices, row - deleted);
        if (row < 0 || !device)
            continue;
        MarkSerialPortKey(device->RTUPort, kPortFree, SerialPortUser::ModbusMaster);
        for (const QString& address : {device->StatusTag, device->ErrorTag}) {
            if (const TagRecord* tag = Tags.FirstAt(address))
                removed.push_back({tag->TagName, address});
        }
        DeleteModbusMasterDevice(static_cast<quint32>(row - deleted));
        ++deleted;
    }
    MarkModbusMasterPorts();
    return removed;
}

// ---- Modbus slave ----

int CDataCenter::AddModbusSlaveTagSet(MODBUS_SLAVE_TAG_SET set)
{
    MarkModified();
    set.Index = std::max(NextEntryIndex(ModbusSlave.MulitTagSet), NextModbusSlaveSetIndex);
    NextModbusSlaveSetIndex = EntryIndexAfter(set.Index);
    nameItemsAfterSet(set);
    const TagServiceLink use = MakeIntPair(ServiceId::ModbusSlave, set.Index);
    for (const QString& address : slaveSetAddresses(set))
        AddTagServiceUse(address, use);
    ModbusSlave.MulitTagSet.append(set);
    return set.Index;
}

int CDataCenter::SetModbusSlaveTagSet(int row, MODBUS_SLAVE_TAG_SET set)
{
    MarkModified();
    MODBUS_SLAVE_TAG_SET* stored = ItemAt(ModbusSlave.MulitTagSet, row);
    if (!stored)
        return 0;
    set.Index = stored->Index;
    nameItemsAfterSet(set);
    const TagServiceLink use = MakeIntPair(ServiceId::ModbusSlave, set.Index);
    ReleaseTagsOfServiceItem(slaveSetAddresses(*stored), use);
    for (const QString& address : slaveSetAddresses(set))
        AddTagServiceUse(address, use);
    *stored = std::move(set);
    return 1;
}

void CDataCenter::DeleteModbusSlaveTagSets(std::vector<int> rows)
{
    MarkModified();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    int deleted = 0;
    for (int row : rows) {
        const MODBUS_SLAVE_TAG_SET* set = row >= 0 ? ItemAt(ModbusSlave.MulitTagSet, row - deleted) : nullptr;
        if (!set)
            continue;
        ReleaseTagsOfServiceItem(slaveSetAddresses(*set), MakeIntPair(ServiceId::ModbusSlave, set->Index));
        ModbusSlave.MulitTagSet.removeAt(row - deleted);
        ++deleted;
    }
}

void CDataCenter::SetModbusSlaveSerialPort(const QString& key)
{
    MarkModified();
    if (key == ModbusSlave.SerialPort)
        return;
    // Only a mark the slave itself made is taken back.
    if (IsSerialPortMarkedBy(ModbusSlave.SerialPort, SerialPortUser::ModbusSlave))
        MarkSerialPortKey(ModbusSlave.SerialPort, kPortFree, SerialPortUser::ModbusSlave);
    MarkSerialPortKey(key, kPortUsed, SerialPortUser::ModbusSlave);
    ModbusSlave.SerialPort = key;
    ModbusSlave.EnSerial = ParseSerialPortKey(key) ? 1 : 0;
}
