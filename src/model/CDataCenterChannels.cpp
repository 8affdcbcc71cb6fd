// The setters by which the channel pages and the device-model builders store per-slot data.
// Every setter first finds the slot's record; a slot without one, or a channel, port or
// interface index past the record's list, changes nothing.
#include "CDataCenter.h"

#include "SlotKeyedLookup.h"

#include <array>
#include <span>

namespace {

// The tag definitions of an input channel whose limits follow its range: value, minimum and maximum.
constexpr std::array<size_t, 3> kInputRangeDefinitions{0, 2, 3};
constexpr std::array<size_t, 1> kOutputRangeDefinitions{0};

// The channel of a slot's record; nullptr when the slot has no record or the index is past its list.
template <typename Record>
auto* channelOf(std::vector<Record>& records, int slot, int channel)
{
    Record* record = FindRecordBySlot(records, slot);
    return record ? EntryAt(record->Channels, channel) : nullptr;
}

void moveTagLimits(std::vector<TagDefinition>& definitions, std::span<const size_t> positions, int minimum, int maximum)
{
    for (const size_t position : positions) {
        if (position >= definitions.size())
            continue;
        definitions[position].FloatMin = static_cast<float>(minimum);
        definitions[position].FloatMax = static_cast<float>(maximum);
    }
}

// Stores an analog input block; a new range code moves the channel's tag limits first.
template <typename Channel, typename Block>
void storeInputRangeBlock(Channel& channel, const Block& block)
{
    if (block.InputRange != channel.Setting.InputRange)
        moveTagLimits(channel.TagDefinitions, kInputRangeDefinitions, block.InputRangeMin, block.InputRangeMax);
    channel.Setting = block;
}

void storeTemperatureBlock(TemperatureChannel& channel, const TemperatureSettingBlock& block)
{
    if (block.SensorType != channel.Setting.SensorType)
        moveTagLimits(channel.TagDefinitions, kInputRangeDefinitions, block.InputRangeMin, block.InputRangeMax);
    channel.Setting = block;
}

} // namespace

void CDataCenter::SetDIModuleText(int slot, QString filterUnit)
{
    MarkModified();
    if (ModuleSlotRecord* record = FindRecordBySlot(DISettings, slot))
        record->FilterUnit = std::move(filterUnit);
}

void CDataCenter::SetDIOModuleText(int slot, QString filterUnit)
{
    MarkModified();
    if (DIOModuleSlotRecord* record = FindRecordBySlot(DIOSettings, slot))
        record->FilterUnit = std::move(filterUnit);
}

void CDataCenter::SetDIChannelData(int slot, std::vector<quint32> filterRange)
{
    MarkModified();
    if (ModuleSlotRecord* record = FindRecordBySlot(DISettings, slot))
        record->FilterRange = std::move(filterRange);
}

void CDataCenter::SetDIOChannelData(int slot, std::vector<quint32> filterRange)
{
    MarkModified();
    if (DIOModuleSlotRecord* record = FindRecordBySlot(DIOSettings, slot))
        record->FilterRange = std::move(filterRange);
}

void CDataCenter::SetHighSpeedAIChannelData(int slot, std::vector<quint32> samplingNumbers)
{
    MarkModified();
    if (HighSpeedAISetting* record = FindRecordBySlot(HighSpeedAISettings, slot))
        record->SamplingNumbers = std::move(samplingNumbers);
}

void CDataCenter::SetHARTAIChannelData(int slot, int channel, std::vector<HARTSensorEntry> sensors)
{
    MarkModified();
    if (HARTAIChannel* entry = channelOf(HARTAISettings, slot, channel))
        entry->Sensors = std::move(sensors);
}

void CDataCenter::SetDISetting(int slot, int channel, DISettingBlock block)
{
    MarkModified();
    if (DIChannel* entry = channelOf(DISettings, slot, channel))
        entry->Setting = block;
}

void CDataCenter::SetDIOSetting(int slot, int channel, int ioDirection, DIOSettingBlock block)
{
    MarkModified();
    if (DIOChannel* entry = channelOf(DIOSettings, slot, channel)) {
        entry->IODirection = ioDirection;
        entry->Setting = block;
    }
}

void CDataCenter::SetDOChannelSetting(int slot, int channel, OutputSettingBlock block)
{
    MarkModified();
    if (DOChannel* entry = channelOf(DOSettings, slot, channel))
        entry->Setting = block;
}

void CDataCenter::SetRelayChannelSetting(int slot, int channel, OutputSettingBlock block)
{
    MarkModified();
    if (DOChannel* entry = channelOf(RelaySettings, slot, channel))
        entry->Setting = block;
}

