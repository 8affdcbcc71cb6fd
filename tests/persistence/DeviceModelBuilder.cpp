#include "DeviceModelBuilder.h"

#include "SlotKeyedLookup.h"
#include "TypeIds.h"

#include <gtest/gtest.h>

#include <bit>

namespace {

constexpr int kChannels = 2;
constexpr int kTagsPerChannel = 2;
constexpr int kHartTagsPerSensor = 2;
constexpr int kHartSensorVariables = 5;

void place(CDataCenter& model, int slot, const QString& module, std::initializer_list<ChannelGroupEntry> groups)
{
    model.SetSlotName(slot, module);
    model.SetSlotApid(slot, QStringLiteral("0x%1").arg(slot + 0x100, 0, 16));
    for (const ChannelGroupEntry& group : groups)
        model.AppendSlotChannelGroup(slot, group.Abbreviation, group.ChannelTypeId);
}

template <typename Channel>
std::vector<Channel> withTags(std::vector<Channel> channels, int slot, const QString& prefix)
{
    for (size_t k = 0; k < channels.size(); ++k)
        channels[k].TagDefinitions = MakeTagDefinitions(slot, prefix + QString::number(k) + u'_', kTagsPerChannel);
    return channels;
}

void addFunction(CDataCenter& model, int serviceId)
{
    ServiceRecord record;
    record.ServiceId = serviceId;
    record.Value = 1;
    model.AddFunctionRecord(record);
}

void placeCpu(CDataCenter& model)
{
    using namespace ChannelType;
    place(model, TestSlot::Cpu, QStringLiteral("CPU-4100"),
          {{QStringLiteral("IR"), 1510},
           {QStringLiteral("IR"), 1512},
           {QStringLiteral("IR"), 1515},
           {QStringLiteral("IR"), 1516},
           {QStringLiteral("IR"), 1511},
           {QStringLiteral("SV"), SystemVariables},
           {QStringLiteral("LAN"), Lan},
           {QStringLiteral("COM"), Serial}});
    model.AddNetworkRecord(TestSlot::Cpu, kChannels, 0, QStringLiteral("LAN"), MakeLANPorts(kChannels));
    model.AddSerialRecord(TestSlot::Cpu, kChannels, 0, QStringLiteral("COM"), MakeSerialPorts(kChannels));
    model.SetSystemVariables(QStringLiteral("System_Variable"), 5, 1, MakeTagDefinitions(0, QStringLiteral("SV"), 5),
                             0);
    for (int id : {ServiceId::FtpServer, ServiceId::TimeSync, ServiceId::ToggleSwitch, ServiceId::SystemLogs,
                   ServiceId::RotarySwitch})
        addFunction(model, id);
}

void placeDigital(CDataCenter& model)
{
    place(model, TestSlot::DI, QStringLiteral("DI-16"), {{QStringLiteral("DI"), ChannelType::DigitalInput}});
    model.AddDIRecord(TestSlot::DI, kChannels, kTagsPerChannel, QStringLiteral("DI"),
                      withTags(MakeDIChannels(kChannels), TestSlot::DI, QStringLiteral("DI")));
    place(model, TestSlot::HighVoltageDI, QStringLiteral("DI-HV"), {{QStringLiteral("HV"), ChannelType::DigitalInput}});
    model.AddDIRecord(TestSlot::HighVoltageDI, kChannels, kTagsPerChannel, QStringLiteral("DI"),
                      withTags(MakeDIChannels(kChannels), TestSlot::HighVoltageDI, QStringLiteral("HV")));
    ModuleSlotRecord& highVoltage = *FindRecordBySlot(model.DISettings, TestSlot::HighVoltageDI);
    highVoltage.HighVoltage = 1;
    highVoltage.ExternalPowerTags = MakeTagDefinitions(TestSlot::HighVoltageDI, QStringLiteral("EXT"), 2);
    place(model, TestSlot::DO, QStringLiteral("DO-16"), {{QStringLiteral("DO"), ChannelType::DigitalOutput}});
    model.AddDORecord(TestSlot::DO, kChannels, kTagsPerChannel, QStringLiteral("DO"),
                      withTags(MakeDOChannels(kChannels), TestSlot::DO, QStringLiteral("DO")));
    place(model, TestSlot::Relay, QStringLiteral("RLY-8"), {{QStringLiteral("RL"), ChannelType::Relay}});
    model.AddRelayRecord(TestSlot::Relay, kChannels, kTagsPerChannel, QStringLiteral("Relay"),
                         withTags(MakeDOChannels(kChannels), TestSlot::Relay, QStringLiteral("RL")));
    place(model, TestSlot::DIO, QStringLiteral("DIO-8"), {{QStringLiteral("DIO"), ChannelType::DigitalInputOutput}});
    model.AddDIORecord(TestSlot::DIO, kChannels, kTagsPerChannel, QStringLiteral("DIO"),
                       withTags(MakeDIOChannels(kChannels), TestSlot::DIO, QStringLiteral("DIO")));
}

void placeAnalog(CDataCenter& model)
{
    place(model, TestSlot::AI, QStringLiteral("AI-8"), {{QStringLiteral("AI"), ChannelType::AnalogInput}});
    model.AddAIRecord(TestSlot::AI, kChannels, kTagsPerChannel, QStringLiteral("AI"),
                      withTags(MakeAIChannels(kChannels), TestSlot::AI, QStringLiteral("AI")));
    place(model, TestSlot::HART, QStringLiteral("HART-4"), {{QStringLiteral("HT"), ChannelType::HartAnalogInput}});
    auto hartChannels = withTags(MakeHARTAIChannels(kChannels), TestSlot::HART, QStringLiteral("HT"));
    for (HARTAIChannel& channel : hartChannels) {
        for (int variable = 0; variable < kHartSensorVariables; ++variable) {
            for (TagDefinition tag :
                 MakeTagDefinitions(TestSlot::HART, QStringLiteral("PV%1_").arg(variable), kHartTagsPerSensor))
                channel.SensorTagDefinitions.push_back(tag);
        }
    }
    model.AddHARTAIRecord(TestSlot::HART, kChannels, kTagsPerChannel, QStringLiteral("HART"), hartChannels);
    FindRecordBySlot(model.HARTAISettings, TestSlot::HART)->SensorTagCount = kHartTagsPerSensor;
    place(model, TestSlot::HighSpeedAI, QStringLiteral("HSAI-4"),
          {{QStringLiteral("HS"), ChannelType::HighSpeedAnalogInput}});
    model.AddHighSpeedAIRecord(
        TestSlot::HighSpeedAI, kChannels, kTagsPerChannel, QStringLiteral("HSAI"),
        withTags(MakeHighSpeedAIChannels(kChannels), TestSlot::HighSpeedAI, QStringLiteral("HS")));
    place(model, TestSlot::AO, QStringLiteral("AO-4"), {{QStringLiteral("AO"), ChannelType::AnalogOutput}});
    model.AddAORecord(TestSlot::AO, kChannels, kTagsPerChannel, QStringLiteral("AO"),
                      withTags(MakeAOChannels(kChannels), TestSlot::AO, QStringLiteral("AO")));
    place(model, TestSlot::TC, QStringLiteral("TC-8"), {{QStringLiteral("TC"), ChannelType::Thermocouple}});
    model.AddTCRecord(TestSlot::TC, kChannels, kTagsPerChannel, QStringLiteral("TC"),
                      withTags(MakeTemperatureChannels(kChannels), TestSlot::TC, QStringLiteral("TC")));
    place(model, TestSlot::RTD, QStringLiteral("RTD-8"), {{QStringLiteral("RTD"), ChannelType::Rtd}});
    model.AddRTDRecord(TestSlot::RTD, kChannels, kTagsPerChannel, QStringLiteral("RTD"),
                       withTags(MakeTemperatureChannels(kChannels), TestSlot::RTD, QStringLiteral("RTD")));
}

void placeCommunication(CDataCenter& model)
{
    place(model, TestSlot::CanAndCellular, QStringLiteral("CAN-CELL"),
          {{QStringLiteral("CAN"), ChannelType::CanPort}, {QStringLiteral("CELL"), ChannelType::ConnectionStatus}});
    model.AddCanRecord(TestSlot::CanAndCellular, kChannels, 0, QStringLiteral("CAN"), MakeCANPorts(kChannels));
    model.AddCellularRecord(TestSlot::CanAndCellular, 1, 2, QStringLiteral("Cellular"),
                            MakeTagDefinitions(TestSlot::CanAndCellular, QStringLiteral("CELL"), 2), CellularConfig{});
    place(model, TestSlot::SerialAndPortTrunk, QStringLiteral("41M-3302U-T"),
          {{QStringLiteral("S"), ChannelType::Serial}, {QStringLiteral("PT"), ChannelType::PortTrunk}});
    model.AddSerialRecord(TestSlot::SerialAndPortTrunk, kChannels, 0, QStringLiteral("Serial"),
                          MakeSerialPorts(kChannels));
    model.AddPortTrunkRecord(TestSlot::SerialAndPortTrunk);
    place(model, TestSlot::Switch, QStringLiteral("41M-3320M-T"), {{QStringLiteral("SW"), ChannelType::Switch}});
    model.AddSwitchRecord(TestSlot::Switch);
    place(model, TestSlot::Power, QStringLiteral("ulTEK 4100-PK1-15W-T"),
          {{QStringLiteral("PWR"), ChannelType::ResourceGroup}});
    model.AddResourceGroupRecord(QStringLiteral("Power"), 2, 1,
                                 MakeTagDefinitions(TestSlot::Power, QStringLiteral("P"), 2), 1, TestSlot::Power);
    model.AddResourceGroupRecord(QStringLiteral("Power2"), 3, 1,
                                 MakeTagDefinitions(TestSlot::Power, QStringLiteral("Q"), 3), 1, TestSlot::Power);
}

// ---- changes ----

void changeDigital(CDataCenter& model)
{
    auto& di = FindRecordBySlot(model.DISettings, TestSlot::DI)->Channels;
    di[0].Setting.Filter = 250;
    di[0].Setting.Trigger = -1;
    di[0].Setting.DI_Mode = 2;
    di[0].Setting.InitVal_CntVal = 4000000000u;
    di[0].Setting.Measurement_Time = 1000000;
    di[1].Setting.Filter = 0;
    di[1].Setting.Trigger = 2;
    di[1].Setting.DI_Mode = 1;
    di[1].Setting.InitVal_CntVal = 7;
    di[1].Setting.Measurement_Time = 1;
    auto& hv = FindRecordBySlot(model.DISettings, TestSlot::HighVoltageDI)->Channels;
    hv[0].Setting.FirstOnEnable = 1;
    hv[0].Setting.FirstOnTime = 1.5f;
    hv[1].Setting.FirstOnTime = 0.25f;
    for (std::vector<DOChannel>* outputs : {&FindRecordBySlot(model.DOSettings, TestSlot::DO)->Channels,
                                            &FindRecordBySlot(model.RelaySettings, TestSlot::Relay)->Channels}) {
        for (size_t k = 0; k < outputs->size(); ++k) {
            OutputSettingBlock& block = (*outputs)[k].Setting;
            block.Mode = 2 + static_cast<int>(k);
            block.Status = 5; // no bounds for DO and relay
            block.OutputPulse = 65536 + static_cast<quint32>(k);
            block.Frequency = 12.5 + static_cast<double>(k);
            block.DutyCycle = 37.5;
        }
    }
    auto& dio = FindRecordBySlot(model.DIOSettings, TestSlot::DIO)->Channels;
    for (size_t k = 0; k < dio.size(); ++k) {
        dio[k].IODirection = static_cast<int>(k);
        DIOSettingBlock& block = dio[k].Setting;
        block.DI.DI_Mode = 3;
        block.DI.Filter = 17;
        block.DI.Trigger = k == 0 ? -1 : 1;
        block.DI.Measurement_Time = 500;
        block.DI.InitVal_CntVal = 99;
        block.DO.Mode = 4;
        block.DO.Status = 1;
        block.DO.Frequency = 0.75;
        block.DO.DutyCycle = 12.5;
        block.DO.OutputPulse = 3;
    }
}

void changeInputRange(AISettingBlock& block, size_t channel)
{
    // A burn-out value is stored only with range code 4; any other range writes "NA" (read as 0).
    block.InputRange = channel == 0 ? 4 : 2;
    block.InputRangeMin = -10 - static_cast<int>(channel);
    block.InputRangeMax = 20 + static_cast<int>(channel);
    block.BurnOutValue = channel == 0 ? 3.5f : 0.0f;
}

void changeAnalog(CDataCenter& model)
{
    auto& ai = FindRecordBySlot(model.AISettings, TestSlot::AI)->Channels;
    for (size_t k = 0; k < ai.size(); ++k)
        changeInputRange(ai[k].Setting, k);
    auto& hart = FindRecordBySlot(model.HARTAISettings, TestSlot::HART)->Channels;
    for (size_t k = 0; k < hart.size(); ++k) {
        changeInputRange(hart[k].Setting, k);
        hart[k].Setting.HartOpMode = 1;
        hart[k].Setting.NumRetry = 5 + static_cast<quint32>(k);
    }
    hart[0].Sensors = {{1, 2, 3, 4, 5, 6, 7}, {8, 9, 10, 11, 12, 13, 4294967295u}};
    HighSpeedAISetting& highSpeed = *FindRecordBySlot(model.HighSpeedAISettings, TestSlot::HighSpeedAI);
    highSpeed.SamplingRate = 2500;
    for (size_t k = 0; k < highSpeed.Channels.size(); ++k) {
        changeInputRange(highSpeed.Channels[k].Setting, k);
        highSpeed.Channels[k].Setting.ForeInterval = 10 + static_cast<quint32>(k);
        highSpeed.Channels[k].Setting.BackInterval = 20 + static_cast<quint32>(k);
    }
    auto& ao = FindRecordBySlot(model.AOSettings, TestSlot::AO)->Channels;
    for (size_t k = 0; k < ao.size(); ++k) {
        AOSettingBlock& block = ao[k].Setting;
        block.Enable = 0;
        block.Mode = 2;
        block.WaveformType = 3;
        block.Frequency = 2.5f;
        block.Amplitude = 1.25f + static_cast<float>(k);
        block.Offset = -0.5f;
        block.InitialValue = 7.125f;
        block.OutputRange = static_cast<qint32>(k);
    }
    for (std::vector<TemperatureChannel>* channels : {&FindRecordBySlot(model.TCSettings, TestSlot::TC)->Channels,
                                                      &FindRecordBySlot(model.RTDSettings, TestSlot::RTD)->Channels}) {
        for (size_t k = 0; k < channels->size(); ++k) {
            TemperatureSettingBlock& block = (*channels)[k].Setting;
            block.SensorType = 3 + static_cast<int>(k);
            block.InputRangeMin = -270;
            block.InputRangeMax = 1372;
            block.Offset = 1.25f;
            block.Unit = 1;
        }
    }
}

void changePorts(CDataCenter& model)
{
    LanModuleSlotRecord& lan = *FindRecordBySlot(model.NetworkSettings, TestSlot::Cpu);
    lan.DefaultGatewayInterface = 1;
    lan.EthernetMode = 2;
    lan.DNS_0 = QStringLiteral("127.0.0.53");
    lan.DNS_1 = QString();
    for (size_t k = 0; k < lan.Interfaces.size(); ++k) {
        LanPortSettingBlock& port = lan.Interfaces[k].Setting;
        port.IPConfiguration = 1;
        port.IpAddress = QStringLiteral("127.0.0.%1").arg(k + 10);
        port.Netmask = QStringLiteral("255.0.0.0");
        port.Gateway = QStringLiteral("127.0.0.1");
    }
    for (int slot : {TestSlot::Cpu, TestSlot::SerialAndPortTrunk}) {
        for (SerialPort& port : FindRecordBySlot(model.SerialSettings, slot)->Ports)
            port.Setting = {1, 9, 2, 2, 1, 1, 1, 105, 0};
    }
    auto& can = FindRecordBySlot(model.CanSettings, TestSlot::CanAndCellular)->Ports;
    can[0].Setting = {250000, 0xFFu, 0x7FFu, 2};
    can[1].Setting = {1000000, 0xDEADBEEFu, 0u, 0};
    CellularConfig& cellular = FindRecordBySlot(model.CellularSettings, TestSlot::CanAndCellular)->Config;
    cellular.UserName = QStringLiteral("operator");
    cellular.Password = QStringLiteral("sécret");
    cellular.SimPin = QStringLiteral("1234");
    cellular.APN = QStringLiteral("internet.example");
    cellular.Band = 8;
    cellular.Enable = 1;
    cellular.AutoCheck.AutoCheckEnable = 1;
    cellular.AutoCheck.AutoCheckHostname = QStringLiteral("localhost");
    cellular.AutoCheck.AutoCheckInterval = 600;
    FindRecordBySlot(model.PortTrunkSettings, TestSlot::SerialAndPortTrunk)->Values = {1, -2, 3};
    FindRecordBySlot(model.SwitchSettings, TestSlot::Switch)->Values = {4, 5, 65535};
}

InternalVariableRecord makeRegister(int code, int index, quint32 value)
{
    InternalVariableRecord reg;
    reg.Definition.Name = QStringLiteral("IR_%1_%2").arg(code).arg(index);
    reg.Definition.ResourceText = QStringLiteral("0.%1.%2").arg(index).arg(RegisterType::Base + code);
    reg.Definition.ResType = RegisterType::Base + code;
    reg.Definition.TagType = code;
    reg.Definition.DNP3TagType = 2;
    reg.TagType = code;
    reg.DataType = MapDataTypeCode(code);
    reg.Direction = index % 2;
    reg.Definition.IsInput = reg.Direction;
    reg.Retain = 1 - index % 2;
    reg.ChannelIndex = index;
    reg.Value = value;
    if (reg.DataType == 7) {
        reg.Definition.FloatMin = -2.5f;
        reg.Definition.FloatMax = 100.0f;
    } else {
        reg.Definition.Min = -5000000000LL;
        reg.Definition.Max = 5000000000LL;
    }
    return reg;
}

void changeInternalRegisters(CDataCenter& model)
{
    auto& registers = model.InternalRegisters;
    *registers.ListForCode(10) = {makeRegister(10, 0, 1), makeRegister(10, 1, 0), makeRegister(10, 2, 1)};
    *registers.ListForCode(12) = {makeRegister(12, 0, std::bit_cast<quint32>(0.5f)),
                                  makeRegister(12, 1, std::bit_cast<quint32>(-1250.75f))};
    InternalVariableRecord text = makeRegister(15, 0, 0);
    text.TextValue = QStringLiteral("hello <world> & \"friends\"");
    *registers.ListForCode(15) = {text};
    *registers.ListForCode(16) = {makeRegister(16, 0, 255)};
    *registers.ListForCode(11) = {makeRegister(11, 0, 0xFF)}; // Char -1
}

void changeSystemSettings(CDataCenter& model)
{
    model.Time.TimeZone = 62;
    model.Time.SyncInterval = 20000;
    model.Time.TimeServers = {QStringLiteral("127.0.0.1"), QStringLiteral("localhost")};
    model.FtpServer.Enable = 1;
    model.FtpServer.Accounts = {{QString(), QStringLiteral("admin"), QStringLiteral("pa55word"), {}},
                                {QString(), QStringLiteral("guest"), QString(), {}}};
    model.ToggleSwitchEnable = 1;
    model.RotarySwitchEnable = 1;
    for (size_t i = 0; i < model.LogEnable.Entries.size(); ++i) {
        LogEnableEntry& entry = model.LogEnable.Entries[i];
        entry.serviceID = static_cast<int>(i) + 40;
        entry.debugFlag = static_cast<int>(i % 2);
        entry.level = 3;
    }
    model.LogEnable.Entries[LogEnableTable::kSystemLog].storage = 0;
}

template <typename Record, typename Compare>
void expectSameRecords(const std::vector<Record>& expected, const std::vector<Record>& actual, const char* kind,
                       Compare compare)
{
    ASSERT_EQ(expected.size(), actual.size()) << kind;
    for (size_t i = 0; i < expected.size(); ++i)
        compare(expected[i], actual[i]);
}

template <typename Record>
void expectSameChannelSettings(const std::vector<Record>& expected, const std::vector<Record>& actual, const char* kind)
{
    expectSameRecords(expected, actual, kind, [kind](const Record& e, const Record& a) {
        ASSERT_EQ(e.Channels.size(), a.Channels.size()) << kind;
        for (size_t k = 0; k < e.Channels.size(); ++k)
            EXPECT_EQ(e.Channels[k].Setting, a.Channels[k].Setting)
                << kind << " slot " << e.SlotIndex << " channel " << k;
    });
}

void expectSameRegisters(const InternalRegisterTable& expected, const InternalRegisterTable& actual)
{
    for (int code = DataTypeCode::First; code <= DataTypeCode::Last; ++code) {
        const auto& e = *expected.ListForCode(code);
        const auto& a = *actual.ListForCode(code);
        ASSERT_EQ(e.size(), a.size()) << "register code " << code;
        for (size_t i = 0; i < e.size(); ++i) {
            EXPECT_EQ(e[i].Definition, a[i].Definition) << "code " << code << " register " << i;
            EXPECT_EQ(e[i].Direction, a[i].Direction) << "code " << code << " register " << i;
            EXPECT_EQ(e[i].TagType, a[i].TagType) << "code " << code << " register " << i;
            EXPECT_EQ(e[i].DataType, a[i].DataType) << "code " << code << " register " << i;
            EXPECT_EQ(e[i].Retain, a[i].Retain) << "code " << code << " register " << i;
            EXPECT_EQ(e[i].Value, a[i].Value) << "code " << code << " register " << i;
            EXPECT_EQ(e[i].TextValue, a[i].TextValue) << "code " << code << " register " << i;
            EXPECT_EQ(e[i].ChannelIndex, a[i].ChannelIndex) << "code " << code << " register " << i;
        }
    }
}

} // namespace

