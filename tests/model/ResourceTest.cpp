#include "CDataCenter.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourceNameTest, UploadIdIsNamedAsDataLogging)
{
    const struct {
        const char* label;
        std::vector<std::pair<int, const char*>> names;
        int id;
        const char* expected;
    } cases[] = {
        {"no names", {}, 118, ""},
        {"named id", {{118, "DNP3 Outstation"}}, 118, "DNP3 Outstation"},
        {"124 with 114", {{114, "Data Logging"}, {124, "Upload"}}, 124, "Data Logging"},
        {"124 without 114", {{124, "Upload"}}, 124, ""},
        {"114 without 124", {{114, "Data Logging"}}, 124, ""},
        {"114 itself", {{114, "Data Logging"}, {124, "Upload"}}, 114, "Data Logging"},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        for (const auto& [id, name] : c.names)
            model.AddResourceName(id, QString::fromUtf8(name));
        EXPECT_EQ(model.GetResourceName(c.id), QString::fromUtf8(c.expected)) << c.label;
    }
}

TEST(ResourceNameTest, AnIdKeepsItsFirstName)
{
    CDataCenter model;
    model.AddResourceName(146, "RESTful API");
    model.AddResourceName(146, "Other");
    EXPECT_EQ(model.GetResourceName(146), "RESTful API");
}

TEST(ResourceCountTest, CountsComeFromTheSlotRecordsTheRegistersOrTheServiceTable)
{
    CDataCenter model;
    model.AddDIRecord(1, 16, 2, "DI", MakeDIChannels(16));
    model.AddSerialRecord(2, 4, 0, "S", MakeSerialPorts(4));
    model.AddHARTAIRecord(3, 8, 1, "H", MakeHARTAIChannels(8));
    model.AddNetworkRecord(0, 2, 0, "LAN", MakeLANPorts(2));
    model.AddPortTrunkRecord(4);
    model.InternalRegisters.ListForCode(1)->resize(3);
    model.InternalRegisters.ListForCode(18)->resize(2);

    const struct {
        int slot;
        int type;
        int expected;
    } cases[] = {
        {1, 1003, 16}, {2, 1003, 0},     {1, 1000, 0},     {2, 1000, 4},     {3, 1019, 8},     {0, 1001, 2},
        {4, 1017, 0},  {1, 1013, 65535}, {9, 1013, 65535}, {9, 1002, 65535}, {9, 1015, 65535}, {1, 1004, 0},
        {1, 1007, 0},  {0, 1501, 3},     {5, 1518, 2},     {0, 1505, 0},     {0, 1519, 0},     {0, 1500, 0},
        {0, 105, 1},   {0, 127, 1},      {0, 114, 3},      {0, 116, 2},      {0, 124, 2},      {0, 137, 2},
        {0, 138, 2},   {0, 143, 2},      {0, 117, 0},      {0, 146, 0},      {0, 104, 0},      {0, 0, 0},
        {0, 1020, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(model.GetResourceCount(c.slot, c.type), c.expected) << "slot " << c.slot << " type " << c.type;
}

TEST(InternalRegisterTest, CountsAndListsExistOnlyForCodes1To18)
{
    CDataCenter model;
    model.InternalRegisters.ListForCode(7)->resize(2);
    EXPECT_EQ(model.GetInternalTagCount(7), 2);
    for (const int code : {0, 19, -1})
        EXPECT_EQ(model.GetInternalTagCount(code), 0) << code;

    std::vector<InternalVariableRecord> list(5);
    model.GetResourceTypeList(7, list);
    EXPECT_EQ(list.size(), 2u);
    model.GetResourceTypeList(19, list);
    EXPECT_TRUE(list.empty());
}

TEST(InternalRegisterTest, NewRegisterHasNoTypeIndex)
{
    const InternalVariableRecord record;
    EXPECT_EQ(record.DataType, 999);
    EXPECT_EQ(record.Direction, 0);
    EXPECT_EQ(record.TagType, 0);
    EXPECT_TRUE(record.TextValue.isEmpty());
    EXPECT_EQ(record.Definition, TagDefinition{});
}

TEST(InternalRegisterTest, RemovingAnItemKeepsTheOrderOfTheOthers)
{
    CDataCenter model;
    auto& list = *model.InternalRegisters.ListForCode(13);
    for (const int id : {10, 11, 12, 11}) {
        InternalVariableRecord item;
        item.ChannelIndex = id;
        list.push_back(item);
    }

    EXPECT_EQ(model.RemoveInternalRegisterItem(13, 11), 1);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].ChannelIndex, 10);
    EXPECT_EQ(list[1].ChannelIndex, 12);
    EXPECT_EQ(list[2].ChannelIndex, 11);

    EXPECT_EQ(model.RemoveInternalRegisterItem(13, 99), 0);
    EXPECT_EQ(model.RemoveInternalRegisterItem(4, 10), 0);
    EXPECT_EQ(model.RemoveInternalRegisterItem(0, 10), 0);
    EXPECT_EQ(model.RemoveInternalRegisterItem(19, 10), 0);
    EXPECT_EQ(list.size(), 3u);
}

} // namespace
