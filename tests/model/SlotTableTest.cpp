#include "CDataCenter.h"
#include "SlotRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(SlotTableTest, MaxSlotCountSizesTheTableBySeries)
{
    const struct {
        int series4100;
        int count;
        size_t expectedSlots;
    } cases[] = {{0, 8, 9}, {0, 0, 1}, {0, 4, 5}, {0, -5, 0}, {1, 8, 16}, {1, 4, 16}, {1, 15, 16}};
    for (const auto& c : cases) {
        CDataCenter model;
        model.SetSeries4100(c.series4100);
        model.SetMaxSlotCount(c.count);
        EXPECT_EQ(model.MaxSlotCount, c.count) << c.series4100 << " " << c.count;
        EXPECT_EQ(model.Slots.size(), c.expectedSlots) << c.series4100 << " " << c.count;
    }
}

TEST(SlotTableTest, ResizingKeepsExistingSlots)
{
    CDataCenter model;
    model.SetMaxSlotCount(4);
    model.SetSlotName(2, "41M-2000");
    model.SetMaxSlotCount(8);
    EXPECT_EQ(model.GetSlotName(2), "41M-2000");
    model.SetMaxSlotCount(1);
    EXPECT_EQ(model.Slots.size(), 2u);
    model.SetMaxSlotCount(4);
    EXPECT_TRUE(model.GetSlotName(2).isEmpty());
}

TEST(SlotTableTest, SlotUsedChangesTheMask)
{
    const struct {
        quint16 before;
        int slot;
        int on;
        quint16 after;
    } cases[] = {
        {0b10110, 0, 1, 1}, {0b10110, 0, 0, 0}, {0, 3, 1, 0b1000},     {0b1000, 3, 0, 0},     {0b1, 15, 1, 0x8001},
        {0x1, 16, 1, 0x1},  {0x1, 40, 1, 0x1},  {0b110, -1, 1, 0b111}, {0b111, -2, 0, 0b110}, {0b1010, 1, 0, 0b1000},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        model.SlotMask = c.before;
        model.SetSlotUsed(c.slot, c.on);
        EXPECT_EQ(model.GetSlotMask(), c.after) << c.before << " slot " << c.slot << " on " << c.on;
    }
}

TEST(SlotTableTest, SlotUsedAnswersWithTheBitValue)
{
    CDataCenter model;
    model.SetSlotUsed(3, 1);
    model.SetSlotUsed(15, 1);
    const struct {
        int slot;
        int expected;
    } cases[] = {{3, 8}, {15, 0x8000}, {2, 0}, {16, 0}, {31, 0}, {-1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(model.IsSlotUsed(c.slot), c.expected) << c.slot;
    model.SetSlotUsed(0, 1);
    EXPECT_EQ(model.IsSlotUsed(-4), 1);
}

TEST(SlotTableTest, ApidIsNullWithoutSuchSlot)
{
    CDataCenter model;
    EXPECT_EQ(model.GetSlotApid(0), "NULL");
    model.SetMaxSlotCount(2);
    model.SetSlotApid(1, "3508");
    EXPECT_EQ(model.GetSlotApid(1), "3508");
    EXPECT_EQ(model.GetSlotApid(0), "");
    EXPECT_EQ(model.GetSlotApid(3), "NULL");
    EXPECT_EQ(model.GetSlotApid(-1), "NULL");
}

TEST(SlotTableTest, SlotIndexesPastTheTableChangeNothing)
{
    CDataCenter model;
    model.SetMaxSlotCount(2);
    for (const int slot : {-1, 3, 16, 1000}) {
        model.SetSlotName(slot, "X");
        model.SetSlotApid(slot, "X");
        model.AppendSlotChannelGroup(slot, "DI", 1003);
        model.ClearSlotModuleName(slot);
        model.ClearSlotModuleText(slot);
        EXPECT_TRUE(model.GetSlotName(slot).isEmpty()) << slot;
        EXPECT_EQ(model.SlotHasModule(slot), 0) << slot;
        std::vector<ChannelGroupEntry> groups{{"old", 1}};
        EXPECT_EQ(model.GetSlotChannelGroups(slot, groups), 0) << slot;
        EXPECT_TRUE(groups.empty()) << slot;
    }
    for (const SlotRecord& record : model.Slots) {
        EXPECT_TRUE(record.Name.isEmpty());
        EXPECT_TRUE(record.APID.isEmpty());
        EXPECT_TRUE(record.ChannelGroups.empty());
    }
}

TEST(SlotTableTest, ClearingSlotZeroClearsEverySlot)
{
    CDataCenter model;
    model.SetMaxSlotCount(3);
    for (int slot = 0; slot <= 3; ++slot) {
        model.SetSlotName(slot, QString("M%1").arg(slot));
        model.SetSlotApid(slot, QString("A%1").arg(slot));
    }
    model.ClearSlotModuleName(2);
    model.ClearSlotModuleText(3);
    EXPECT_TRUE(model.GetSlotName(2).isEmpty());
    EXPECT_EQ(model.GetSlotName(3), "M3");
    EXPECT_TRUE(model.GetSlotApid(3).isEmpty());
    EXPECT_EQ(model.GetSlotApid(2), "A2");

    model.ClearSlotModuleName(0);
    model.ClearSlotModuleText(0);
    for (int slot = 0; slot <= 3; ++slot) {
        EXPECT_TRUE(model.GetSlotName(slot).isEmpty()) << slot;
        EXPECT_TRUE(model.GetSlotApid(slot).isEmpty()) << slot;
    }
}

TEST(SlotTableTest, TagPrefixIsTheFirstGroupOfTheTypeWithinTheSlotCount)
{
    CDataCenter model;
    model.SetSeries4100(1);
    model.SetMaxSlotCount(4);
    model.AppendSlotChannelGroup(2, "DI", 1003);
    model.AppendSlotChannelGroup(2, "DI2", 1003);
    model.AppendSlotChannelGroup(5, "AI", 1008);
    model.AppendSlotChannelGroup(15, "PWR", 1015);
    EXPECT_EQ(model.SlotHasModule(2), 1);
    EXPECT_EQ(model.SlotHasModule(3), 0);

    const struct {
        int slot;
        int type;
        const char* expected;
    } cases[] = {{2, 1003, "DI"}, {2, 1008, ""}, {5, 1008, ""}, {15, 1015, "PWR"}, {-1, 1003, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(model.GetSlotTagPrefix(c.slot, c.type), c.expected) << c.slot << " " << c.type;
}

TEST(SlotTableTest, PowerSlotPastASmallTableHasNoPrefix)
{
    CDataCenter model;
    model.SetMaxSlotCount(4); // five slots: slot 15 is not in the table
    EXPECT_TRUE(model.GetSlotTagPrefix(15, 1015).isEmpty());
}

TEST(SlotTableTest, ModuleTypesAreRecognisedByTheirNumber)
{
    const struct {
        const char* name;
        int portTrunk;
        int ethernetSwitch;
    } cases[] = {{"41M-3302U-T", 1, 0}, {"41M-3320M-T", 0, 1}, {"41M-3508-T", 0, 0}, {"", 0, 0}, {"33023320", 1, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsPortTrunkModule(QString::fromUtf8(c.name)), c.portTrunk) << c.name;
        EXPECT_EQ(IsSwitchModule(QString::fromUtf8(c.name)), c.ethernetSwitch) << c.name;
    }
}

} // namespace
