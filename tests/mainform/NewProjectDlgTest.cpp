// The new-project dialogs: the [New_Project] lists they offer, the CPU dialog of the 4100 series
// and the values they hand back.
#include "CNewProjectCPUDlg.h"
#include "CNewProjectDlg.h"
#include "LanguagePack.h"
#include "NewProjectLists.h"
#include "ProjectDialogFixture.h"
#include "ProjectDialogIds.h"

#include "../platform/UiDriving.h"

#include <QLineEdit>

namespace {

using NewProjectDlgTest = ProjectDialogTest;

QComboBox* combo(const DialogControls& dialog, int id)
{
    return dialog.item<QComboBox>(id);
}

bool isOKEnabled(const DialogControls& dialog)
{
    return dialog.control(IDOK)->isEnabled();
}

TEST(NewProjectListsTest, EntriesAndSlotCountsAreReadAsWritten)
{
    const struct {
        const char* entry;
        int slotCount;
    } slotCounts[] = {
        {"9-Slot", 9}, {"12-Slot (most)", 12}, {"5", 5}, {" 5-x", 5}, {"", 0}, {"Slot-9", 0},
    };
    for (const auto& c : slotCounts)
        EXPECT_EQ(SlotCountOfEntry(QString::fromUtf8(c.entry)), c.slotCount) << c.entry;

    const struct {
        const char* entry;
        const char* name;
    } names[] = {
        {"ulTEK 4100-PK1-15W-T (slot 9)", "ulTEK 4100-PK1-15W-T"},
        {"ulTEK 4100-PK1-15W-T(slot 9)", "ulTEK 4100-PK1-15W-T"}, // no blank: the name keeps its last letter
        {"ulTEK 4100-PK1-15W-T", "ulTEK 4100-PK1-15W-T"},         // no comment: the whole name
        {"N/A", "N/A"},
        {"", ""},
    };
    for (const auto& c : names)
        EXPECT_EQ(ModuleNameWithoutComment(QString::fromUtf8(c.entry)), QString::fromUtf8(c.name)) << c.entry;
}

TEST_F(NewProjectDlgTest, ListsAreSplitAtEachCommaAndReadWhole)
{
    QByteArray longList = "[New_Project]\nProduct_Series=";
    QStringList expected;
    for (int i = 0; i < 20; ++i)
        expected.append(QStringLiteral("ulTEK Series Number %1").arg(i));
    longList += expected.join(u',').toUtf8() + "\nulTEK_2300_mode=a,,b,\n";
    UseDefaultSettings(longList.constData());

    const NewProjectLists lists = ReadNewProjectLists();
    EXPECT_EQ(lists.series, expected) << "a long value keeps its last entries whole";
    EXPECT_EQ(lists.models2300, Texts({"a", "", "b", ""})) << "not trimmed, empty entries kept";
    EXPECT_EQ(lists.models4200, QStringList{QString()}) << "a missing key gives one empty entry";

    UseDefaultSettings(nullptr);
    EXPECT_TRUE(ReadNewProjectLists().series.isEmpty()) << "no DefaultSettings.ini: nothing offered";
}

TEST_F(NewProjectDlgTest, TheModelListFollowsTheSeries)
{
    CNewProjectDlg dialog;
    ASSERT_TRUE(dialog.Create());
    QComboBox* series = combo(dialog, kComboProductSeries);
    QComboBox* models = combo(dialog, kComboProductModel);
    EXPECT_EQ(ComboTexts(series), Texts({"ulTEK 2300", "ulTEK 4200", "ulTEK 4100", "ulTEK 9999"}));
    EXPECT_EQ(series->currentIndex(), 0);

    const QStringList models4100 =
        Texts({"ulTEK 4100 C/C++ Series", "ulTEK 4100 IEC 61131-3 Series", "ulTEK 4100 Other"});
    const struct {
        const char* series;
        QStringList models;
    } cases[] = {
        {"ulTEK 4200", Texts({"ulTEK 4201", "ulTEK 4202"})},
        {"ulTEK 4100", models4100},
        {"ulTEK 9999", models4100}, // any other series
        {"ulTEK 2300", Texts({"ulTEK 2301", "ulTEK 2302"})},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Pick(series, c.series));
        EXPECT_EQ(ComboTexts(models), c.models) << c.series;
        EXPECT_EQ(models->currentIndex(), 0) << c.series;
        EXPECT_EQ(dialog.GetModel(), c.models.first()) << c.series;
    }
}

