// The system log page: the model's log table shown and written on Apply, rows by product, the
// limit of six service debug flags, hidden rows keeping their values.
#include "CSystemLogOfflineSettingDlg.h"
#include "LanguagePack.h"
#include "PageHarness.h"
#include "Validation.h"

#include <QComboBox>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Page = CSystemLogOfflineSettingDlg;
const QString kApplied = QStringLiteral("[System Log] Apply setting successfully");

class SystemLogPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        ExpectControlsMatchTemplate(Page::kTemplateId, Page::Controls());
        model().LogEnable.Reset();
    }
    CDataCenter& model() { return harness_.model(); }
    void Show() { harness_.Show(node_); }
    const Page::Row& row(int entry) const { return Page::kRows[static_cast<size_t>(entry)]; }
    // Checks exactly the boxes of these entries.
    void CheckOnly(std::initializer_list<int> entries)
    {
        for (const Page::Row& each : Page::kRows)
            harness_.Set({{each.debugCheck, std::find(entries.begin(), entries.end(), each.entry) != entries.end()}});
    }
    QList<int> checkedEntries()
    {
        QList<int> checked;
        for (const Page::Row& each : Page::kRows)
            if (harness_.page().isItemChecked(each.debugCheck))
                checked << each.entry;
        return checked;
    }
    QList<int> debugFlags()
    {
        QList<int> flags;
        for (const LogEnableEntry& entry : model().LogEnable.Entries)
            flags << entry.debugFlag;
        return flags;
    }

    PageHarness<Page> harness_;
    const TreeNodeInfo node_ = NodeFor(141, QStringLiteral("System Log"));
};

TEST_F(SystemLogPageTest, ShowsTheModelsTableWithRowsByProduct)
{
    model().SetHSPA(0);
    model().SetRESTfulSupported(0);
    model().SetIECMode(0);
    model().ResourceNames.erase(118);
    model().LogEnable.Entries[3].debugFlag = 1;
    model().LogEnable.Entries[3].level = 0;
    model().LogEnable.Entries[0].storage = 0;
    Show();
    Page& page = harness_.page();
    EXPECT_EQ(checkedEntries(), QList<int>{3});
    EXPECT_EQ(page.item<QComboBox>(row(3).levelCombo)->currentIndex(), 0);
    EXPECT_EQ(page.item<QComboBox>(row(4).levelCombo)->currentIndex(), 1);
    EXPECT_EQ(page.item<QComboBox>(Page::kComboStorage)->currentIndex(), 0);
    EXPECT_EQ(page.itemText(Page::kStaticStorage), QStringLiteral("MicroSD"));
    EXPECT_EQ(page.item<QComboBox>(Page::kComboStorage)->itemText(1), LoadLangString(Page::kStringStorageOn));

    struct Visibility {
        int entry;
        bool visible;
    };
    for (const Visibility& v :
         {Visibility{0, true}, {1, true}, {2, false}, {7, false}, {10, false}, {11, false}, {12, false}}) {
        SCOPED_TRACE(v.entry);
        EXPECT_EQ(page.control(row(v.entry).debugCheck)->isVisible(), v.visible);
        EXPECT_EQ(page.control(row(v.entry).label)->isVisible(), v.visible);
    }

    model().SetHSPA(1);
    model().SetRESTfulSupported(1);
    model().SetIECMode(1);
    model().AddResourceName(118, QStringLiteral("DNP3 Outstation"));
    Show();
    for (int entry : {2, 7, 10, 11, 12})
        EXPECT_TRUE(page.control(row(entry).debugCheck)->isVisible()) << entry;
    EXPECT_TRUE(page.control(row(12).levelCombo)->isVisible());
    harness_.Screenshot(QStringLiteral("system-log-page"));
}

TEST_F(SystemLogPageTest, ApplyWritesFlagsLevelsAndStorageButNeverTheServiceIds)
{
    Show();
    const LogEnableTable before = model().LogEnable;
    CheckOnly({0, 5, 12});
    harness_.Set({{row(5).levelCombo, 0}, {row(12).levelCombo, 0}, {Page::kComboStorage, 0}});
    harness_.Press(Page::kButtonApply);
    LogEnableTable expected = before;
    expected.Entries[0].debugFlag = 1;
    expected.Entries[5].debugFlag = 1;
    expected.Entries[12].debugFlag = 1;
    expected.Entries[5].level = 0;
    expected.Entries[12].level = 0;
    expected.Entries[0].storage = 0;
    for (int entry = 0; entry < LogEnableTable::kEntryCount; ++entry)
        EXPECT_EQ(model().LogEnable.Entries[entry], expected.Entries[entry]) << entry;
    EXPECT_EQ(harness_.logLines(), QStringList{kApplied});
    EXPECT_TRUE(harness_.messages().isEmpty());
}

