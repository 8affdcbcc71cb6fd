// Adding and copying the per-slot module records, and the system-variable and system-register groups.
#include "CDataCenter.h"

#include "SlotKeyedLookup.h"

namespace {

template <typename Record>
Record makeModuleRecord(int slot, int count, int resSize, QString alias)
{
    Record record;
    record.SlotIndex = slot;
    record.ChannelCount = count;
    record.ResSize = resSize;
    record.ModuleName = std::move(alias);
    return record;
}

// Builds the record of a module kind with its channel list and appends it.
template <typename Record, typename Channel>
void appendModuleRecord(std::vector<Record>& records, int slot, int count, int resSize, QString alias,
                        std::vector<Channel> channels)
{
    Record record = makeModuleRecord<Record>(slot, count, resSize, std::move(alias));
    record.Channels = std::move(channels);
    records.push_back(std::move(record));
}

} // namespace

void CDataCenter::AddDIRecord(int slot, int count, int resSize, QString alias, std::vector<DIChannel> channels)
{
    appendModuleRecord(DISettings, slot, count, resSize, std::move(alias), std::move(channels));
}

void CDataCenter::AddDIORecord(int slot, int count, int resSize, QString alias, std::vector<DIOChannel> channels)
{
    appendModuleRecord(DIOSettings, slot, count, resSize, std::move(alias), std::move(channels));
}

void CDataCenter::AddDORecord(int slot, int count, int resSize, QString alias, std::vector<DOChannel> channels)
{
    appendModuleRecord(DOSettings, slot, count, resSize, std::move(alias), std::move(channels));
}

void CDataCenter::AddRelayRecord(int slot, int count, int resSize, QString alias, std::vector<DOChannel> channels)
{
    appendModuleRecord(RelaySettings, slot, count, resSize, std::move(alias), std::move(channels));
}

void CDataCenter::AddHARTAIRecord(int slot, int count, int resSize, QString alias, std::vector<HARTAIChannel> channels)
{
    appendModuleRecord(HARTAISettings, slot, count, resSize, std::move(alias), std::move(channels));
}

void CDataCenter::AddAIRecord(int slot, int count, int resSize, QString alias, std::vector<AIChannel> channels)
{
    appendModuleRecord(AISettings, slot, count, resSize, std::move(alias), std::move(channels));
}

void CDataCenter::AddHighSpeedAIRecord(int slot, int count, int resSize, QString alias,
                                       std::vector<HighSpeedAIChannel> channels)
{
    appendModuleRecord(HighSpeedAISettings, slot, count, resSize, std::move(alias), std::move(channels));
}

void CDataCenter::AddAORecord(int slot, int count, int resSize, QString alias, std::vector<AOChannel> channels)
{
    appendModuleRecord(AOSettings, slot, count, resSize, std::move(alias), std::move(channels));
}

void CDataCenter::AddTCRecord(int slot, int count, int resSize, QString alias, std::vector<TemperatureChannel> channels)
{
    appendModuleRecord(TCSettings, slot, count, resSize, std::move(alias), std::move(channels));
}

void CDataCenter::AddRTDRecord(int slot, int count, int resSize, QString alias,
                               std::vector<TemperatureChannel> channels)
{
    appendModuleRecord(RTDSettings, slot, count, resSize, std::move(alias), std::move(channels));
}

void CDataCenter::AddSerialRecord(int slot, int count, int resSize, QString alias, std::vector<SerialPort> ports)
{
    auto record = makeModuleRecord<PortModuleSlotRecord>(slot, count, resSize, std::move(alias));
    record.Ports = std::move(ports);
    SerialSettings.push_back(std::move(record));
}

void CDataCenter::AddCanRecord(int slot, int count, int resSize, QString alias, std::vector<CANPort> ports)
{
    auto record = makeModuleRecord<CanModuleSlotRecord>(slot, count, resSize, std::move(alias));
    record.Ports = std::move(ports);
    CanSettings.push_back(std::move(record));
}

void CDataCenter::AddNetworkRecord(int slot, int count, int resSize, QString alias, std::vector<LANPort> interfaces)
{
    auto record = makeModuleRecord<LanModuleSlotRecord>(slot, count, resSize, std::move(alias));
    record.Interfaces = std::move(interfaces);
    NetworkSettings.push_back(std::move(record));
}

void CDataCenter::AddCellularRecord(int slot, int count, int resSize, QString alias,
                                    std::vector<TagDefinition> definitions, CellularConfig config)
{
    auto record = makeModuleRecord<CellularRecord>(slot, count, resSize, std::move(alias));
    record.TagDefinitions = std::move(definitions);
    record.Config = std::move(config);
    CellularSettings.push_back(std::move(record));
}

