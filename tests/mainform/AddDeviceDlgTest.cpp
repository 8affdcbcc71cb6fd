// The add-module dialog: which slots each kind of module is offered, OK only for an allowed
// place, and the per-project limits of [Slot_Limit].
#include "CAddDeviceDlg.h"
#include "ModulePlacement.h"
#include "ProjectDialogFixture.h"
#include "ProjectDialogIds.h"

#include <vector>

namespace {

using AddDeviceDlgTest = ProjectDialogTest;

struct Placed {
    int slot;
    const char* module;
};

SlotLayout layoutOf(int slotCount, std::initializer_list<Placed> modules)
{
    SlotLayout layout;
    layout.slotCount = slotCount;
    layout.slotMask = SlotBit(0);
    for (int slot = 0; slot < 16; ++slot)
        layout.names.append(slot == 0 ? QString::fromUtf8(kCPU4100C) : QString());
    for (const Placed& placed : modules) {
        layout.slotMask |= SlotBit(placed.slot);
        layout.names[placed.slot] = QString::fromUtf8(placed.module);
    }
    return layout;
}

// A layout whose slot 0 is not marked in use.
SlotLayout withoutCPU(SlotLayout layout)
{
    layout.slotMask &= static_cast<quint16>(~SlotBit(0));
    return layout;
}

QList<int> slotList(std::initializer_list<int> numbers)
{
    return QList<int>(numbers);
}

TEST(ModulePlacementTest, EachKindOfModuleIsOfferedTheSlotsItsRuleAllows)
{
    const struct {
        const char* label;
        SlotLayout layout;
        const char* module;
        QList<int> offered;
    } cases[] = {
        // The switch module: the slot before the last, with the last one free as well.
        {"switch, empty project", layoutOf(9, {}), kSwitch, slotList({8})},
        {"switch, last slot used", layoutOf(9, {{9, kIOModule}}), kSwitch, {}},
        {"switch, slot before the last used", layoutOf(9, {{8, kPortTrunk}}), kSwitch, {}},
        {"switch, a switch already there", layoutOf(9, {{8, kSwitch}}), kSwitch, {}},
        // Port-trunk modules: a pair right before the switch module or the last slot.
        {"port trunk, empty project", layoutOf(9, {}), kPortTrunk, slotList({8})},
        {"port trunk, after a switch", layoutOf(9, {{8, kSwitch}}), kPortTrunk, slotList({7})},
        {"second port trunk", layoutOf(9, {{8, kPortTrunk}}), kPortTrunk, slotList({7})},
        {"second port trunk before a switch", layoutOf(9, {{8, kSwitch}, {7, kPortTrunk}}), kPortTrunk, slotList({6})},
        {"third port trunk", layoutOf(9, {{8, kPortTrunk}, {7, kPortTrunk}}), kPortTrunk, {}},
        {"port trunk, its slot holds another module", layoutOf(9, {{8, kIOModule}}), kPortTrunk, {}},
        {"port trunk, a 2-slot rack points at the CPU", layoutOf(2, {{1, kPortTrunk}}), kPortTrunk, {}},
        {"never slot 0, even when it is not marked", withoutCPU(layoutOf(1, {})), kSwitch, {}},
        {"never slot 0 for a port trunk either", withoutCPU(layoutOf(2, {{1, kPortTrunk}})), kPortTrunk, {}},
        // Ordinary modules: free slots before the first switch module.
        {"ordinary, empty project", layoutOf(5, {}), kIOModule, slotList({1, 2, 3, 4, 5})},
        {"ordinary, skips used slots", layoutOf(5, {{1, kIOModule}, {3, kPortTrunk}}), kIOModule, slotList({2, 4, 5})},
        {"ordinary, never after a switch", layoutOf(9, {{2, kIOModule}, {8, kSwitch}}), kIOModule,
         slotList({1, 3, 4, 5, 6, 7})},
        {"ordinary, full project", layoutOf(2, {{1, kIOModule}, {2, kIOModule}}), kIOModule, {}},
        {"an empty model name is an ordinary module", layoutOf(3, {{2, kIOModule}}), "", slotList({1, 3})},
    };
    for (const auto& c : cases) {
        const QString module = QString::fromUtf8(c.module);
        EXPECT_EQ(OfferedSlots(c.layout, module), c.offered) << c.label;
        for (int slot = 0; slot <= c.layout.slotCount + 1; ++slot)
            EXPECT_EQ(IsPlacementAllowed(c.layout, module, slot), c.offered.contains(slot))
                << c.label << ", slot " << slot;
    }
}

TEST(ModulePlacementTest, LimitKeysLoseOnlyTheirEnding)
{
    const struct {
        const char* module;
        const char* key;
    } cases[] = {
        {"ulTEK 4117-T", "ulTEK 4117"}, {"ulTEK 4117-CT", "ulTEK 4117"},    {"ulTEK 4118-TC-T", "ulTEK 4118-TC"},
        {"ulTEK 4117", "ulTEK 4117"},   {"ulTEK 4117-T-T", "ulTEK 4117-T"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SlotLimitKey(QString::fromUtf8(c.module)), QString::fromUtf8(c.key)) << c.module;
}

class AddDeviceProject : public AddDeviceDlgTest {
protected:
    void SetUp() override
    {
        AddDeviceDlgTest::SetUp();
        MakeProject(model, true, 9, QString::fromUtf8(kCPU4100C), QString::fromUtf8(kPower15W));
    }

    CDataCenter model;
};

TEST_F(AddDeviceProject, TheSlotListFollowsTheModule)
{
    PlaceModule(model, 1, kIOModule);
    CAddDeviceDlg dialog(model);
    ASSERT_TRUE(dialog.Create());
    QComboBox* modules = dialog.item<QComboBox>(kComboAddModule);
    QComboBox* slotCombo = dialog.item<QComboBox>(kComboAddSlot);
    EXPECT_EQ(ComboTexts(modules),
              Texts({"ulTEK 4117-T", "ulTEK 4117-CT", "ulTEK 3302-T", "ulTEK 3320-T", "ulTEK 4118-TC-T"}))
        << "the 4100 list for a 4100 series project";

    const struct {
        const char* module;
        QStringList offered;
    } cases[] = {
        {kSwitch, Texts({"8"})},
        {kPortTrunk, Texts({"8"})},
        {kIOModule, Texts({"2", "3", "4", "5", "6", "7", "8", "9"})},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Pick(modules, c.module));
        EXPECT_EQ(ComboTexts(slotCombo), c.offered) << c.module;
        EXPECT_EQ(slotCombo->currentIndex(), 0) << c.module;
        EXPECT_EQ(dialog.GetSlot(), c.offered.first().toInt()) << c.module;
        EXPECT_EQ(dialog.GetModule(), QString::fromUtf8(c.module));
        EXPECT_TRUE(dialog.control(IDOK)->isEnabled()) << c.module;
    }

    ASSERT_TRUE(Pick(slotCombo, "5"));
    EXPECT_EQ(dialog.GetSlot(), 5);
    Click(dialog.control(IDOK));
    EXPECT_EQ(dialog.result(), IDOK);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(AddDeviceProject, NoPlaceMeansNoOK)
{
    PlaceModule(model, 9, kIOModule);
    CAddDeviceDlg dialog(model);
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(Pick(dialog.item<QComboBox>(kComboAddModule), kSwitch));
    EXPECT_EQ(dialog.item<QComboBox>(kComboAddSlot)->count(), 0);
    EXPECT_FALSE(dialog.control(kComboAddSlot)->isEnabled());
    EXPECT_EQ(dialog.GetSlot(), 0);
    EXPECT_FALSE(dialog.control(IDOK)->isEnabled());
    Click(dialog.control(IDOK));
    EXPECT_NE(dialog.result(), IDOK);

    // An ordinary module goes on where the switch module could not.
    ASSERT_TRUE(Pick(dialog.item<QComboBox>(kComboAddModule), kIOModule));
    EXPECT_TRUE(dialog.control(kComboAddSlot)->isEnabled());
    EXPECT_TRUE(dialog.control(IDOK)->isEnabled());
}

TEST_F(AddDeviceProject, The4200ListAndNoListAtAll)
{
    MakeProject(model, false, 4, QStringLiteral("ulTEK 4200-CPU"));
    {
        CAddDeviceDlg dialog(model);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(ComboTexts(dialog.item<QComboBox>(kComboAddModule)), Texts({"ulTEK 4211-T", "ulTEK 3302-T"}));
        EXPECT_EQ(ComboTexts(dialog.item<QComboBox>(kComboAddSlot)), Texts({"1", "2", "3", "4"}));
    }
    UseDefaultSettings(nullptr);
    CAddDeviceDlg dialog(model);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.item<QComboBox>(kComboAddModule)->count(), 0);
    EXPECT_FALSE(dialog.control(IDOK)->isEnabled()) << "no module to add";
}

TEST_F(AddDeviceProject, TheSlotLimitRefusesOKAndKeepsTheDialogOpen)
{
    const struct {
        const char* label;
        std::vector<Placed> placed;
        const char* module;
        bool accepted;
        const char* message;
    } cases[] = {
        {"below the limit", {{1, "ulTEK 4117-T"}}, "ulTEK 4117-CT", true, nullptr},
        {"-T and -CT share the limit",
         {{1, "ulTEK 4117-T"}, {2, "ulTEK 4117-CT"}},
         "ulTEK 4117-T",
         false,
         "ulTEK 4117: the project already holds 2 of these modules, as many as it may hold."},
        {"a key with -T inside its name",
         {{3, "ulTEK 4118-TC-T"}},
         "ulTEK 4118-TC-T",
         false,
         "ulTEK 4118-TC: the project already holds 1 of these modules, as many as it may hold."},
        {"a limit of 0 is no limit", {{8, kPortTrunk}}, kPortTrunk, true, nullptr},
        {"a model without a key", {{1, kSwitch}}, kSwitch, true, nullptr},
    };
    for (const auto& c : cases) {
        MakeProject(model, true, 9, QString::fromUtf8(kCPU4100C), QString::fromUtf8(kPower15W));
        for (const Placed& placed : c.placed)
            PlaceModule(model, placed.slot, placed.module);
        boxes.Clear();
        CAddDeviceDlg dialog(model);
        ASSERT_TRUE(dialog.Create()) << c.label;
        ASSERT_TRUE(Pick(dialog.item<QComboBox>(kComboAddModule), c.module)) << c.label;
        ASSERT_TRUE(dialog.control(IDOK)->isEnabled()) << c.label;
        Click(dialog.control(IDOK));
        EXPECT_EQ(dialog.result() == IDOK, c.accepted) << c.label;
        if (c.message) {
            ASSERT_EQ(boxes.boxes().size(), 1) << c.label;
            EXPECT_EQ(boxes.boxes()[0].text, QString::fromUtf8(c.message)) << c.label;
            EXPECT_EQ(boxes.boxes()[0].flags & kMessageBoxButtonsMask, MB_OK) << c.label;
            Click(dialog.control(IDCANCEL));
            EXPECT_EQ(dialog.result(), IDCANCEL) << "Cancel still closes: " << c.label;
        } else {
            EXPECT_TRUE(boxes.boxes().isEmpty()) << c.label;
        }
    }
}

TEST_F(AddDeviceProject, RunsModallyAndEndsWithTheChoice)
{
    CAddDeviceDlg dialog(model);
    const int result = RunModal<CAddDeviceDlg>(dialog, [](CAddDeviceDlg& d) {
        Pick(d.item<QComboBox>(kComboAddModule), kPortTrunk);
        Click(d.control(IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.GetModule(), QString::fromUtf8(kPortTrunk));
    EXPECT_EQ(dialog.GetSlot(), 8);
}

} // namespace