std::vector<TagDefinition> MakeTagDefinitions(int slot, const QString& prefix, int count)
{
    std::vector<TagDefinition> definitions(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        TagDefinition& definition = definitions[static_cast<size_t>(i)];
        definition.Name = prefix + QString::number(i);
        definition.ResourceText = QStringLiteral("0.%1.%2%3").arg(slot).arg(prefix).arg(i);
        definition.ResType = i;
    }
    return definitions;
}

void BuildLayout(CDataCenter& model)
{
    model.SetSeries4100(1);
    model.SetCPU35Mode(1);
    model.SetMaxSlotCount(12);
    placeCpu(model);
    placeDigital(model);
    placeAnalog(model);
    placeCommunication(model);
}

void ChangeEverything(CDataCenter& model)
{
    changeDigital(model);
    changeAnalog(model);
    changePorts(model);
    changeInternalRegisters(model);
    changeSystemSettings(model);
}

void ExpectSameDeviceSettings(const CDataCenter& expected, const CDataCenter& actual)
{
    expectSameChannelSettings(expected.DISettings, actual.DISettings, "DI");
    expectSameRecords(expected.DISettings, actual.DISettings, "DI", [](const auto& e, const auto& a) {
        EXPECT_EQ(e.HighVoltage, a.HighVoltage) << "slot " << e.SlotIndex;
    });
    expectSameChannelSettings(expected.DOSettings, actual.DOSettings, "DO");
    expectSameChannelSettings(expected.RelaySettings, actual.RelaySettings, "Relay");
    expectSameChannelSettings(expected.DIOSettings, actual.DIOSettings, "DIO");
    expectSameRecords(expected.DIOSettings, actual.DIOSettings, "DIO", [](const auto& e, const auto& a) {
        for (size_t k = 0; k < e.Channels.size(); ++k)
            EXPECT_EQ(e.Channels[k].IODirection, a.Channels[k].IODirection) << "DIO channel " << k;
    });
    expectSameChannelSettings(expected.AISettings, actual.AISettings, "AI");
    expectSameChannelSettings(expected.HARTAISettings, actual.HARTAISettings, "HART");
    expectSameRecords(expected.HARTAISettings, actual.HARTAISettings, "HART", [](const auto& e, const auto& a) {
        for (size_t k = 0; k < e.Channels.size(); ++k)
            EXPECT_EQ(e.Channels[k].Sensors, a.Channels[k].Sensors) << "HART channel " << k;
    });
    expectSameChannelSettings(expected.HighSpeedAISettings, actual.HighSpeedAISettings, "HighSpeedAI");
    expectSameRecords(expected.HighSpeedAISettings, actual.HighSpeedAISettings, "HighSpeedAI",
                      [](const auto& e, const auto& a) { EXPECT_EQ(e.SamplingRate, a.SamplingRate); });
    expectSameChannelSettings(expected.AOSettings, actual.AOSettings, "AO");
    expectSameChannelSettings(expected.TCSettings, actual.TCSettings, "TC");
    expectSameChannelSettings(expected.RTDSettings, actual.RTDSettings, "RTD");
    expectSameRecords(expected.SerialSettings, actual.SerialSettings, "Serial", [](const auto& e, const auto& a) {
        ASSERT_EQ(e.Ports.size(), a.Ports.size());
        for (size_t k = 0; k < e.Ports.size(); ++k)
            EXPECT_EQ(e.Ports[k].Setting, a.Ports[k].Setting) << "serial slot " << e.SlotIndex << " port " << k;
    });
    expectSameRecords(expected.CanSettings, actual.CanSettings, "CAN", [](const auto& e, const auto& a) {
        ASSERT_EQ(e.Ports.size(), a.Ports.size());
        for (size_t k = 0; k < e.Ports.size(); ++k)
            EXPECT_EQ(e.Ports[k].Setting, a.Ports[k].Setting) << "CAN port " << k;
    });
    expectSameRecords(expected.NetworkSettings, actual.NetworkSettings, "LAN", [](const auto& e, const auto& a) {
        EXPECT_EQ(e.DefaultGatewayInterface, a.DefaultGatewayInterface);
        EXPECT_EQ(e.EthernetMode, a.EthernetMode);
        EXPECT_EQ(e.DNS_0, a.DNS_0);
        EXPECT_EQ(e.DNS_1, a.DNS_1);
        ASSERT_EQ(e.Interfaces.size(), a.Interfaces.size());
        for (size_t k = 0; k < e.Interfaces.size(); ++k)
            EXPECT_EQ(e.Interfaces[k].Setting, a.Interfaces[k].Setting) << "interface " << k;
    });
    expectSameRecords(expected.CellularSettings, actual.CellularSettings, "Cellular",
                      [](const auto& e, const auto& a) { EXPECT_EQ(e.Config, a.Config); });
    EXPECT_EQ(expected.PortTrunkSettings, actual.PortTrunkSettings);
    EXPECT_EQ(expected.SwitchSettings, actual.SwitchSettings);
    expectSameRegisters(expected.InternalRegisters, actual.InternalRegisters);
    EXPECT_EQ(expected.Time.TimeZone, actual.Time.TimeZone);
    EXPECT_EQ(expected.Time.SyncInterval, actual.Time.SyncInterval);
    EXPECT_EQ(expected.Time.TimeServers, actual.Time.TimeServers);
    EXPECT_EQ(expected.FtpServer.Enable, actual.FtpServer.Enable);
    EXPECT_EQ(expected.FtpServer.Accounts, actual.FtpServer.Accounts);
    EXPECT_EQ(expected.ToggleSwitchEnable, actual.ToggleSwitchEnable);
    EXPECT_EQ(expected.RotarySwitchEnable, actual.RotarySwitchEnable);
    EXPECT_EQ(expected.LogEnable.Entries, actual.LogEnable.Entries);
}