void CDataCenter::AddPortTrunkRecord(int slot)
{
    PortTrunkSettings.push_back({slot, {}});
}

void CDataCenter::AddSwitchRecord(int slot)
{
    SwitchSettings.push_back({slot, {}});
}

void CDataCenter::AddResourceGroupRecord(QString alias, int resSize, int iecFlag,
                                         std::vector<TagDefinition> definitions, int series4100Flag, int slot)
{
    ResourceGroupRecord record;
    record.SlotIndex = slot;
    record.Added = 1;
    record.ResSize = resSize;
    record.IECFlag = iecFlag;
    record.Series4100Flag = series4100Flag;
    record.Name = std::move(alias);
    record.TagDefinitions = std::move(definitions);
    ResourceGroups.push_back(std::move(record));
}

int CDataCenter::GetDISetting(int slot, ModuleSlotRecord& out) const
{
    return CopyRecordBySlot(DISettings, slot, out);
}

int CDataCenter::GetDIOSetting(int slot, DIOModuleSlotRecord& out) const
{
    return CopyRecordBySlot(DIOSettings, slot, out);
}

int CDataCenter::GetDOSetting(int slot, OutputModuleSlotRecord& out) const
{
    return CopyRecordBySlot(DOSettings, slot, out);
}

int CDataCenter::GetRelaySetting(int slot, OutputModuleSlotRecord& out) const
{
    return CopyRecordBySlot(RelaySettings, slot, out);
}

int CDataCenter::GetHARTAISetting(int slot, HARTAISetting& out) const
{
    return CopyRecordBySlot(HARTAISettings, slot, out);
}

int CDataCenter::GetAISetting(int slot, AISetting& out) const
{
    return CopyRecordBySlot(AISettings, slot, out);
}

int CDataCenter::GetHighSpeedAISetting(int slot, HighSpeedAISetting& out) const
{
    return CopyRecordBySlot(HighSpeedAISettings, slot, out);
}

int CDataCenter::GetAOSetting(int slot, AOSetting& out) const
{
    return CopyRecordBySlot(AOSettings, slot, out);
}

int CDataCenter::GetTCSetting(int slot, TemperatureSetting& out) const
{
    return CopyRecordBySlot(TCSettings, slot, out);
}

int CDataCenter::GetRTDSetting(int slot, TemperatureSetting& out) const
{
    return CopyRecordBySlot(RTDSettings, slot, out);
}

int CDataCenter::GetSerialSetting(int slot, PortModuleSlotRecord& out) const
{
    return CopyRecordBySlot(SerialSettings, slot, out);
}

int CDataCenter::GetCanSetting(int slot, CanModuleSlotRecord& out) const
{
    return CopyRecordBySlot(CanSettings, slot, out);
}

int CDataCenter::GetNetworkSetting(int slot, LanModuleSlotRecord& out) const
{
    return CopyRecordBySlot(NetworkSettings, slot, out);
}

int CDataCenter::GetCellularSetting(int slot, CellularRecord& out) const
{
    return CopyRecordBySlot(CellularSettings, slot, out);
}

int CDataCenter::GetPortTrunkSetting(int slot, SlotPortRecord& out) const
{
    return CopyRecordBySlot(PortTrunkSettings, slot, out);
}

int CDataCenter::GetSwitchSetting(int slot, SlotPortRecord& out) const
{
    return CopyRecordBySlot(SwitchSettings, slot, out);
}

void CDataCenter::SetSystemVariables(QString name, int resSize, int iecFlag, std::vector<TagDefinition> definitions,
                                     int series4100Flag)
{
    SystemVariables.SlotIndex = 0;
    SystemVariables.Added = 1;
    SystemVariables.ResSize = resSize;
    SystemVariables.IECFlag = iecFlag;
    SystemVariables.Series4100Flag = series4100Flag;
    SystemVariables.Name = std::move(name);
    SystemVariables.TagDefinitions = std::move(definitions);
}

void CDataCenter::GetSlotSystemRegister(ResourceGroupRecord& out, int slot) const
{
    for (const ResourceGroupRecord& record : ResourceGroups) {
        if (record.SlotIndex == slot)
            out = record; // with several groups of the slot, the last one stays
    }
}

int CDataCenter::FindTagDefinitionIndex(const QString& resourceText) const
{
    const auto& definitions = SystemVariables.TagDefinitions;
    for (size_t i = 0; i < definitions.size(); ++i) {
        if (definitions[i].ResourceText == resourceText)
            return static_cast<int>(i);
    }
    return -1;
}
