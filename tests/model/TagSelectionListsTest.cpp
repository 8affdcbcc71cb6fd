#include "TagEngineFixture.h"

#include <gtest/gtest.h>

using namespace TagFixture;

namespace {

QStringList namesOf(const std::vector<TagDefinition>& definitions)
{
    QStringList names;
    for (const TagDefinition& definition : definitions)
        names << definition.Name;
    return names;
}

std::vector<int> groupTypes(const std::vector<ChannelGroupEntry>& groups)
{
    std::vector<int> types;
    for (const ChannelGroupEntry& group : groups)
        types.push_back(group.ChannelTypeId);
    return types;
}

} // namespace

TEST(TagSelectionListsTest, SlotFilterAndGroupListDifferWhereTheTablesDo)
{
    CDataCenter model;
    MakeSlots(model);
    model.AppendSlotChannelGroup(1, "IR", 1503);
    model.AppendSlotChannelGroup(2, "AI", ChannelType::AnalogInput);
    model.AppendSlotChannelGroup(2, "AO", ChannelType::AnalogOutput);
    model.AppendSlotChannelGroup(2, "HART", ChannelType::HartAnalogInput);

    const struct {
        const char* label;
        int result;
        int expected;
    } filters[] = {
        {"code 3: register 1503 does not offer its slot", model.SlotHasChannelsForSelector18(1, 3), 0},
        {"code 3: AI offers", model.SlotHasChannelsForSelector18(2, 3), 1},
        {"code 0", model.SlotHasChannelsForSelector18(2, 0), 0},
        {"code 19", model.SlotHasChannelsForSelector18(2, 19), 0},
        {"DNP3 type 4: AO", model.SlotHasChannelsForSelector5(2, 4), 1},
        {"DNP3 type 0", model.SlotHasChannelsForSelector5(2, 0), 0},
        {"DNP3 type 6", model.SlotHasChannelsForSelector5(2, 6), 0},
        {"slot past the table", model.SlotHasChannelsForSelector18(40, 3), 0},
        {"negative slot", model.SlotHasChannelsForSelector5(-1, 2), 0},
    };
    for (const auto& c : filters)
        EXPECT_EQ(c.result, c.expected) << c.label;

    std::vector<ChannelGroupEntry> groups{{"kept", 1}};
    EXPECT_EQ(model.CollectSlotGroupsForSelector18(1, 3, groups), 2); // the group list has 1503
    EXPECT_EQ(model.CollectSlotGroupsForSelector18(2, 8, groups), 4); // AI and HART, not AO
    EXPECT_EQ(groupTypes(groups), std::vector<int>({1, 1503, ChannelType::AnalogInput, ChannelType::HartAnalogInput}));
    EXPECT_EQ(model.CollectSlotGroupsForSelector5(2, 4, groups), 5);
    EXPECT_EQ(groups.back().ChannelTypeId, ChannelType::AnalogOutput);
    EXPECT_EQ(model.CollectSlotGroupsForSelector5(2, 9, groups), 5);
}

TEST(TagSelectionListsTest, ChannelDefinitionsThenModuleDefinitionsFilteredByCode)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 3); // Value code 1 / DNP3 1, Status code 4 / DNP3 2; module Power code 1
    EXPECT_EQ(namesOf(model.CollectResourceTags(3, ChannelType::DigitalInput, 1)),
              QStringList({"Value", "Status", "Power"}));

    std::vector<TagDefinition> list;
    EXPECT_EQ(model.CollectResourceTagsByDataType(3, ChannelType::DigitalInput, 1, 1, list), 2);
    EXPECT_EQ(model.CollectResourceTagsByDataType(3, ChannelType::DigitalInput, 1, 10, list), 2);
    EXPECT_EQ(model.CollectResourceTagsByDataType(3, ChannelType::DigitalInput, 1, 4, list), 3);
    EXPECT_EQ(namesOf(list), QStringList({"Value", "Power", "Status"}));
    list.clear();
    EXPECT_EQ(model.CollectResourceTagsByDnp3Type(3, ChannelType::DigitalInput, 0, 2, list), 1);
    EXPECT_EQ(model.CollectResourceTagsByDnp3Type(3, ChannelType::DigitalInput, 0, 6, list), 1);
    EXPECT_EQ(model.CollectResourceTagsByDataType(3, ChannelType::DigitalInput, 0, 19, list), 1);

    EXPECT_TRUE(model.CollectResourceTags(3, ChannelType::DigitalInput, 2).empty()); // channel past the module
    EXPECT_TRUE(model.CollectResourceTags(4, ChannelType::DigitalInput, 0).empty()); // slot without DI
    EXPECT_TRUE(model.CollectResourceTags(3, 1004, 0).empty());
}

