#include "TagEngineFixture.h"

#include <gtest/gtest.h>

using namespace TagFixture;

TEST(TagTableTest, NamesCompareWithoutCaseAddressesExactly)
{
    CDataCenter model;
    model.AppendTag(MakeTag("TANK1", "0.1.AI"));
    model.AppendTag(MakeTag("Unaddressed", ""));
    const struct {
        const char* label;
        int result;
        int expected;
    } cases[] = {
        {"name free, other case", model.IsTagNameFree("Tank1"), 0},
        {"name free", model.IsTagNameFree("Tank2"), 1},
        {"address free, other case", model.IsTagAddressFree("0.1.ai"), 1},
        {"address free, same", model.IsTagAddressFree("0.1.AI"), 0},
        {"empty address held by a tag", model.IsTagAddressFree(""), 0},
        {"address used, other case", model.IsTagAddressUsed("0.1.ai"), 1},
        {"address used, empty", model.IsTagAddressUsed(""), 0},
        {"address exists, other case", model.TagAddressExists("0.1.ai"), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, c.expected) << c.label;
    EXPECT_EQ(model.GetTagNameByAddress("0.1.ai"), "TANK1");
    EXPECT_TRUE(model.GetTagNameByAddress("").isEmpty());
}

TEST(TagTableTest, LookupsByNameAndByAddress)
{
    CDataCenter model;
    model.AppendTag(MakeTag("Level", "1.0.0"));
    model.AppendTag(MakeTag("Level2", "1.0.0"));
    TagRecord out = MakeTag("untouched", "9.9.9");
    EXPECT_EQ(model.LookupTagByName("level", out), 0); // by name, exactly
    EXPECT_EQ(out.TagName, "untouched");
    EXPECT_EQ(model.LookupTagByName("Level2", out), 1);
    EXPECT_EQ(out.TagName, "Level2");
    EXPECT_EQ(model.GetTagByName("1.0.0", out), 1); // by address: the first of the two
    EXPECT_EQ(out.TagName, "Level");
    EXPECT_EQ(model.GetTagByName("Level", out), 0);
    EXPECT_EQ(model.FindTagByName("1.0.0", out), 1);
    EXPECT_EQ(out.TagName, "Level");
}

TEST(TagTableTest, ListsAndDataTypeQueries)
{
    CDataCenter model;
    model.Tags.push_back(TagRecord{}); // a tag whose type is still 0
    model.AppendTag(MakeTag("A", "1.0.0", ChannelType::DigitalInput));
    model.AppendTag(MakeTag("B", "1.0.1", ChannelType::AnalogInput));
    std::vector<TagRecord> out(5);
    EXPECT_EQ(model.GetTagList(out, 1, 12345), 3);
    EXPECT_EQ(model.GetTagList(out, 0, 0), 1);
    EXPECT_EQ(model.GetTagList(out, 0, ChannelType::AnalogInput), 1);
    EXPECT_EQ(out[0].TagName, "B");
    EXPECT_EQ(model.GetTagsByDataType(out, 1), 2);
}

TEST(TagTableTest, UpdateKeepingTheAddressRenamesInServiceListsAndTheTagMap)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 3);
    model.RegenerateSlotTags(3);
    DATA_LOG_ITEM_SETTINGS profile;
    profile.SelectedTags = {{"S3_DI0_Value", "3.0.0"}, {"dup", "3.0.0"}};
    model.DataLogging.Profiles = {profile, profile};
    HS_DATA_LOG_ITEM_SETTINGS fast;
    fast.SelectedTags = {{"S3_DI0_Value", "3.0.0"}};
    model.HighSpeedLogProfiles = {fast};
    model.SnmpAgent.TagTable = {{"S3_DI0_Value", "3.0.0", 0, 1}, {"S3_DI0_Value", "3.0.0", 0, 2}};

    TagRecord renamed = *TagAt(model, "3.0.0");
    renamed.TagName = "Pump";
    EXPECT_EQ(model.UpdateTag("3.0.0", renamed), 1);

    EXPECT_EQ(TagAt(model, "3.0.0")->TagName, "Pump");
    EXPECT_EQ(model.DISettings[0].Channels[0].TagDefinitions[0].BoundTagName, "Pump");
    for (const DATA_LOG_ITEM_SETTINGS& item : model.DataLogging.Profiles) {
        EXPECT_EQ(item.SelectedTags[0].first, "Pump");
        EXPECT_EQ(item.SelectedTags[1].first, "dup"); // one entry per item
    }
    EXPECT_EQ(model.HighSpeedLogProfiles[0].SelectedTags[0].first, "Pump");
    EXPECT_EQ(model.SnmpAgent.TagTable[0].TagName, "Pump");
    EXPECT_EQ(model.SnmpAgent.TagTable[1].TagName, "S3_DI0_Value"); // the first map record only
}

TEST(TagTableTest, UpdateMovingTheAddressReleasesTheOldDefinitionAndRenamesNothing)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 3);
    model.RegenerateSlotTags(3);
    DATA_LOG_ITEM_SETTINGS profile;
    profile.SelectedTags = {{"S3_DI0_Value", "3.0.0"}};
    model.DataLogging.Profiles = {profile};

    const TagRecord moved = MakeTag("Moved", "3.1.0");
    model.Tags.erase(model.Tags.begin() + 2); // free 3.1.0 by hand; its definition keeps its mark
    model.UpdateTag("3.0.0", moved);

    const auto& channels = model.DISettings[0].Channels;
    EXPECT_EQ(channels[0].TagDefinitions[0].TagUseFlag, 0);
    EXPECT_EQ(channels[1].TagDefinitions[0].BoundTagName, "Moved");
    EXPECT_EQ(model.DataLogging.Profiles[0].SelectedTags[0].first, "S3_DI0_Value");
    EXPECT_EQ(model.UpdateTag("7.7.7", moved), 1); // unknown key: nothing happens
    EXPECT_EQ(TagAt(model, "3.1.0")->TagName, "Moved");
}

