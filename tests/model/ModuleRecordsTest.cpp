#include "CDataCenter.h"

#include <gtest/gtest.h>

namespace {

// A channel tag list whose limits show whether a setter moved them.
std::vector<TagDefinition> definitions(int count)
{
    std::vector<TagDefinition> list(static_cast<size_t>(count));
    for (TagDefinition& definition : list) {
        definition.FloatMin = -1.0f;
        definition.FloatMax = -1.0f;
    }
    return list;
}

template <typename Channel>
std::vector<Channel> channelsWithDefinitions(int channelCount, int definitionCount)
{
    std::vector<Channel> channels(static_cast<size_t>(channelCount));
    for (Channel& channel : channels)
        channel.TagDefinitions = definitions(definitionCount);
    return channels;
}

TEST(ChannelEntryTest, NewEntriesCarryTheModuleDefaults)
{
    const DISettingBlock di;
    EXPECT_EQ(di.Filter, 1000u);
    EXPECT_EQ(di.Measurement_Time, 1000u);
    EXPECT_EQ(di.FirstOnTime, 15.0f);
    EXPECT_EQ(di.Trigger, 0);

    const OutputSettingBlock output;
    EXPECT_EQ(output.Frequency, 1.0);
    EXPECT_EQ(output.DutyCycle, 50.0);
    EXPECT_EQ(output.Word12, 0.1f);
    EXPECT_EQ(output.Mode, 0);

    const DIOChannel dio;
    EXPECT_EQ(dio.IODirection, 0);
    EXPECT_EQ(dio.Setting.DI, di);
    EXPECT_EQ(dio.Setting.DO, output);

    const HARTAISettingBlock hart;
    EXPECT_EQ(hart.InputRange, -1);
    EXPECT_EQ(hart.BurnOutValue, 4.0f);
    EXPECT_EQ(hart.HartOpMode, 0u);
    EXPECT_EQ(hart.NumRetry, 2u);

    const HighSpeedAISettingBlock highSpeed;
    EXPECT_EQ(highSpeed.InputRange, -1);
    EXPECT_EQ(highSpeed.ForeInterval, 3u);
    EXPECT_EQ(highSpeed.BackInterval, 3u);

    const AOSettingBlock ao;
    EXPECT_EQ(ao.Enable, 1u);
    EXPECT_EQ(ao.Frequency, 1.0f);
    EXPECT_EQ(ao.OutputRange, -1);

    const TemperatureSettingBlock temperature;
    EXPECT_EQ(temperature.SensorType, -1);
    EXPECT_EQ(temperature.Offset, 0.0f);

    const SerialPortSettingBlock serial;
    EXPECT_EQ(serial.Baudrate, 6);
    EXPECT_EQ(serial.Databit, 3);

    const CanPortSettingBlock can;
    EXPECT_EQ(can.Baudrate, 125000u);
    EXPECT_EQ(can.BaudrateIndex, 4u);

    const LanPortSettingBlock lan;
    EXPECT_EQ(lan.IpAddress, "192.168.127.254");
    EXPECT_EQ(lan.Netmask, "255.255.255.0");
    EXPECT_TRUE(lan.Gateway.isEmpty());

    EXPECT_EQ(HighSpeedAISetting{}.SamplingRate, 5000u);
    EXPECT_EQ(LanModuleSlotRecord{}.Reserved, 1);
    EXPECT_EQ(CellularConfig{}.AutoCheck, CELLULAR_SETTINGS{});
}

TEST(ChannelEntryTest, MakersBuildCountDefaultEntries)
{
    EXPECT_EQ(MakeDIChannels(4).size(), 4u);
    EXPECT_TRUE(MakeAIChannels(0).empty());
    const auto ports = MakeLANPorts(2);
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[1].Setting.IpAddress, "192.168.127.254");
    EXPECT_EQ(MakeTemperatureChannels(3)[2].Setting.SensorType, -1);
}