void CDataCenter::SetHARTChannelSetting(int slot, int channel, HARTAISettingBlock block)
{
    MarkModified();
    if (HARTAIChannel* entry = channelOf(HARTAISettings, slot, channel))
        storeInputRangeBlock(*entry, block);
}

void CDataCenter::SetAIChannelSetting(int slot, int channel, AISettingBlock block)
{
    MarkModified();
    if (AIChannel* entry = channelOf(AISettings, slot, channel))
        storeInputRangeBlock(*entry, block);
}

void CDataCenter::SetHighSpeedAIChannelSetting(int slot, int channel, quint32 samplingRate,
                                               HighSpeedAISettingBlock block)
{
    HighSpeedAISetting* record = FindRecordBySlot(HighSpeedAISettings, slot);
    HighSpeedAIChannel* entry = record ? EntryAt(record->Channels, channel) : nullptr;
    if (!entry)
        return;
    storeInputRangeBlock(*entry, block);
    record->SamplingRate = samplingRate;
}

void CDataCenter::SetHighSpeedAIAllChannels(int slot, quint32 foreInterval, quint32 backInterval)
{
    MarkModified();
    HighSpeedAISetting* record = FindRecordBySlot(HighSpeedAISettings, slot);
    if (!record)
        return;
    for (HighSpeedAIChannel& entry : record->Channels) {
        entry.Setting.ForeInterval = foreInterval;
        entry.Setting.BackInterval = backInterval;
    }
}

void CDataCenter::SetAOChannelSetting(int slot, int channel, AOSettingBlock block)
{
    MarkModified();
    AOChannel* entry = channelOf(AOSettings, slot, channel);
    if (!entry)
        return;
    if (block.OutputRange != entry->Setting.OutputRange)
        moveTagLimits(entry->TagDefinitions, kOutputRangeDefinitions, block.RangeMin, block.RangeMax);
    entry->Setting = block;
}

void CDataCenter::SetTCChannelSetting(int slot, int channel, TemperatureSettingBlock block)
{
    MarkModified();
    if (TemperatureChannel* entry = channelOf(TCSettings, slot, channel))
        storeTemperatureBlock(*entry, block);
}

void CDataCenter::SetRTDChannelSetting(int slot, int channel, TemperatureSettingBlock block)
{
    MarkModified();
    if (TemperatureChannel* entry = channelOf(RTDSettings, slot, channel))
        storeTemperatureBlock(*entry, block);
}

int CDataCenter::SetSerialPortServiceUse(int slot, int port, int isUsedByService, int usedServiceType)
{
    MarkModified();
    PortModuleSlotRecord* record = FindRecordBySlot(SerialSettings, slot);
    SerialPort* entry = record ? EntryAt(record->Ports, port) : nullptr;
    if (!entry)
        return 0;
    entry->Setting.IsUsedByService = isUsedByService;
    entry->Setting.UsedServiceType = usedServiceType;
    return 1;
}

void CDataCenter::SetSerialSetting(int slot, int port, SerialPortSettingBlock block)
{
    MarkModified();
    PortModuleSlotRecord* record = FindRecordBySlot(SerialSettings, slot);
    if (SerialPort* entry = record ? EntryAt(record->Ports, port) : nullptr)
        entry->Setting = block;
}

void CDataCenter::SetCanPortSetting(int slot, int port, CanPortSettingBlock block)
{
    MarkModified();
    CanModuleSlotRecord* record = FindRecordBySlot(CanSettings, slot);
    if (CANPort* entry = record ? EntryAt(record->Ports, port) : nullptr)
        entry->Setting = block;
}

void CDataCenter::SetNetworkSetting(int slot, int interfaceIndex, const LanModuleSlotRecord& in)
{
    MarkModified();
    LanModuleSlotRecord* record = FindRecordBySlot(NetworkSettings, slot);
    LANPort* entry = record ? EntryAt(record->Interfaces, interfaceIndex) : nullptr;
    const LANPort* source = EntryAt(in.Interfaces, interfaceIndex);
    if (!entry || !source)
        return;
    entry->Setting = source->Setting;
    record->DefaultGatewayInterface = in.DefaultGatewayInterface;
    record->EthernetMode = in.EthernetMode;
    record->Lock = in.Lock;
    record->DNS_0 = in.DNS_0;
    record->DNS_1 = in.DNS_1;
}

void CDataCenter::SetCellularConfig(int slot, CellularConfig config)
{
    MarkModified();
    if (CellularRecord* record = FindRecordBySlot(CellularSettings, slot))
        record->Config = std::move(config);
}