TEST_F(NewProjectDlgTest, AModelOutsideThe4100SeriesEndsWithoutTheCPUDialog)
{
    CNewProjectDlg dialog;
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(Pick(combo(dialog, kComboProductSeries), "ulTEK 4200"));
    ASSERT_TRUE(Pick(combo(dialog, kComboProductModel), "ulTEK 4202"));
    dialog.item<QLineEdit>(kEditProjectName)->setText(QStringLiteral("Pump station"));

    bool cpuDialogOpened = false;
    WhenOpened<CNewProjectCPUDlg>([&](CNewProjectCPUDlg& cpu) {
        cpuDialogOpened = true;
        Click(cpu.control(IDCANCEL));
    });
    Click(dialog.control(IDOK));
    QApplication::processEvents();

    EXPECT_FALSE(cpuDialogOpened);
    EXPECT_EQ(dialog.result(), IDOK);
    EXPECT_EQ(dialog.GetProjectName(), QStringLiteral("Pump station"));
    EXPECT_EQ(dialog.GetModel(), QStringLiteral("ulTEK 4202"));
    EXPECT_EQ(dialog.GetPowerModule(), QStringLiteral("N/A"));
    EXPECT_EQ(dialog.GetSecondPowerModule(), QStringLiteral("N/A"));
    EXPECT_EQ(dialog.GetSlotCount(), 0);

    // "ulTEK 4100 Other" is not one of the two models the CPU dialog completes.
    CNewProjectDlg other;
    ASSERT_TRUE(other.Create());
    ASSERT_TRUE(Pick(combo(other, kComboProductSeries), "ulTEK 4100"));
    ASSERT_TRUE(Pick(combo(other, kComboProductModel), "ulTEK 4100 Other"));
    Click(other.control(IDOK));
    EXPECT_EQ(other.result(), IDOK);
    EXPECT_EQ(other.GetModel(), QStringLiteral("ulTEK 4100 Other"));
}

TEST_F(NewProjectDlgTest, TheNameIsRequired)
{
    CNewProjectDlg dialog;
    ASSERT_TRUE(dialog.Create());
    auto* name = dialog.item<QLineEdit>(kEditProjectName);
    EXPECT_EQ(name->text(), LoadLangString(kStringDefaultProjectName));
    EXPECT_FALSE(name->text().isEmpty());
    EXPECT_EQ(name->selectedText(), name->text()) << "the proposed name is selected, so typing replaces it";
    EXPECT_TRUE(isOKEnabled(dialog));

    name->clear();
    EXPECT_FALSE(isOKEnabled(dialog));
    Click(dialog.control(IDOK)); // a disabled button does not click; the handler refuses as well
    EXPECT_NE(dialog.result(), IDOK);

    UiDriving::TypeText(name, QStringLiteral("A"));
    EXPECT_TRUE(isOKEnabled(dialog));
    EXPECT_EQ(dialog.GetProjectName(), QStringLiteral("A"));
}

TEST_F(NewProjectDlgTest, WithoutAModelToChooseOKStaysDisabled)
{
    const struct {
        const char* label;
        const char* settings;
    } cases[] = {
        {"no DefaultSettings.ini", nullptr},
        {"no model list", "[New_Project]\nProduct_Series=ulTEK 2300\n"},
    };
    for (const auto& c : cases) {
        UseDefaultSettings(c.settings);
        CNewProjectDlg dialog;
        ASSERT_TRUE(dialog.Create()) << c.label;
        EXPECT_FALSE(isOKEnabled(dialog)) << c.label;
        Click(dialog.control(IDOK));
        EXPECT_NE(dialog.result(), IDOK) << c.label;
    }
}