TEST(ModuleRecordTest, AddedRecordKeepsItsHeadAndIsFoundBySlot)
{
    CDataCenter model;
    model.AddAIRecord(3, 4, 2, "AI", MakeAIChannels(4));
    AISetting record;
    ASSERT_EQ(model.GetAISetting(3, record), 1);
    EXPECT_EQ(record.SlotIndex, 3);
    EXPECT_EQ(record.ChannelCount, 4);
    EXPECT_EQ(record.ResSize, 2);
    EXPECT_EQ(record.ModuleName, "AI");
    EXPECT_EQ(record.Channels.size(), 4u);

    AISetting untouched;
    untouched.ModuleName = "mine";
    EXPECT_EQ(model.GetAISetting(4, untouched), 0);
    EXPECT_EQ(untouched.ModuleName, "mine");
}

TEST(ModuleRecordTest, TheFirstRecordOfASlotIsUsed)
{
    CDataCenter model;
    model.AddDORecord(2, 1, 1, "first", MakeDOChannels(1));
    model.AddDORecord(2, 1, 1, "second", MakeDOChannels(1));
    OutputSettingBlock block;
    block.Mode = 2;
    model.SetDOChannelSetting(2, 0, block);
    EXPECT_EQ(model.DOSettings[0].Channels[0].Setting.Mode, 2);
    EXPECT_EQ(model.DOSettings[1].Channels[0].Setting.Mode, 0);
    OutputModuleSlotRecord record;
    model.GetDOSetting(2, record);
    EXPECT_EQ(record.ModuleName, "first");
}