TEST_F(SystemLogPageTest, AtMostSixServiceDebugFlags)
{
    struct Case {
        const char* name;
        std::initializer_list<int> checked;
        bool accepted;
    };
    const Case cases[] = {
        {"six services with the system log and the IEC engine: eight boxes", {0, 1, 3, 4, 5, 6, 8, 12}, true},
        {"seven services, hidden rows among them", {0, 1, 2, 3, 4, 5, 6, 7}, false},
        {"seven services among all eleven rows", {1, 3, 4, 5, 6, 8, 9}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model().LogEnable.Reset();
        Show();
        const QList<int> before = debugFlags();
        CheckOnly(c.checked);
        harness_.Press(Page::kButtonApply);
        QList<int> expectedFlags(LogEnableTable::kEntryCount, 0);
        QList<int> keptBoxes; // the boxes that stay checked after a refusal
        for (int entry : c.checked) {
            expectedFlags[entry] = 1;
            if (entry == LogEnableTable::kSystemLog || entry == LogEnableTable::kIECEngine)
                keptBoxes << entry;
        }
        if (c.accepted) {
            EXPECT_EQ(debugFlags(), expectedFlags);
            EXPECT_EQ(harness_.logLines(), QStringList{kApplied});
            EXPECT_TRUE(harness_.messages().isEmpty());
            continue;
        }
        EXPECT_EQ(harness_.messages(), QStringList{LoadLangString(Page::kStringTooManyDebugFlags)});
        EXPECT_EQ(debugFlags(), before) << "the model keeps its flags";
        EXPECT_TRUE(harness_.logLines().isEmpty());
        EXPECT_EQ(checkedEntries(), keptBoxes) << "every service box is cleared, the others stay";
    }
}

TEST_F(SystemLogPageTest, AfterTheRefusalASecondApplyWritesEveryServiceFlagOff)
{
    Show();
    CheckOnly({1, 3, 4, 5, 6, 8, 9});
    harness_.Press(Page::kButtonApply);
    harness_.Forget();
    harness_.Press(Page::kButtonApply);
    EXPECT_EQ(debugFlags(), (QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(harness_.logLines(), QStringList{kApplied});
}

TEST_F(SystemLogPageTest, HiddenRowsKeepAndWriteBackTheirValues)
{
    model().SetHSPA(0);
    model().SetRESTfulSupported(0);
    model().LogEnable.Entries[2].debugFlag = 1;
    model().LogEnable.Entries[2].level = 0;
    model().LogEnable.Entries[7].level = 0;
    model().LogEnable.Entries[10].debugFlag = 1;
    Show();
    harness_.Set({{row(1).debugCheck, true}});
    harness_.Press(Page::kButtonApply);
    EXPECT_EQ(model().LogEnable.Entries[2].debugFlag, 1);
    EXPECT_EQ(model().LogEnable.Entries[2].level, 0);
    EXPECT_EQ(model().LogEnable.Entries[7].level, 0);
    EXPECT_EQ(model().LogEnable.Entries[10].debugFlag, 1);
    EXPECT_EQ(model().LogEnable.Entries[1].debugFlag, 1);
}

TEST_F(SystemLogPageTest, AStoredLevelOutsideTheListShowsNoSelectionAndIsNotApplied)
{
    model().LogEnable.Entries[4].level = 5;
    Show();
    EXPECT_EQ(harness_.page().item<QComboBox>(row(4).levelCombo)->currentIndex(), -1);
    harness_.Press(Page::kButtonApply);
    EXPECT_EQ(harness_.messages(), QStringList{FormatInvalidItemLine(QStringLiteral("Modbus master"))});
    EXPECT_EQ(model().LogEnable.Entries[4].level, 5);
    harness_.Set({{row(4).levelCombo, 1}});
    harness_.Press(Page::kButtonApply);
    EXPECT_EQ(model().LogEnable.Entries[4].level, 1);
}

} // namespace
