#include "ChangedProject.h"

#include "DeviceModelBuilder.h"

#include <gtest/gtest.h>

namespace ChangedProject {

namespace {

// A small number of its own per slot and channel; kept low so every reader's range takes it.
quint32 mark(int slot, size_t channel)
{
    return static_cast<quint32>(slot) * 16u + static_cast<quint32>(channel) + 1u;
}

void changeDigitalInputs(CDataCenter& model)
{
    for (ModuleSlotRecord& record : model.DISettings) {
        for (size_t k = 0; k < record.Channels.size(); ++k) {
            DISettingBlock& block = record.Channels[k].Setting;
            const quint32 m = mark(record.SlotIndex, k);
            if (record.HighVoltage) { // the high-voltage layout stores only the first-on values
                block.FirstOnEnable = 1;
                block.FirstOnTime = 0.25f * static_cast<float>(m);
                continue;
            }
            block.Filter = 100 + m;
            block.Trigger = k % 4 == 3 ? -1 : static_cast<qint32>(k % 3); // -1: no trigger
            block.DI_Mode = static_cast<qint32>(1 + k % 2);
            block.InitVal_CntVal = 4000000000u + m;
            block.Measurement_Time = 1000 * m;
        }
    }
}

void changeOutputBlock(OutputSettingBlock& block, quint32 m)
{
    block.Mode = static_cast<qint32>(2 + m % 3);
    block.Status = 1;
    block.OutputPulse = 65536 + m;
    block.Frequency = 12.25 + m; // two decimals are stored
    block.DutyCycle = 37.5;      // one decimal is stored
}

void changeDigitalOutputs(CDataCenter& model)
{
    for (auto* records : {&model.DOSettings, &model.RelaySettings}) {
        for (OutputModuleSlotRecord& record : *records) {
            for (size_t k = 0; k < record.Channels.size(); ++k)
                changeOutputBlock(record.Channels[k].Setting, mark(record.SlotIndex, k));
        }
    }
    for (DIOModuleSlotRecord& record : model.DIOSettings) {
        for (size_t k = 0; k < record.Channels.size(); ++k) {
            DIOChannel& channel = record.Channels[k];
            const quint32 m = mark(record.SlotIndex, k);
            channel.IODirection = static_cast<qint32>(k % 2);
            channel.Setting.DI.DI_Mode = 3;
            channel.Setting.DI.Filter = 17 + m;
            channel.Setting.DI.Trigger = static_cast<qint32>(k % 3);
            channel.Setting.DI.Measurement_Time = 500 + m;
            channel.Setting.DI.InitVal_CntVal = 99 + m;
            changeOutputBlock(channel.Setting.DO, m);
        }
    }
}

// A burn-out value is stored only with range code 4.
void changeInputRange(AISettingBlock& block, quint32 m)
{
    block.InputRange = m % 2 ? 4 : 2;
    block.InputRangeMin = -10 - static_cast<qint32>(m);
    block.InputRangeMax = 20 + static_cast<qint32>(m);
    block.BurnOutValue = m % 2 ? 3.5f : 0.0f;
}

void changeAnalogInputs(CDataCenter& model)
{
    for (AISetting& record : model.AISettings) {
        for (size_t k = 0; k < record.Channels.size(); ++k)
            changeInputRange(record.Channels[k].Setting, mark(record.SlotIndex, k));
    }
    for (HARTAISetting& record : model.HARTAISettings) {
        for (size_t k = 0; k < record.Channels.size(); ++k) {
            HARTAIChannel& channel = record.Channels[k];
            const quint32 m = mark(record.SlotIndex, k);
            changeInputRange(channel.Setting, m);
            channel.Setting.HartOpMode = 1;
            channel.Setting.NumRetry = 5 + m;
            channel.Sensors = {{1, 2, 3, 4, 5, 6, m}, {8, 9, 10, 11, 12, 13, 4294967295u}};
        }
    }
    for (HighSpeedAISetting& record : model.HighSpeedAISettings) {
        record.SamplingRate = 2500;
        for (size_t k = 0; k < record.Channels.size(); ++k) {
            const quint32 m = mark(record.SlotIndex, k);
            changeInputRange(record.Channels[k].Setting, m);
            record.Channels[k].Setting.ForeInterval = 10 + m;
            record.Channels[k].Setting.BackInterval = 20 + m;
        }
    }
}

void changeOutputsAndTemperatures(CDataCenter& model)
{
    for (AOSetting& record : model.AOSettings) {
        for (size_t k = 0; k < record.Channels.size(); ++k) {
            AOSettingBlock& block = record.Channels[k].Setting;
            const quint32 m = mark(record.SlotIndex, k);
            block.Enable = 0;
            block.Mode = 2;
            block.WaveformType = 3;
            block.Frequency = 2.5f;
            block.Amplitude = 1.25f + static_cast<float>(m);
            block.Offset = -0.5f;
            block.InitialValue = 7.125f;
            block.OutputRange = static_cast<qint32>(m % 3);
        }
    }
    for (auto* records : {&model.TCSettings, &model.RTDSettings}) {
        for (TemperatureSetting& record : *records) {
            for (size_t k = 0; k < record.Channels.size(); ++k) {
                TemperatureSettingBlock& block = record.Channels[k].Setting;
                const quint32 m = mark(record.SlotIndex, k);
                block.SensorType = static_cast<qint32>(3 + m % 4);
                block.InputRangeMin = -270 + static_cast<qint32>(m);
                block.InputRangeMax = 1372;
                block.Offset = 1.25f;
                block.Unit = 1;
            }
        }
    }
}

void changePorts(CDataCenter& model)
{
    for (LanModuleSlotRecord& lan : model.NetworkSettings) {
        lan.DefaultGatewayInterface = 1;
        lan.EthernetMode = 2;
        lan.DNS_0 = QStringLiteral("127.0.0.53");
        lan.DNS_1 = QString();
        for (size_t k = 0; k < lan.Interfaces.size(); ++k) {
            LanPortSettingBlock& port = lan.Interfaces[k].Setting;
            port.IPConfiguration = 1;
            port.IpAddress = QStringLiteral("127.0.%1.%2").arg(lan.SlotIndex).arg(k + 10);
            port.Netmask = QStringLiteral("255.0.0.0");
            port.Gateway = QStringLiteral("127.0.0.1");
        }
    }
    for (PortModuleSlotRecord& serial : model.SerialSettings) {
        for (SerialPort& port : serial.Ports)
            port.Setting = {1, 9, 2, 2, 1, 1, 0, 0, 0};
    }
    for (CanModuleSlotRecord& can : model.CanSettings) {
        for (size_t k = 0; k < can.Ports.size(); ++k)
            can.Ports[k].Setting = {250000, 0xDEADBEEFu - static_cast<quint32>(k), 0x7FFu, 2};
    }
    for (CellularRecord& record : model.CellularSettings) {
        CellularConfig& cellular = record.Config;
        cellular.UserName = QStringLiteral("operator");
        cellular.Password = QStringLiteral("sécret <&>");
        cellular.SimPin = QStringLiteral("1234");
        cellular.APN = QStringLiteral("internet.example");
        cellular.Band = 8;
        cellular.Enable = 1;
        cellular.AutoCheck.AutoCheckEnable = 1;
        cellular.AutoCheck.AutoCheckHostname = QStringLiteral("localhost");
        cellular.AutoCheck.AutoCheckInterval = 600;
    }
    for (SlotPortRecord& record : model.PortTrunkSettings)
        record.Values = {1, -2, 3};
    for (SlotPortRecord& record : model.SwitchSettings)
        record.Values = {4, 5, 65535};
}

void changeControllerSettings(CDataCenter& model)
{
    model.Time.TimeZone = 62;
    model.Time.SyncInterval = 20000;
    model.Time.TimeServers = {QStringLiteral("127.0.0.1"), QStringLiteral("localhost")};
    model.FtpServer.Enable = model.CPU35Mode; // the switch is stored by the larger CPU only
    model.FtpServer.Accounts = {{QString(), QStringLiteral("admin"), QStringLiteral("pa55word"), {}},
                                {QString(), QStringLiteral("guest"), QString(), {}}};
    model.ToggleSwitchEnable = 1;
    model.RotarySwitchEnable = 1;
    for (size_t i = 0; i < model.LogEnable.Entries.size(); ++i) {
        LogEnableEntry& entry = model.LogEnable.Entries[i];
        entry.debugFlag = static_cast<int>(i % 2);
        entry.level = 3;
    }
    model.LogEnable.Entries[LogEnableTable::kSystemLog].storage = 0;
}

// The file does not keep a tag's second text.
std::vector<TagRecord> storedTags(const CDataCenter& model)
{
    std::vector<TagRecord> tags = model.Tags;
    for (TagRecord& tag : tags)
        tag.SecondText.clear();
    return tags;
}

void expectSameSlots(const CDataCenter& expected, const CDataCenter& actual)
{
    ASSERT_EQ(expected.Slots.size(), actual.Slots.size());
    for (size_t slot = 0; slot < expected.Slots.size(); ++slot) {
        EXPECT_EQ(expected.Slots[slot].Name, actual.Slots[slot].Name) << "slot " << slot;
        EXPECT_EQ(expected.Slots[slot].APID, actual.Slots[slot].APID) << "slot " << slot;
        EXPECT_TRUE(expected.Slots[slot].ChannelGroups == actual.Slots[slot].ChannelGroups) << "slot " << slot;
    }
}

void expectSameServiceRecords(const CDataCenter& expected, const CDataCenter& actual)
{
    // A service's value is what its element's "Result" says, and the writers store there whether
    // the service holds items: an empty service of a new project (value 1) comes back as 0.
    auto sameServices = [](const std::vector<ServiceRecord>& e, const std::vector<ServiceRecord>& a, bool values) {
        return std::equal(
            e.begin(), e.end(), a.begin(), a.end(), [values](const ServiceRecord& x, const ServiceRecord& y) {
                return x.ServiceText1 == y.ServiceText1 && x.ServiceText2 == y.ServiceText2 &&
                       x.ServiceId == y.ServiceId && (!values || x.Value == y.Value) && x.Present == y.Present &&
                       x.ServiceInt1 == y.ServiceInt1 && x.ServiceInt2 == y.ServiceInt2;
            });
    };
    EXPECT_TRUE(sameServices(expected.Services, actual.Services, false)) << "service table";
    EXPECT_TRUE(sameServices(expected.FunctionRecords, actual.FunctionRecords, true)) << "function records";
    EXPECT_TRUE(expected.ResourceNames == actual.ResourceNames) << "resource names";
    EXPECT_TRUE(expected.Tavo == actual.Tavo) << "TAVO";
    EXPECT_TRUE(expected.SnmpAgent == actual.SnmpAgent) << "SNMP agent";
    EXPECT_TRUE(expected.Dnp3Outstation == actual.Dnp3Outstation) << "DNP3 outstation";
    EXPECT_TRUE(expected.Dnp3Groups == actual.Dnp3Groups) << "DNP3 points";
    EXPECT_TRUE(expected.AlarmMail == actual.AlarmMail) << "e-mail alarms";
    EXPECT_TRUE(expected.AlarmSms == actual.AlarmSms) << "SMS alarms";
    EXPECT_TRUE(expected.AlarmSnmpTrap == actual.AlarmSnmpTrap) << "SNMP traps";
    EXPECT_TRUE(expected.DataLogging == actual.DataLogging) << "data logging";
    EXPECT_TRUE(expected.ModbusSlave == actual.ModbusSlave) << "Modbus slave";
    EXPECT_TRUE(expected.ModbusMasterDevices == actual.ModbusMasterDevices) << "Modbus master";
    EXPECT_EQ(expected.RESTfulEnable, actual.RESTfulEnable);
}

void expectSameTags(const CDataCenter& expected, const CDataCenter& actual)
{
    const std::vector<TagRecord> e = storedTags(expected);
    const std::vector<TagRecord> a = storedTags(actual);
    ASSERT_EQ(e.size(), a.size()) << "tag count";
    for (size_t i = 0; i < e.size(); ++i)
        EXPECT_TRUE(e[i] == a[i]) << "tag " << i << " " << e[i].TagName.toStdString() << " / "
                                  << a[i].TagName.toStdString();
}

} // namespace

void ChangeEveryValue(CDataCenter& model)
{
    changeDigitalInputs(model);
    changeDigitalOutputs(model);
    changeAnalogInputs(model);
    changeOutputsAndTemperatures(model);
    changePorts(model);
    changeControllerSettings(model);
}

void ExpectSameProject(const CDataCenter& expected, const CDataCenter& actual)
{
    EXPECT_EQ(expected.ProjectName, actual.ProjectName);
    EXPECT_EQ(expected.ModType, actual.ModType);
    EXPECT_EQ(expected.MaxSlotCount, actual.MaxSlotCount);
    EXPECT_EQ(expected.SlotMask, actual.SlotMask);
    EXPECT_EQ(expected.IsIEC, actual.IsIEC);
    EXPECT_EQ(expected.HSPAFlag, actual.HSPAFlag);
    EXPECT_EQ(expected.Series4100Flag, actual.Series4100Flag);
    EXPECT_EQ(expected.CPU35Mode, actual.CPU35Mode);
    EXPECT_EQ(expected.Dnp3Supported, actual.Dnp3Supported);
    EXPECT_EQ(expected.RESTfulSupported, actual.RESTfulSupported);
    EXPECT_EQ(expected.PortTrunkMode, actual.PortTrunkMode);
    EXPECT_TRUE(expected.ModuleInfo == actual.ModuleInfo);
    expectSameSlots(expected, actual);
    ExpectSameDeviceSettings(expected, actual);
    expectSameServiceRecords(expected, actual);
    expectSameTags(expected, actual);
}

} // namespace ChangedProject