TEST(ModuleRecordTest, ChannelSettersIgnoreUnknownSlotsAndIndexesPastTheList)
{
    CDataCenter model;
    model.AddDIRecord(1, 2, 1, "DI", MakeDIChannels(2));
    model.AddDIORecord(1, 2, 1, "DIO", MakeDIOChannels(2));
    model.AddDORecord(1, 2, 1, "DO", MakeDOChannels(2));
    model.AddRelayRecord(1, 2, 1, "RL", MakeDOChannels(2));
    model.AddHARTAIRecord(1, 2, 1, "H", MakeHARTAIChannels(2));
    model.AddAIRecord(1, 2, 1, "AI", MakeAIChannels(2));
    model.AddHighSpeedAIRecord(1, 2, 1, "HS", MakeHighSpeedAIChannels(2));
    model.AddAORecord(1, 2, 1, "AO", MakeAOChannels(2));
    model.AddTCRecord(1, 2, 1, "TC", MakeTemperatureChannels(2));
    model.AddRTDRecord(1, 2, 1, "RTD", MakeTemperatureChannels(2));
    model.AddSerialRecord(1, 2, 0, "S", MakeSerialPorts(2));
    model.AddCanRecord(1, 2, 0, "C", MakeCANPorts(2));
    model.AddNetworkRecord(1, 2, 0, "LAN", MakeLANPorts(2));

    DISettingBlock di;
    di.Filter = 7;
    DIOSettingBlock dio;
    dio.Word14 = 7;
    OutputSettingBlock output;
    output.Status = 7;
    HARTAISettingBlock hart;
    hart.InputRange = 7;
    AISettingBlock ai;
    ai.InputRange = 7;
    HighSpeedAISettingBlock highSpeed;
    highSpeed.InputRange = 7;
    AOSettingBlock ao;
    ao.OutputRange = 7;
    TemperatureSettingBlock temperature;
    temperature.SensorType = 7;
    SerialPortSettingBlock serial;
    serial.Mode = 7;
    CanPortSettingBlock can;
    can.AccCode = 7;
    LanModuleSlotRecord lan;
    lan.Interfaces = MakeLANPorts(40);
    lan.EthernetMode = 1;

    const struct {
        int slot;
        int index;
    } cases[] = {{9, 0}, {1, 2}, {1, -1}, {1, 1000}, {-1, 0}};
    for (const auto& c : cases) {
        model.SetDISetting(c.slot, c.index, di);
        model.SetDIOSetting(c.slot, c.index, 1, dio);
        model.SetDOChannelSetting(c.slot, c.index, output);
        model.SetRelayChannelSetting(c.slot, c.index, output);
        model.SetHARTChannelSetting(c.slot, c.index, hart);
        model.SetHARTAIChannelData(c.slot, c.index, {HARTSensorEntry{}});
        model.SetAIChannelSetting(c.slot, c.index, ai);
        model.SetHighSpeedAIChannelSetting(c.slot, c.index, 9, highSpeed);
        model.SetAOChannelSetting(c.slot, c.index, ao);
        model.SetTCChannelSetting(c.slot, c.index, temperature);
        model.SetRTDChannelSetting(c.slot, c.index, temperature);
        EXPECT_EQ(model.SetSerialPortServiceUse(c.slot, c.index, 1, 3), 0) << c.slot << " " << c.index;
        model.SetSerialSetting(c.slot, c.index, serial);
        model.SetCanPortSetting(c.slot, c.index, can);
        model.SetNetworkSetting(c.slot, c.index, lan);
    }
    model.SetHighSpeedAIAllChannels(9, 8, 8);
    model.SetDIModuleText(9, "us");
    model.SetDIChannelData(9, {1, 2, 3});
    model.SetCellularConfig(9, {});

    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<size_t>(i);
        EXPECT_EQ(model.DISettings[0].Channels[at].Setting, DISettingBlock{}) << i;
        EXPECT_EQ(model.DIOSettings[0].Channels[at].Setting, DIOSettingBlock{}) << i;
        EXPECT_EQ(model.DIOSettings[0].Channels[at].IODirection, 0) << i;
        EXPECT_EQ(model.DOSettings[0].Channels[at].Setting, OutputSettingBlock{}) << i;
        EXPECT_EQ(model.RelaySettings[0].Channels[at].Setting, OutputSettingBlock{}) << i;
        EXPECT_EQ(model.HARTAISettings[0].Channels[at].Setting, HARTAISettingBlock{}) << i;
        EXPECT_TRUE(model.HARTAISettings[0].Channels[at].Sensors.empty()) << i;
        EXPECT_EQ(model.AISettings[0].Channels[at].Setting, AISettingBlock{}) << i;
        EXPECT_EQ(model.HighSpeedAISettings[0].Channels[at].Setting, HighSpeedAISettingBlock{}) << i;
        EXPECT_EQ(model.AOSettings[0].Channels[at].Setting, AOSettingBlock{}) << i;
        EXPECT_EQ(model.TCSettings[0].Channels[at].Setting, TemperatureSettingBlock{}) << i;
        EXPECT_EQ(model.RTDSettings[0].Channels[at].Setting, TemperatureSettingBlock{}) << i;
        EXPECT_EQ(model.SerialSettings[0].Ports[at].Setting, SerialPortSettingBlock{}) << i;
        EXPECT_EQ(model.CanSettings[0].Ports[at].Setting, CanPortSettingBlock{}) << i;
        EXPECT_EQ(model.NetworkSettings[0].Interfaces[at].Setting, LanPortSettingBlock{}) << i;
    }
    EXPECT_EQ(model.HighSpeedAISettings[0].SamplingRate, 5000u);
    EXPECT_EQ(model.NetworkSettings[0].EthernetMode, 0);
    EXPECT_TRUE(model.DISettings[0].FilterUnit.isEmpty());
    EXPECT_TRUE(model.DISettings[0].FilterRange.empty());
}