TEST(TagSelectionListsTest, DIOChannelsOfferTheirDirectionsPart)
{
    CDataCenter model;
    MakeSlots(model);
    std::vector<DIOChannel> channels(3);
    for (DIOChannel& channel : channels) {
        for (int p = 0; p < 8; ++p)
            channel.TagDefinitions.push_back(Def(QStringLiteral("P%1").arg(p), QStringLiteral("2.0.%1").arg(p), 1, 1));
    }
    channels[1].IODirection = 1;
    channels[2].IODirection = 2;
    model.AddDIORecord(2, 3, 8, "DIO", channels);

    const struct {
        const char* label;
        int channel;
        bool byDnp3;
        QStringList names;
    } cases[] = {
        {"input, by code", 0, false, {"P1", "P2", "P3", "P4", "P5"}},
        {"input, by DNP3 type", 0, true, {"P1", "P2", "P3", "P4", "P5"}},
        {"output, by code", 1, false, {"P6", "P7"}},
        {"output, by DNP3 type", 1, true, {"P6", "P7"}},
        {"other direction, by code", 2, false, {"P6", "P7"}},
        {"other direction, by DNP3 type", 2, true, {}},
    };
    for (const auto& c : cases) {
        std::vector<TagDefinition> list;
        if (c.byDnp3)
            model.CollectResourceTagsByDnp3Type(2, ChannelType::DigitalInputOutput, c.channel, 1, list);
        else
            model.CollectResourceTagsByDataType(2, ChannelType::DigitalInputOutput, c.channel, 1, list);
        EXPECT_EQ(namesOf(list), c.names) << c.label;
    }
    EXPECT_EQ(model.CollectResourceTags(2, ChannelType::DigitalInputOutput, 0).size(), 8u);

    channels.resize(1);
    channels[0].TagDefinitions.resize(3); // shorter than the input range
    model.DIOSettings.clear();
    model.AddDIORecord(2, 1, 3, "DIO", channels);
    std::vector<TagDefinition> list;
    EXPECT_EQ(model.CollectResourceTagsByDataType(2, ChannelType::DigitalInputOutput, 0, 1, list), 2);
}

TEST(TagSelectionListsTest, SystemResourcesCellularPortsAndHART)
{
    CDataCenter model;
    MakeSlots(model);
    model.SetSystemVariables("SYS", 1, 0, {Def("Uptime", "0.1013.0")}, 0);
    model.AddResourceGroupRecord("PWR", 1, 0, {Def("Volt", "2.1503", 3)}, 0, 2);
    model.AddCellularRecord(1, 1, 1, "Cell", {Def("Conn", "1.0.5", 4)}, {});
    PlaceSerial(model, 4);
    std::vector<HARTAIChannel> hart(1);
    hart[0].TagDefinitions = {Def("PV", "5.0.0", 3, 2)};
    hart[0].SensorTagDefinitions = {Def("Sensor", "5.0.PV.0.1", 3, 2)};
    model.AddHARTAIRecord(5, 1, 1, "HART", hart);

    EXPECT_EQ(namesOf(model.CollectResourceTags(0, ChannelType::SystemVariables, 0)), QStringList({"Uptime"}));
    EXPECT_TRUE(model.CollectResourceTags(1, ChannelType::SystemVariables, 0).empty());
    EXPECT_TRUE(model.CollectResourceTags(2, ChannelType::ResourceGroup, 0).empty()); // not the 4100 series
    model.SetSeries4100(1);
    EXPECT_EQ(namesOf(model.CollectResourceTags(2, ChannelType::ResourceGroup, 0)), QStringList({"Volt"}));
    EXPECT_EQ(namesOf(model.CollectResourceTags(1, ChannelType::ConnectionStatus, 0)), QStringList({"Conn"}));
    EXPECT_EQ(namesOf(model.CollectResourceTags(4, ChannelType::Serial, 0)), QStringList({"Rx"}));
    EXPECT_TRUE(model.CollectResourceTags(4, ChannelType::Serial, 2).empty());
    std::vector<TagDefinition> list;
    EXPECT_EQ(model.CollectResourceTagsByDataType(4, ChannelType::Serial, 0, 4, list), 0); // ports: all only

    EXPECT_EQ(namesOf(model.CollectResourceTags(5, ChannelType::HartAnalogInput, 0)), QStringList({"PV", "Sensor"}));
    EXPECT_EQ(model.CollectResourceTagsByDataType(5, ChannelType::HartAnalogInput, 0, 3, list), 1);
}

