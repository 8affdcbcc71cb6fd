// The change-module dialog: it shows the project's modules, offers the [New_Project] lists and
// hands back the choice; and the checks the change makes before it changes anything.
#include "CChangeModuleDlg.h"
#include "ModuleChange.h"
#include "ProjectDialogFixture.h"
#include "ProjectDialogIds.h"

#include <vector>

namespace {

using ChangeModuleDlgTest = ProjectDialogTest;

const QString kNA = QStringLiteral("N/A");

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

ModuleChoice choiceOf(const char* cpu, int slotCount, const char* power, const char* secondPower)
{
    return {text(cpu), slotCount, text(power), text(secondPower)};
}

struct Placed {
    int slot;
    const char* module;
};

void makeProject4100(CDataCenter& model, int slotCount, const char* power, const std::vector<Placed>& modules)
{
    MakeProject(model, true, slotCount, text(kCPU4100C), text(power));
    for (const Placed& placed : modules)
        PlaceModule(model, placed.slot, placed.module);
}

TEST_F(ChangeModuleDlgTest, TheCurrentModulesComeFromTheProject)
{
    CDataCenter model;
    const struct {
        const char* label;
        bool series4100;
        int slotCount;
        std::vector<Placed> modules;
        ModuleChoice current;
    } cases[] = {
        {"second power module in the last slot",
         true,
         9,
         {{9, kPower30W}},
         choiceOf(kCPU4100C, 9, kPower15W, kPower30W)},
        {"I/O module in the last slot", true, 9, {{9, kIOModule}}, choiceOf(kCPU4100C, 9, kPower15W, "N/A")},
        {"last slot empty", true, 12, {}, choiceOf(kCPU4100C, 12, kPower15W, "N/A")},
        {"not of the 4100 series", false, 4, {{4, kPower30W}}, choiceOf(kCPU4100C, 4, "N/A", "N/A")},
    };
    for (const auto& c : cases) {
        MakeProject(model, c.series4100, c.slotCount, text(kCPU4100C), text(kPower15W));
        for (const Placed& placed : c.modules)
            PlaceModule(model, placed.slot, placed.module);
        EXPECT_EQ(CurrentModuleChoice(model), c.current) << c.label;
        CChangeModuleDlg dialog(model);
        EXPECT_EQ(dialog.GetChoice(), c.current) << c.label << ": before the dialog is built";
    }
}

TEST_F(ChangeModuleDlgTest, TheCombosShowTheProjectsModules)
{
    CDataCenter model;
    const struct {
        const char* label;
        int slotCount;
        const char* power;
        std::vector<Placed> modules;
        const char* slotCountEntry;
        QStringList secondPowers;
        int secondPowerIndex;
        bool secondPowerEnabled;
        const char* secondPower;
    } cases[] = {
        {"9 slots with a second power module",
         9,
         kPower15W,
         {{9, kPower15W}},
         "9-Slot",
         Texts({"N/A", "ulTEK 4100-PK1-15W-T (slot 9)"}),
         1,
         true,
         kPower15W},
        {"9 slots without one: N/A is shown, not the first entry",
         9,
         kPower30W,
         {},
         "9-Slot",
         Texts({"ulTEK 4100-PK1-30W-T (slot 9)", "N/A"}),
         1,
         true,
         "N/A"},
        {"an I/O module in the last slot is no second power module",
         9,
         kPower30W,
         {{9, kIOModule}},
         "9-Slot",
         Texts({"ulTEK 4100-PK1-30W-T (slot 9)", "N/A"}),
         1,
         true,
         "N/A"},
        {"12 slots",
         12,
         kPower50W,
         {{12, kPower50W}},
         "12-Slot",
         Texts({"ulTEK 4100-PK2-50W-T(slot 12)", "ulTEK 4100-PK1-30W-T", "N/A"}),
         0,
         true,
         kPower50W},
        {"5 slots: no second power module to choose", 5, kPower15W, {{5, kIOModule}}, "5-Slot", {}, -1, false, "N/A"},
    };
    for (const auto& c : cases) {
        makeProject4100(model, c.slotCount, c.power, c.modules);
        CChangeModuleDlg dialog(model);
        ASSERT_TRUE(dialog.Create()) << c.label;
        EXPECT_EQ(dialog.itemText(kComboChangeCPU), text(kCPU4100C)) << c.label;
        EXPECT_EQ(dialog.itemText(kComboChangeSlotCount), text(c.slotCountEntry)) << c.label;
        EXPECT_EQ(dialog.itemText(kComboChangePower), text(c.power)) << c.label;
        const QComboBox* second = dialog.item<QComboBox>(kComboChangeSecondPower);
        EXPECT_EQ(ComboTexts(second), c.secondPowers) << c.label;
        EXPECT_EQ(second->currentIndex(), c.secondPowerIndex) << c.label;
        EXPECT_EQ(second->isEnabled(), c.secondPowerEnabled) << c.label;
        for (int id : {kComboChangeCPU, kComboChangeSlotCount, kComboChangePower})
            EXPECT_TRUE(dialog.control(id)->isEnabled()) << c.label << ", control " << id;

        // OK without a change hands back the project's own modules, which nothing blocks.
        const ModuleChoice current = CurrentModuleChoice(model);
        EXPECT_EQ(dialog.GetChoice(), current) << c.label;
        EXPECT_EQ(dialog.GetChoice().secondPowerModule, text(c.secondPower)) << c.label;
        EXPECT_EQ(FindSlotBlockingModuleChange(model, dialog.GetChoice()), 0) << c.label;
        Click(dialog.control(IDOK));
        EXPECT_EQ(dialog.result(), IDOK) << c.label;
    }
}

TEST_F(ChangeModuleDlgTest, PowerAndSlotCountChangesRefillTheSecondPowerModules)
{
    CDataCenter model;
    makeProject4100(model, 9, kPower15W, {{9, kPower15W}});
    CChangeModuleDlg dialog(model);
    ASSERT_TRUE(dialog.Create());
    QComboBox* slotCount = dialog.item<QComboBox>(kComboChangeSlotCount);
    QComboBox* power = dialog.item<QComboBox>(kComboChangePower);
    QComboBox* second = dialog.item<QComboBox>(kComboChangeSecondPower);

    ASSERT_TRUE(Pick(power, kPower30W));
    EXPECT_EQ(ComboTexts(second), Texts({"ulTEK 4100-PK1-30W-T (slot 9)", "N/A"}));
    EXPECT_EQ(dialog.GetChoice(), choiceOf(kCPU4100C, 9, kPower30W, kPower30W)) << "the first entry of the new list";

    ASSERT_TRUE(Pick(slotCount, "5-Slot"));
    EXPECT_FALSE(second->isEnabled());
    EXPECT_EQ(second->currentIndex(), 0);
    EXPECT_EQ(dialog.GetChoice().slotCount, 5);

    ASSERT_TRUE(Pick(slotCount, "12-Slot"));
    EXPECT_TRUE(second->isEnabled());
    EXPECT_EQ(ComboTexts(second), Texts({"ulTEK 4100-PK1-30W-T (slot 12)", "N/A"}));
    ASSERT_TRUE(Pick(second, "N/A"));
    ASSERT_TRUE(Pick(dialog.item<QComboBox>(kComboChangeCPU), "ulTEK 4100-CPU35-C-T"));
    EXPECT_EQ(dialog.GetChoice(), choiceOf("ulTEK 4100-CPU35-C-T", 12, kPower30W, "N/A"));
}

TEST_F(ChangeModuleDlgTest, OtherSeriesChangeOnlyTheCPU)
{
    CDataCenter model;
    MakeProject(model, false, 4, QStringLiteral("ulTEK 4100-CPU35-I-T"));
    model.SetIECMode(1);
    CChangeModuleDlg dialog(model);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(ComboTexts(dialog.item<QComboBox>(kComboChangeCPU)),
              Texts({"ulTEK 4100-CPU15-I-T", "ulTEK 4100-CPU35-I-T"}))
        << "the IEC 61131-3 variant's list";
    EXPECT_EQ(dialog.itemText(kComboChangeCPU), QStringLiteral("ulTEK 4100-CPU35-I-T"));
    EXPECT_TRUE(dialog.control(kComboChangeCPU)->isEnabled());
    for (int id : {kComboChangeSlotCount, kComboChangePower, kComboChangeSecondPower}) {
        EXPECT_FALSE(dialog.control(id)->isEnabled()) << id;
        EXPECT_EQ(dialog.item<QComboBox>(id)->count(), 0) << id;
    }
    ASSERT_TRUE(Pick(dialog.item<QComboBox>(kComboChangeCPU), "ulTEK 4100-CPU15-I-T"));
    EXPECT_EQ(dialog.GetChoice(), choiceOf("ulTEK 4100-CPU15-I-T", 4, "N/A", "N/A"));
    EXPECT_TRUE(dialog.control(IDOK)->isEnabled());
}

TEST_F(ChangeModuleDlgTest, WithoutTheListsNothingCanBeChosen)
{
    UseDefaultSettings(nullptr);
    CDataCenter model;
    makeProject4100(model, 9, kPower15W, {{9, kPower30W}});
    CChangeModuleDlg dialog(model);
    ASSERT_TRUE(dialog.Create());
    for (int id : {kComboChangeCPU, kComboChangeSlotCount, kComboChangePower, kComboChangeSecondPower})
        EXPECT_EQ(dialog.item<QComboBox>(id)->count(), 0) << id;
    EXPECT_FALSE(dialog.control(IDOK)->isEnabled());
    Click(dialog.control(IDOK));
    EXPECT_NE(dialog.result(), IDOK);
    EXPECT_EQ(dialog.GetChoice(), CurrentModuleChoice(model)) << "the values stay the project's";
}

TEST_F(ChangeModuleDlgTest, ASlotInUseBlocksTheChangeBeforeAnythingChanges)
{
    CDataCenter model;
    const struct {
        const char* label;
        int slotCount;
        std::vector<Placed> modules;
        int newCount;
        const char* newSecondPower;
        int blockedSlot;
    } cases[] = {
        {"fewer slots: the first used slot above the new count", 9, {{9, kIOModule}, {7, kIOModule}}, 5, "N/A", 7},
        {"fewer slots: the second power module goes with them", 9, {{9, kPower15W}, {4, kIOModule}}, 5, "N/A", 0},
        {"fewer slots: a power module that is not the last slot's stays in the way",
         12,
         {{10, kPower15W}},
         9,
         "N/A",
         10},
        {"fewer slots: an I/O module in the old last slot", 12, {{12, kIOModule}}, 9, kPower15W, 12},
        {"a second power module into a slot holding an I/O module", 9, {{9, kIOModule}}, 9, kPower15W, 9},
        {"a second power module replacing another", 9, {{9, kPower30W}}, 9, kPower15W, 0},
        {"no second power module: the last slot may hold anything", 9, {{9, kIOModule}}, 9, "N/A", 0},
        {"the new last slot of fewer slots", 9, {{5, kIOModule}}, 5, kPower15W, 5},
        {"more slots: switch and port trunks move up into free slots",
         9,
         {{8, kSwitch}, {7, kPortTrunk}, {6, kPortTrunk}, {5, kIOModule}},
         12,
         kPower15W,
         0},
        {"more slots, an empty project", 9, {}, 12, "N/A", 0},
        {"a port trunk that would move below slot 1", 12, {{2, kPortTrunk}}, 5, "N/A", 2},
        {"a port trunk that would move onto an I/O module", 9, {{4, kPortTrunk}, {7, kIOModule}}, 12, "N/A", 7},
    };
    for (const auto& c : cases) {
        makeProject4100(model, c.slotCount, kPower15W, c.modules);
        const ModuleChoice wanted{text(kCPU4100C), c.newCount, text(kPower15W), text(c.newSecondPower)};
        EXPECT_EQ(FindSlotBlockingModuleChange(model, wanted), c.blockedSlot) << c.label;

        boxes.Clear();
        EXPECT_EQ(CheckModuleChangeSlots(model, wanted), c.blockedSlot == 0) << c.label;
        if (c.blockedSlot == 0) {
            EXPECT_TRUE(boxes.boxes().isEmpty()) << c.label;
            continue;
        }
        ASSERT_EQ(boxes.boxes().size(), 1) << c.label;
        EXPECT_EQ(boxes.boxes()[0].text,
                  QStringLiteral("The slot %1 is in use.Please remove it first.").arg(c.blockedSlot))
            << c.label;
        EXPECT_EQ(boxes.boxes()[0].flags & kMessageBoxButtonsMask, MB_OK) << c.label;
    }
}

TEST(ModuleChangeTest, PowerModulesAreKnownByTheirCode)
{
    const struct {
        const char* name;
        bool power;
    } cases[] = {
        {"ulTEK 4100-PK1-15W-T", true},
        {"ulTEK 4100-PK2-50W-T", true},
        {"ulTEK 4100-PK3-T", false},
        {"ulTEK 4100-pk1-15W-T", false},
        {kIOModule, false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPowerModule(text(c.name)), c.power) << c.name;
}

} // namespace
