#include "TagEngineFixture.h"

#include <gtest/gtest.h>

using namespace TagFixture;

namespace {

QStringList tagNames(const CDataCenter& model)
{
    QStringList names;
    for (const TagRecord& tag : model.Tags)
        names << tag.TagName;
    return names;
}

} // namespace

TEST(TagGenerationTest, DIModuleGetsChannelAndModuleTagsMarkedOnTheirDefinitions)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 3);
    EXPECT_EQ(model.RegenerateSlotTags(3), 1);

    EXPECT_EQ(tagNames(model),
              QStringList({"S3_DI0_Value", "S3_DI0_Status", "S3_DI1_Value", "S3_DI1_Status", "S3_PowerFail"}));
    ModuleSlotRecord record;
    ASSERT_EQ(model.GetDISetting(3, record), 1);
    EXPECT_EQ(record.Channels[1].TagDefinitions[1].TagUseFlag, 1);
    EXPECT_EQ(record.Channels[1].TagDefinitions[1].BoundTagName, "S3_DI1_Status");
    EXPECT_EQ(record.ChannelTemplate.Definitions[0].BoundTagName, "S3_PowerFail");
    const TagRecord* status = TagAt(model, "3.1.1");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->ChannelTypeAlias, "DI");
    EXPECT_EQ(status->ChannelTypeId, ChannelType::DigitalInput);
    EXPECT_EQ(status->DataTypeCode, 4);
}

TEST(TagGenerationTest, SelectorPicksTheChannelModeAndOutputsTakeTheirFixedMode)
{
    CDataCenter model;
    MakeSlots(model);
    std::vector<DOChannel> channels(1);
    channels[0].TagDefinitions = {Def("Mode0", "1.0.0", 10, 3, 0, 0), Def("Mode1", "1.0.1", 10, 3, 0, 1),
                                  Def("Always", "1.0.2", 10, 3, 0, 3), Def("Two", "1.0.3", 10, 3, 0, 2)};
    model.AppendSlotChannelGroup(1, "DO", ChannelType::DigitalOutput);
    model.AddDORecord(1, 1, 4, "DO", channels);
    model.AppendSlotChannelGroup(2, "RL", ChannelType::Relay);
    model.AddRelayRecord(2, 1, 4, "RL", channels);

    model.GenerateDOTags(1, 1);
    model.GenerateRelayTags(2, 0);
    EXPECT_EQ(tagNames(model), QStringList({"S1_DO0_Mode1", "S1_DO0_Always", "S2_RL0_Mode0", "S2_RL0_Two"}));
}

TEST(TagGenerationTest, ChannelsWithoutTagsCountButDIOCountsOnlyItsKind)
{
    CDataCenter model;
    MakeSlots(model);
    std::vector<DIChannel> di(3);
    di[2].TagDefinitions = {Def("Value", "1.2.0")};
    model.AppendSlotChannelGroup(1, "DI", ChannelType::DigitalInput);
    model.AddDIRecord(1, 3, 1, "DI", di);

    std::vector<DIOChannel> dio(3);
    dio[0].IODirection = 1;
    dio[1].TagDefinitions = {Def("In", "2.1.0")};
    dio[2].TagDefinitions = {Def("In", "2.2.0")};
    model.AppendSlotChannelGroup(2, "DIO", ChannelType::DigitalInputOutput);
    model.AddDIORecord(2, 3, 1, "DIO", dio);

    model.RegenerateSlotTags(1);
    model.RegenerateSlotTags(2);
    EXPECT_EQ(tagNames(model), QStringList({"S1_DI2_Value", "S2_DIO0_In", "S2_DIO1_In"}));
}

TEST(TagGenerationTest, CellularSystemVariableAndRegisterTags)
{
    CDataCenter model;
    MakeSlots(model);
    model.AppendSlotChannelGroup(1, "Cellular", ChannelType::ConnectionStatus);
    model.AddCellularRecord(1, 1, 1, "Cellular", {Def("ConnectionStatus", "1.0.5")}, {});
    model.AppendSlotChannelGroup(0, "SYS", ChannelType::SystemVariables);
    model.SetSystemVariables("SYS", 1, 0, {Def("Up Time", "0.1013.0")}, 0);
    model.AppendSlotChannelGroup(2, "PWR", ChannelType::ResourceGroup);
    model.AddResourceGroupRecord("PWR", 1, 0, {Def("Up time", "2.1502")}, 0, 2);

    model.RegenerateSlotTags(1);
    model.RegenerateSlotTags(0);
    model.RegenerateSlotTags(2);
    EXPECT_EQ(tagNames(model), QStringList({"S1_Cellular_ConnStatus", "S0_SYS_UpTime", "S2_Up time"}));
    EXPECT_EQ(model.Tags[0].ChannelIndex, kNoChannelIndex);
    EXPECT_EQ(model.SystemVariables.TagDefinitions[0].BoundTagName, "S0_SYS_UpTime");
    EXPECT_EQ(model.ResourceGroups[0].TagDefinitions[0].TagUseFlag, 1);
}