TEST(TagTableTest, RenamingTheUpdateTriggerRenamesItInItsFollowers)
{
    CDataCenter model;
    model.ServiceResourceTexts[StatusTagPosition(StatusTagSource::TavoUpdateTrigger)].ResourceId = "116.3";
    model.AppendTag(MakeTag("Trigger", "0.0.116.3", ServiceId::Tavo));
    TagRecord follower = MakeTag("Follower", "1.0.0");
    follower.PublishToTavo = 1;
    follower.Tavo.ControlTagUpdate = 1;
    follower.Tavo.ControlTagName = "Trigger";
    TagRecord published = follower;
    published.Tavo.ControlTagUpdate = 0;
    model.AppendTag(follower);
    model.AppendTag(published);

    TagRecord renamed = model.Tags[0];
    renamed.TagName = "Go";
    model.UpdateTag("0.0.116.3", renamed);
    EXPECT_EQ(model.Tags[1].Tavo.ControlTagName, "Go");
    EXPECT_EQ(model.Tags[2].Tavo.ControlTagName, "Trigger");
}

TEST(TagTableTest, DeleteRemovesEveryTagOfTheAddressAndFreesItsDefinition)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 3);
    model.GenerateDITags(3, 0);
    model.GenerateDITags(3, 0); // two tags at each address
    ASSERT_EQ(model.Tags.size(), 10u);
    model.DeleteTagsByAddress("3.1.1", 0);
    EXPECT_EQ(model.Tags.size(), 8u);
    EXPECT_EQ(TagAt(model, "3.1.1"), nullptr);
    EXPECT_EQ(model.DISettings[0].Channels[1].TagDefinitions[1].TagUseFlag, 0);

    model.DeleteTagsOfEntries(model.DISettings[0].Channels[0].TagDefinitions, 0);
    EXPECT_EQ(model.Tags.size(), 4u);
    EXPECT_EQ(TagAt(model, "3.0.0"), nullptr);
}

TEST(TagTableTest, ShiftRenumbersPositionNumberedServicesOnly)
{
    CDataCenter model;
    TagRecord tag = MakeTag("A", "1.0.0");
    tag.RelatedServices = {{136, 0}, {136, 1}, {136, 3}, {105, 3}, {131, 3}};
    model.Tags.push_back(tag);

    model.ShiftResourceIndices(136, 1);
    EXPECT_EQ(model.Tags[0].RelatedServices, Links({{136, 0}, {136, 1}, {136, 2}, {105, 3}, {131, 3}}));
    for (int idNumbered : {105, 114, 116, 117, 124, 127, 130, 137, 138, 143}) {
        model.Tags[0].RelatedServices = {{idNumbered, 3}};
        model.ShiftResourceIndices(idNumbered, 0);
        EXPECT_EQ(model.Tags[0].RelatedServices, Links({{idNumbered, 3}})) << idNumbered;
    }

    model.ServiceTagLists = {{"ftp", {{136, 2}, {136, 0}, {137, 5}}}};
    model.ShiftServiceTagIndices(136, 0);
    EXPECT_EQ(model.ServiceTagLists[0].Links, Links({{136, 1}, {136, 0}, {137, 5}}));
}

TEST(TagTableTest, ResourceIndexOfEachItemList)
{
    CDataCenter model;
    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    device.Index = 4;
    model.ModbusMasterDevices = {device};
    TAVO_SERVER_ITEM_SETTINGS server;
    server.Index = 9;
    model.Tavo.Servers = {server, server};
    model.Tavo.Servers[1].Index = 2;
    ALARM_SNMP_TRAP_ITEM_SETTINGS trap;
    trap.Index = 6;
    model.AlarmSnmpTrap.Entries = {trap};
    const struct {
        int service;
        int item;
        int position;
    } cases[] = {{105, 4, 0}, {105, 5, -1}, {116, 2, 1}, {143, 6, 0}, {137, 0, -1}, {127, 77, 0}, {144, 0, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(model.GetResourceIndex(c.service, c.item), c.position) << c.service << "/" << c.item;
}

TEST(TagTableTest, MailServerReferencesFollowTheServerInEveryEntry)
{
    CDataCenter model;
    model.MailAlarmRecords = {{"smtp"}, {"other"}, {"smtp"}};
    model.RenameMailServerReference("smtp", "mail");
    EXPECT_EQ(model.MailAlarmRecords[0].ServerName, "mail");
    EXPECT_EQ(model.MailAlarmRecords[1].ServerName, "other");
    EXPECT_EQ(model.MailAlarmRecords[2].ServerName, "mail") << "every entry naming the server, not only the first";
    model.ClearMailServerReference("MAIL"); // exact names only
    EXPECT_EQ(model.MailAlarmRecords[2].ServerName, "mail");
    model.ClearMailServerReference("mail");
    EXPECT_TRUE(model.MailAlarmRecords[0].ServerName.isEmpty());
    EXPECT_EQ(model.MailAlarmRecords[1].ServerName, "other");
    EXPECT_TRUE(model.MailAlarmRecords[2].ServerName.isEmpty());
}