TEST(ModuleRecordTest, AnalogTagLimitsFollowANewRangeCodeOnly)
{
    CDataCenter model;
    model.AddAIRecord(1, 1, 4, "AI", channelsWithDefinitions<AIChannel>(1, 4));
    AISettingBlock block;
    block.InputRange = 2;
    block.InputRangeMin = 4;
    block.InputRangeMax = 20;
    model.SetAIChannelSetting(1, 0, block);

    const AIChannel& channel = model.AISettings[0].Channels[0];
    EXPECT_EQ(channel.Setting, block);
    const struct {
        size_t position;
        float min, max;
    } moved[] = {{0, 4.0f, 20.0f}, {1, -1.0f, -1.0f}, {2, 4.0f, 20.0f}, {3, 4.0f, 20.0f}};
    for (const auto& m : moved) {
        EXPECT_EQ(channel.TagDefinitions[m.position].FloatMin, m.min) << m.position;
        EXPECT_EQ(channel.TagDefinitions[m.position].FloatMax, m.max) << m.position;
    }

    block.InputRangeMin = 0; // same code: the limits stay where they are
    block.InputRangeMax = 10;
    model.SetAIChannelSetting(1, 0, block);
    EXPECT_EQ(channel.Setting.InputRangeMax, 10);
    EXPECT_EQ(channel.TagDefinitions[0].FloatMax, 20.0f);
}

TEST(ModuleRecordTest, RangeFollowingSkipsDefinitionsTheChannelLacks)
{
    CDataCenter model;
    model.AddHARTAIRecord(1, 1, 1, "H", channelsWithDefinitions<HARTAIChannel>(1, 1));
    model.AddRTDRecord(1, 1, 3, "RTD", channelsWithDefinitions<TemperatureChannel>(1, 3));
    model.AddHighSpeedAIRecord(1, 1, 0, "HS", MakeHighSpeedAIChannels(1));

    HARTAISettingBlock hart;
    hart.InputRange = 1;
    hart.InputRangeMax = 20;
    model.SetHARTChannelSetting(1, 0, hart);
    EXPECT_EQ(model.HARTAISettings[0].Channels[0].TagDefinitions[0].FloatMax, 20.0f);
    EXPECT_EQ(model.HARTAISettings[0].Channels[0].Setting, hart);

    TemperatureSettingBlock rtd;
    rtd.SensorType = 0;
    rtd.InputRangeMin = -200;
    rtd.InputRangeMax = 850;
    model.SetRTDChannelSetting(1, 0, rtd);
    const auto& rtdTags = model.RTDSettings[0].Channels[0].TagDefinitions;
    EXPECT_EQ(rtdTags[0].FloatMin, -200.0f);
    EXPECT_EQ(rtdTags[1].FloatMin, -1.0f);
    EXPECT_EQ(rtdTags[2].FloatMax, 850.0f);

    HighSpeedAISettingBlock highSpeed;
    highSpeed.InputRange = 3;
    model.SetHighSpeedAIChannelSetting(1, 0, 2000, highSpeed);
    EXPECT_EQ(model.HighSpeedAISettings[0].Channels[0].Setting, highSpeed);
    EXPECT_EQ(model.HighSpeedAISettings[0].SamplingRate, 2000u);
}

TEST(ModuleRecordTest, AnalogOutputMovesOnlyItsFirstDefinition)
{
    CDataCenter model;
    model.AddAORecord(2, 1, 2, "AO", channelsWithDefinitions<AOChannel>(1, 2));
    AOSettingBlock block;
    block.OutputRange = 0;
    block.RangeMin = 4;
    block.RangeMax = 20;
    model.SetAOChannelSetting(2, 0, block);
    const auto& tags = model.AOSettings[0].Channels[0].TagDefinitions;
    EXPECT_EQ(tags[0].FloatMin, 4.0f);
    EXPECT_EQ(tags[0].FloatMax, 20.0f);
    EXPECT_EQ(tags[1].FloatMax, -1.0f);

    block.RangeMax = 10; // unchanged range: the definition is left alone
    block.Amplitude = 2.5f;
    model.SetAOChannelSetting(2, 0, block);
    EXPECT_EQ(tags[0].FloatMax, 20.0f);
    EXPECT_EQ(model.AOSettings[0].Channels[0].Setting.Amplitude, 2.5f);
}

