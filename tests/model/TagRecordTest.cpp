#include "TagRecord.h"
#include "CDataCenter.h"

#include <gtest/gtest.h>

namespace {

TagRecord recordWithAddress(const char* address)
{
    TagRecord record;
    record.ResID = QString::fromUtf8(address);
    return record;
}

TEST(TagRecordTest, NewRecordHasNoAddressAndUnpublishedTavoSettings)
{
    const TagRecord record;
    EXPECT_EQ(record.SlotIndex, -1);
    EXPECT_EQ(record.ChannelIndex, -1);
    EXPECT_EQ(record.ResourceType, -1);
    EXPECT_TRUE(record.RelatedServices.empty());
    EXPECT_EQ(record.Tavo, (TagRecordExtra{0, 0, 0, 0, 0, 1, {}, {}}));
    EXPECT_EQ(record.PublishToTavo, 0);
}

TEST(TagRecordTest, ParseTagAddressTakesFirstSecondAndLastNumber)
{
    const struct {
        const char* address;
        int first, second, third;
    } cases[] = {
        {"1.2.0", 1, 2, 0}, {"12.34.5", 12, 34, 5}, {"0.6.0.5", 0, 6, 5}, {"7", 7, 7, 7},        {"1.2", 1, 2, 2},
        {"", 0, 0, 0},      {"1.2.0", 1, 2, 0},     {"3.AI0.1", 3, 0, 1}, {" 4.-2.x", 4, -2, 0}, {"1..", 1, 0, 0},
    };
    for (const auto& c : cases) {
        int first = -9, second = -9, third = -9;
        ParseTagAddress(recordWithAddress(c.address), first, second, third);
        EXPECT_EQ(first, c.first) << c.address;
        EXPECT_EQ(second, c.second) << c.address;
        EXPECT_EQ(third, c.third) << c.address;
    }
}

TEST(TagRecordTest, ConstructParsesTheAddressAndDropsTheChannelOfSystemTypes)
{
    const struct {
        int typeId;
        const char* address;
        int slot, channel, resourceType;
    } cases[] = {
        {1013, "0.3.1", 0, 65535, 1}, {1002, "2.7.4", 2, 65535, 4}, {1015, "", 0, 65535, 0},
        {1008, "1.2.0", 1, 2, 0},     {1003, "", 0, 0, 0},
    };
    for (const auto& c : cases) {
        TagRecord record;
        record.RelatedServices.push_back(MakeIntPair(105, 3));
        record.PublishToTavo = 1;
        record.Tavo.Access = 0;
        record.Construct("Tag", "Second", "Alias", c.typeId, QString::fromUtf8(c.address), 1, 4, 2);
        EXPECT_EQ(record.SlotIndex, c.slot) << c.typeId << " " << c.address;
        EXPECT_EQ(record.ChannelIndex, c.channel) << c.typeId << " " << c.address;
        EXPECT_EQ(record.ResourceType, c.resourceType) << c.typeId << " " << c.address;
        EXPECT_TRUE(record.RelatedServices.empty());
        EXPECT_EQ(record.PublishToTavo, 0);
        EXPECT_EQ(record.Tavo.Access, 1);
    }
}

TEST(TagRecordTest, ConstructKeepsTextsAndTheThreeNumbersInTheirPlaces)
{
    TagRecord record;
    record.Construct("Level", "Owner", "AI", 1008, "3.1.0", 1, 4, 2);
    EXPECT_EQ(record.TagName, "Level");
    EXPECT_EQ(record.SecondText, "Owner");
    EXPECT_EQ(record.ChannelTypeAlias, "AI");
    EXPECT_EQ(record.ChannelTypeId, 1008);
    EXPECT_EQ(record.ResID, "3.1.0");
    EXPECT_EQ(record.Direction, 1);
    EXPECT_EQ(record.DataTypeCode, 4);
    EXPECT_EQ(record.Dnp3PointType, 2);
}

TEST(TagRecordTest, ResourceTypeFieldIsTheThirdNumber)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"1.2.3", 3}, {"0.6.0.5", 0}, {"1.2.17.9", 17}, {"1.2", 0}, {"7", 0}, {"", 0}, {"1.2.", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseResourceTypeField(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(TagRecordTest, ContainsTagLooksAtTheResourceTypeOnly)
{
    const CDataCenter model;
    EXPECT_EQ(model.ContainsTag(recordWithAddress("1.4.2"), {1, 2}), 1);
    EXPECT_EQ(model.ContainsTag(recordWithAddress("2.1.4"), {1, 2}), 0);
    EXPECT_EQ(model.ContainsTag(recordWithAddress("1.4.2"), {}), 0);
}

TEST(TagRecordTest, TavoSettingsInitGivesTheUnpublishedSettings)
{
    TagRecordExtra extra{1, 10, 2, 1, 1, 0, "Ctl", "1.2.3"};
    extra.Init();
    EXPECT_EQ(extra, TagRecordExtra{});
    EXPECT_EQ(extra.Access, 1);
}

} // namespace