TEST(TagSelectionListsTest, ServicesOfferTheirOwnDefinitionsThenTheItems)
{
    CDataCenter model;
    auto status = [&](StatusTagSource source) -> TagDefinition& {
        return model.ServiceStatusTags[StatusTagPosition(source)];
    };
    status(StatusTagSource::ModbusMaster) = Def("MasterStatus", "0.0.105.0", 4, 2);
    status(StatusTagSource::Tavo) = Def("TavoStatus", "0.0.116.0", 4, 2);
    status(StatusTagSource::TavoUpdateTrigger) = Def("Trigger", "0.0.116.3", 10, 3, 0);
    EXPECT_EQ(namesOf(model.CollectResourceTags(0, ServiceId::ModbusMaster, 0)), QStringList({"MasterStatus"}));

    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    device.Index = 4;
    device.TagDefinitions = {Def("DevStatus", "0.4.105.1", 4, 2), Def("DevError", "0.4.105.2", 8, 2)};
    model.ModbusMasterDevices = {device};
    EXPECT_EQ(namesOf(model.CollectResourceTags(0, ServiceId::ModbusMaster, 4)),
              QStringList({"MasterStatus", "DevStatus", "DevError"}));
    EXPECT_EQ(namesOf(model.CollectResourceTags(0, ServiceId::ModbusMaster, 0)), QStringList({"MasterStatus"}));

    std::vector<TagDefinition> list;
    model.CollectResourceTagsByDataType(0, ServiceId::ModbusMaster, 4, 8, list);
    EXPECT_EQ(namesOf(list), QStringList({"DevError"}));

    TAVO_SERVER_ITEM_SETTINGS server;
    server.Index = 1;
    server.TagDefinitions = {Def("Control", "0.1.116.1", 10, 3, 0)};
    model.Tavo.Servers = {server};
    EXPECT_EQ(namesOf(model.CollectResourceTags(0, ServiceId::Tavo, 1)),
              QStringList({"TavoStatus", "Trigger", "Control"}));
    list.clear();
    model.CollectResourceTagsByDnp3Type(0, ServiceId::Tavo, 1, 3, list);
    EXPECT_EQ(namesOf(list), QStringList({"Trigger", "Control"}));

    DATA_LOG_ITEM_SETTINGS profile;
    profile.Index = 2;
    profile.UploadTagDefinitions = {Def("FtpTrigger", "0.2.124.1")};
    model.DataLogging.Profiles = {profile};
    EXPECT_EQ(namesOf(model.CollectResourceTags(0, ServiceId::DataLoggingUpload, 2)), QStringList({"FtpTrigger"}));
    EXPECT_TRUE(model.CollectResourceTags(0, ServiceId::Dnp3Master, 0).empty());
}

TEST(TagSelectionListsTest, InternalRegistersByChannelIndexAndKind)
{
    CDataCenter model;
    InternalVariableRecord item;
    item.ChannelIndex = 2;
    item.Direction = 0;
    item.TagType = 3; // a float written by the program: code 12
    item.Definition = Def("R2", "0.2.2.1.3");
    model.AddResourceTypeItem(item);
    item.Definition.Name = "R2b";
    model.AddResourceTypeItem(item);

    EXPECT_EQ(namesOf(model.CollectResourceTags(0, 1512, 2)), QStringList({"R2"}));
    EXPECT_TRUE(model.CollectResourceTags(0, 1512, 3).empty());
    std::vector<TagDefinition> list;
    EXPECT_EQ(model.CollectResourceTagsByDataType(0, 1512, 2, 12, list), 2);
    EXPECT_EQ(model.CollectResourceTagsByDataType(0, 1512, 2, 3, list), 2);
    EXPECT_EQ(model.CollectResourceTagsByDnp3Type(0, 1512, 2, 1, list), 4); // no further test
}