TEST(ModuleRecordTest, HighSpeedIntervalsGoToEveryChannel)
{
    CDataCenter model;
    model.AddHighSpeedAIRecord(4, 3, 0, "HS", MakeHighSpeedAIChannels(3));
    model.SetHighSpeedAIAllChannels(4, 10, 20);
    for (const HighSpeedAIChannel& channel : model.HighSpeedAISettings[0].Channels) {
        EXPECT_EQ(channel.Setting.ForeInterval, 10u);
        EXPECT_EQ(channel.Setting.BackInterval, 20u);
    }
}

TEST(ModuleRecordTest, SerialPortServiceUseReportsWhetherAPortWasMarked)
{
    CDataCenter model;
    model.AddSerialRecord(2, 2, 0, "S", MakeSerialPorts(2));
    EXPECT_EQ(model.SetSerialPortServiceUse(2, 1, 1, 117), 1);
    EXPECT_EQ(model.SerialSettings[0].Ports[1].Setting.IsUsedByService, 1);
    EXPECT_EQ(model.SerialSettings[0].Ports[1].Setting.UsedServiceType, 117);
    EXPECT_EQ(model.SetSerialPortServiceUse(3, 0, 1, 117), 0);
}

TEST(ModuleRecordTest, NetworkSettingTakesTheInterfaceAndTheRecordWideValues)
{
    CDataCenter model;
    model.AddNetworkRecord(0, 2, 0, "LAN", MakeLANPorts(2));
    LanModuleSlotRecord page;
    page.Interfaces = MakeLANPorts(2);
    page.Interfaces[1].Setting = {1, "10.0.0.2", "255.0.0.0", "10.0.0.1", 0};
    page.Interfaces[0].Setting.IpAddress = "10.9.9.9";
    page.DefaultGatewayInterface = 1;
    page.EthernetMode = 1;
    page.Lock = 1;
    page.Reserved = 0;
    page.DNS_0 = "8.8.8.8";
    page.DNS_1 = "1.1.1.1";

    model.SetNetworkSetting(0, 1, page);
    const LanModuleSlotRecord& record = model.NetworkSettings[0];
    EXPECT_EQ(record.Interfaces[1].Setting, page.Interfaces[1].Setting);
    EXPECT_EQ(record.Interfaces[0].Setting.IpAddress, "192.168.127.254");
    EXPECT_EQ(record.DefaultGatewayInterface, 1);
    EXPECT_EQ(record.EthernetMode, 1);
    EXPECT_EQ(record.Lock, 1);
    EXPECT_EQ(record.Reserved, 1);
    EXPECT_EQ(record.DNS_0, "8.8.8.8");
    EXPECT_EQ(record.DNS_1, "1.1.1.1");

    LanModuleSlotRecord shortPage; // no interface 1 to take: nothing changes
    shortPage.EthernetMode = 0;
    model.SetNetworkSetting(0, 1, shortPage);
    EXPECT_EQ(model.NetworkSettings[0].EthernetMode, 1);
}