TEST(TagGenerationTest, SlotPastTheSlotCountHasNoAliasAndEmptySlotsMakeNothing)
{
    CDataCenter model;
    model.SetSeries4100(1);
    model.SetMaxSlotCount(8); // 16 slots, numbered up to 8
    PlaceDI(model, 9, 1);
    EXPECT_EQ(model.RegenerateSlotTags(4), 1);
    EXPECT_TRUE(model.Tags.empty());
    model.RegenerateSlotTags(9);
    ASSERT_FALSE(model.Tags.empty());
    EXPECT_EQ(model.Tags[0].TagName, "S9_0_Value");
    EXPECT_EQ(model.RegenerateSlotTags(99), 1); // a slot outside the table changes nothing
}

TEST(TagGenerationTest, RunningAGeneratorTwiceDuplicatesItsTags)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceAI(model, 1, 1);
    model.GenerateAITags(1, 0);
    model.GenerateAITags(1, 0);
    EXPECT_EQ(tagNames(model), QStringList({"S1_AI0_Value", "S1_AI0_Status", "S1_AI0_Value", "S1_AI0_Status"}));
}

TEST(TagGenerationTest, ModuleTagsWithoutANameAreNotMade)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 1, 0);
    model.SetDITagLists(1, {Def("A", "1.0.9"), Def("B", "1.1.9")}, ModuleNames());
    model.GenerateDITags(1, 0);
    EXPECT_EQ(tagNames(model), QStringList({"S1_PowerFail"}));
}

TEST(TagGenerationTest, ConnectionTagsFillOnlyWhatTheProjectLacks)
{
    CDataCenter model;
    MakeSlots(model);
    model.AppendSlotChannelGroup(1, "Cell", ChannelType::ConnectionStatus);
    model.AddCellularRecord(1, 1, 2, "Cell", {Def("Connection", "1.0.5"), Def("Signal", "1.0.6")}, {});
    model.AppendTag(MakeTag("Loaded", "1.0.5", ChannelType::ConnectionStatus));

    model.AddConnectionTags();
    EXPECT_EQ(tagNames(model), QStringList({"Loaded", "S1_Cell_Signal"}));
}

TEST(TagGenerationTest, PendingTagsMergeOnceWithTheirServiceUse)
{
    CDataCenter model;
    MakeSlots(model);
    TagDefinition status = Def("Status", "0.0.105.0");
    status.BoundTagName = "ModbusMasterStatus";
    model.QueueTagFromDefinition(status, "Modbus Master", ServiceId::ModbusMaster, ServiceId::ModbusMaster, 0);
    model.QueueTagFromDefinition(Def("Other", "0.0.117.0"), "Slave", ServiceId::ModbusSlave, 0, 0);
    model.AppendTag(MakeTag("Present", "0.0.117.0", ServiceId::ModbusSlave));

    model.MergePendingTags();
    ASSERT_EQ(model.Tags.size(), 2u);
    const TagRecord& merged = model.Tags[1];
    EXPECT_EQ(merged.TagName, "ModbusMasterStatus");
    EXPECT_EQ(merged.SecondText, "ModbusMasterStatus");
    EXPECT_EQ(merged.ChannelTypeAlias, "Modbus Master");
    EXPECT_EQ(merged.RelatedServices, Links({{ServiceId::ModbusMaster, 0}}));
    EXPECT_EQ(model.PendingSlotTags.size(), 2u);
}

TEST(TagGenerationTest, TagCountsByTypeIndexTakeBothCodes)
{
    CDataCenter model;
    for (int code : {1, 10, 10, 3, 12, 6})
        model.Tags.push_back([&] {
            TagRecord tag;
            tag.DataTypeCode = code;
            return tag;
        }());
    const struct {
        int index;
        int count;
    } cases[] = {{0, 3}, {7, 2}, {8, 1}, {1, 0}, {9, 0}, {-1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(model.GetTagsOfTypeIndex(c.index), c.count) << "index " << c.index;
}