TEST_F(NewProjectDlgTest, The4100ModelsAreCompletedByTheCPUDialog)
{
    const struct {
        const char* model;
        int variant;
        QStringList cpus;
    } cases[] = {
        {"ulTEK 4100 C/C++ Series", kVariantC, Texts({"ulTEK 4100-CPU15-C-T", "ulTEK 4100-CPU35-C-T"})},
        {"ulTEK 4100 IEC 61131-3 Series", kVariantIEC, Texts({"ulTEK 4100-CPU15-I-T", "ulTEK 4100-CPU35-I-T"})},
    };
    for (const auto& c : cases) {
        CNewProjectDlg dialog;
        ASSERT_TRUE(dialog.Create());
        ASSERT_TRUE(Pick(combo(dialog, kComboProductSeries), "ulTEK 4100"));
        ASSERT_TRUE(Pick(combo(dialog, kComboProductModel), c.model));

        int variant = -1;
        QStringList cpus;
        WhenOpened<CNewProjectCPUDlg>([&](CNewProjectCPUDlg& cpu) {
            variant = cpu.GetVariant();
            cpus = ComboTexts(combo(cpu, kComboNewProjectCPU));
            Pick(combo(cpu, kComboNewProjectCPU), c.cpus.last());
            Pick(combo(cpu, kComboNewProjectSlotCount), "12-Slot");
            Pick(combo(cpu, kComboNewProjectPower), kPower30W);
            Pick(combo(cpu, kComboNewProjectSecondPower), "ulTEK 4100-PK1-30W-T (slot 12)");
            Click(cpu.control(IDOK));
        });
        Click(dialog.control(IDOK));

        EXPECT_EQ(variant, c.variant) << c.model;
        EXPECT_EQ(cpus, c.cpus) << c.model;
        EXPECT_EQ(dialog.result(), IDOK) << c.model;
        EXPECT_EQ(dialog.GetModel(), c.cpus.last()) << "the CPU module names the model";
        EXPECT_EQ(dialog.GetSlotCount(), 12) << c.model;
        EXPECT_EQ(dialog.GetPowerModule(), QString::fromUtf8(kPower30W)) << c.model;
        EXPECT_EQ(dialog.GetSecondPowerModule(), QString::fromUtf8(kPower30W)) << "without its comment";
    }
}

TEST_F(NewProjectDlgTest, CancellingTheCPUDialogKeepsTheFirstDialogOpenAsItWas)
{
    CNewProjectDlg dialog;
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(Pick(combo(dialog, kComboProductSeries), "ulTEK 4100"));
    bool opened = false;
    WhenOpened<CNewProjectCPUDlg>([&](CNewProjectCPUDlg& cpu) {
        opened = true;
        Pick(combo(cpu, kComboNewProjectPower), kPower50W);
        Click(cpu.control(IDCANCEL));
    });
    Click(dialog.control(IDOK));

    EXPECT_TRUE(opened);
    EXPECT_NE(dialog.result(), IDOK) << "the dialog stays open";
    EXPECT_EQ(dialog.GetModel(), QStringLiteral("ulTEK 4100 C/C++ Series"));
    EXPECT_EQ(dialog.GetPowerModule(), QStringLiteral("N/A"));
    EXPECT_EQ(dialog.GetSecondPowerModule(), QStringLiteral("N/A"));
    EXPECT_EQ(dialog.GetSlotCount(), 0);
}

struct SecondPowerState {
    QStringList entries;
    bool enabled = false;
    ModuleChoice choice;
};

SecondPowerState secondPowerState(const CNewProjectCPUDlg& cpu)
{
    const QComboBox* second = combo(cpu, kComboNewProjectSecondPower);
    return {ComboTexts(second), second->isEnabled(), cpu.GetChoice()};
}

TEST_F(NewProjectDlgTest, TheCPUDialogStartsWithTheFirstEntries)
{
    CNewProjectCPUDlg cpu(nullptr);
    cpu.SetVariant(kVariantC);
    ASSERT_TRUE(cpu.Create());
    EXPECT_EQ(ComboTexts(combo(cpu, kComboNewProjectSlotCount)), Texts({"9-Slot", "5-Slot", "12-Slot", "7-Slot"}));
    const SecondPowerState state = secondPowerState(cpu);
    // The first slot count (9) is applied: the 9-slot list of the first power module (15 W).
    EXPECT_EQ(state.entries, Texts({"N/A", "ulTEK 4100-PK1-15W-T (slot 9)"}));
    EXPECT_TRUE(state.enabled);
    EXPECT_EQ(state.choice,
              (ModuleChoice{QString::fromUtf8(kCPU4100C), 9, QString::fromUtf8(kPower15W), QStringLiteral("N/A")}));
    EXPECT_TRUE(isOKEnabled(cpu));
}