TEST(ModuleRecordTest, ModuleWideDataReplacesTheSlotsLists)
{
    CDataCenter model;
    model.AddDIRecord(1, 1, 1, "DI", MakeDIChannels(1));
    model.AddDIORecord(2, 1, 1, "DIO", MakeDIOChannels(1));
    model.AddHighSpeedAIRecord(3, 1, 1, "HS", MakeHighSpeedAIChannels(1));
    model.AddHARTAIRecord(4, 2, 1, "H", MakeHARTAIChannels(2));
    model.AddCellularRecord(5, 1, 2, "Cell", {TagDefinition{}, TagDefinition{}}, {});

    model.SetDIModuleText(1, "ms");
    model.SetDIChannelData(1, {1, 1, 100});
    model.SetDIOModuleText(2, "us");
    model.SetDIOChannelData(2, {2, 1, 50});
    model.SetHighSpeedAIChannelData(3, {1000, 1, 2000, 10});
    model.SetHARTAIChannelData(4, 1, {HARTSensorEntry{1, 2, 3, 4, 5, 6, 7}});
    CellularConfig config;
    config.APN = "internet";
    config.AutoCheck.AutoCheckInterval = 60;
    model.SetCellularConfig(5, config);

    EXPECT_EQ(model.DISettings[0].FilterUnit, "ms");
    EXPECT_EQ(model.DISettings[0].FilterRange, (std::vector<quint32>{1, 1, 100}));
    EXPECT_EQ(model.DIOSettings[0].FilterUnit, "us");
    EXPECT_EQ(model.DIOSettings[0].FilterRange, (std::vector<quint32>{2, 1, 50}));
    EXPECT_EQ(model.HighSpeedAISettings[0].SamplingNumbers, (std::vector<quint32>{1000, 1, 2000, 10}));
    EXPECT_TRUE(model.HARTAISettings[0].Channels[0].Sensors.empty());
    EXPECT_EQ(model.HARTAISettings[0].Channels[1].Sensors, (std::vector<HARTSensorEntry>{{1, 2, 3, 4, 5, 6, 7}}));
    CellularRecord cellular;
    ASSERT_EQ(model.GetCellularSetting(5, cellular), 1);
    EXPECT_EQ(cellular.Config, config);
    EXPECT_EQ(cellular.TagDefinitions.size(), 2u);
}

TEST(ModuleRecordTest, PortTrunkAndSwitchRecordsStartEmpty)
{
    CDataCenter model;
    model.AddPortTrunkRecord(3);
    model.AddSwitchRecord(4);
    SlotPortRecord record{9, {9, 9, 9}};
    EXPECT_EQ(model.GetPortTrunkSetting(3, record), 1);
    EXPECT_EQ(record, (SlotPortRecord{3, {0, 0, 0}}));
    EXPECT_EQ(model.GetSwitchSetting(4, record), 1);
    EXPECT_EQ(record.SlotIndex, 4);
    EXPECT_EQ(model.GetSwitchSetting(3, record), 0);
    EXPECT_EQ(record.SlotIndex, 4);
}

TEST(SystemVariableTest, GroupsAndDefinitionLookups)
{
    CDataCenter model;
    TagDefinition first;
    first.ResourceText = "0.1013.0";
    TagDefinition second;
    second.ResourceText = "0.1013.1";
    model.SetSystemVariables("System", 2, 1, {first, second}, 1);
    const ResourceGroupRecord variables = model.GetSystemVariables();
    EXPECT_EQ(variables.SlotIndex, 0);
    EXPECT_EQ(variables.Added, 1);
    EXPECT_EQ(variables.ResSize, 2);
    EXPECT_EQ(variables.IECFlag, 1);
    EXPECT_EQ(variables.Series4100Flag, 1);
    EXPECT_EQ(variables.Name, "System");
    EXPECT_EQ(model.FindTagDefinitionIndex("0.1013.1"), 1);
    EXPECT_EQ(model.FindTagDefinitionIndex("0.1013.9"), -1);
    EXPECT_EQ(model.FindTagDefinitionIndex(""), -1);

    model.AddResourceGroupRecord("PWR", 1, 0, {first}, 1, 15);
    model.AddResourceGroupRecord("PWR2", 1, 0, {second}, 1, 15);
    ResourceGroupRecord group;
    model.GetSlotSystemRegister(group, 15);
    EXPECT_EQ(group.Name, "PWR2");
    EXPECT_EQ(group.Added, 1);
    group.Name = "untouched";
    model.GetSlotSystemRegister(group, 3);
    EXPECT_EQ(group.Name, "untouched");
}

} // namespace