TEST_F(NewProjectDlgTest, TheSlotCountAndThePowerModulePickTheSecondPowerList)
{
    const QStringList list9For30W = Texts({"ulTEK 4100-PK1-30W-T (slot 9)", "N/A"});
    const QStringList list12For50W = Texts({"ulTEK 4100-PK2-50W-T(slot 12)", "ulTEK 4100-PK1-30W-T", "N/A"});
    const struct {
        const char* label;
        const char* slotCount;
        const char* power;
        QStringList entries;
        bool enabled;
        int count;
        const char* secondPower;
    } cases[] = {
        {"9 slots, 30 W", "9-Slot", kPower30W, list9For30W, true, 9, kPower30W},
        {"12 slots, 50 W", "12-Slot", kPower50W, list12For50W, true, 12, kPower50W},
        {"a number neither 5 nor 9 counts as 12", "7-Slot", kPower50W, list12For50W, true, 12, kPower50W},
        {"5 slots keep the list and its first entry, disabled", "5-Slot", kPower30W, list9For30W, false, 5, kPower30W},
        {"a power module of unknown wattage offers none", "12-Slot", "ulTEK 4100-PK1-15W", {}, true, 12, "N/A"},
    };
    for (const auto& c : cases) {
        CNewProjectCPUDlg cpu(nullptr);
        ASSERT_TRUE(cpu.Create());
        ASSERT_TRUE(Pick(combo(cpu, kComboNewProjectSlotCount), "9-Slot")) << c.label;
        ASSERT_TRUE(Pick(combo(cpu, kComboNewProjectPower), c.power)) << c.label;
        ASSERT_TRUE(Pick(combo(cpu, kComboNewProjectSlotCount), c.slotCount)) << c.label;
        const SecondPowerState state = secondPowerState(cpu);
        EXPECT_EQ(state.entries, c.entries) << c.label;
        EXPECT_EQ(combo(cpu, kComboNewProjectSecondPower)->currentIndex(), c.entries.isEmpty() ? -1 : 0) << c.label;
        EXPECT_EQ(state.enabled, c.enabled) << c.label;
        EXPECT_EQ(state.choice.slotCount, c.count) << c.label;
        EXPECT_EQ(state.choice.powerModule, QString::fromUtf8(c.power)) << c.label;
        EXPECT_EQ(state.choice.secondPowerModule, QString::fromUtf8(c.secondPower)) << c.label;
    }
}

TEST_F(NewProjectDlgTest, APickedSecondPowerModuleLosesItsComment)
{
    CNewProjectCPUDlg cpu(nullptr);
    ASSERT_TRUE(cpu.Create());
    ASSERT_TRUE(Pick(combo(cpu, kComboNewProjectSlotCount), "12-Slot"));
    ASSERT_TRUE(Pick(combo(cpu, kComboNewProjectPower), kPower50W));
    QComboBox* second = combo(cpu, kComboNewProjectSecondPower);
    const struct {
        const char* entry;
        const char* module;
    } cases[] = {
        {"N/A", "N/A"},
        {"ulTEK 4100-PK1-30W-T", "ulTEK 4100-PK1-30W-T"},
        {"ulTEK 4100-PK2-50W-T(slot 12)", "ulTEK 4100-PK2-50W-T"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Pick(second, c.entry)) << c.entry;
        EXPECT_EQ(cpu.GetChoice().secondPowerModule, QString::fromUtf8(c.module)) << c.entry;
    }
}

TEST_F(NewProjectDlgTest, TheCPUDialogNeedsItsLists)
{
    const struct {
        const char* label;
        const char* settings;
    } cases[] = {
        {"no DefaultSettings.ini", nullptr},
        {"no CPU list", "[New_Project]\nulTEK_4100_Max_Slot_Count=9\nulTEK_4100_Power1=ulTEK 4100-PK1-15W-T\n"},
        {"no power list", "[New_Project]\nulTEK_4100_Max_Slot_Count=9\nulTEK_4100_C_CPU=ulTEK 4100-CPU15-C-T\n"},
    };
    for (const auto& c : cases) {
        UseDefaultSettings(c.settings);
        CNewProjectCPUDlg cpu(nullptr);
        ASSERT_TRUE(cpu.Create()) << c.label;
        EXPECT_FALSE(isOKEnabled(cpu)) << c.label;
        Click(cpu.control(IDOK));
        EXPECT_NE(cpu.result(), IDOK) << c.label;
    }
}

} // namespace
