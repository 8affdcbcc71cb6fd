// The rotary and toggle switch pages: the check box shows the model's flag (any non-zero value as
// checked), Apply writes 1 or 0 and the page's log line, also when nothing changed.
#include "CRotarySWSettingDlg.h"
#include "CToggleSWSettingDlg.h"
#include "PageHarness.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct SwitchPageCase {
    const char* name;
    int stored;
    bool shownChecked;
    std::optional<bool> userChecks; // none: Apply as shown
    int written;
};

const SwitchPageCase kCases[] = {
    {"off stays off", 0, false, std::nullopt, 0},
    {"on stays on", 1, true, std::nullopt, 1},
    {"any non-zero value shows as on and is written as 1", 7, true, std::nullopt, 1},
    {"switched on", 0, false, true, 1},
    {"switched off", 1, true, false, 0},
};

template <class Page>
void RunSwitchPage(int CDataCenter::*flag, int formId, const QString& logLine, const QString& screenshot)
{
    PageHarness<Page> harness;
    ExpectControlsMatchTemplate(Page::kTemplateId, Page::kControls);
    const TreeNodeInfo node = NodeFor(formId, QStringLiteral("Switch"));
    for (const SwitchPageCase& row : kCases) {
        SCOPED_TRACE(row.name);
        harness.model().*flag = row.stored;
        harness.model().SetModified(0);
        harness.Show(node);
        EXPECT_EQ(harness.page().isItemChecked(Page::kCheckEnable), row.shownChecked);
        if (row.userChecks)
            harness.Set({{Page::kCheckEnable, *row.userChecks}});
        harness.Press(Page::kButtonApply);
        EXPECT_EQ(harness.model().*flag, row.written);
        EXPECT_TRUE(harness.model().IsModified());
        EXPECT_EQ(harness.logLines(), QStringList{logLine});
        EXPECT_TRUE(harness.messages().isEmpty());
    }
    harness.Show(node);
    harness.Screenshot(screenshot);
}

TEST(SwitchSettingPagesTest, RotarySwitchPageShowsAndWritesItsFlag)
{
    RunSwitchPage<CRotarySWSettingDlg>(&CDataCenter::RotarySwitchEnable, 142,
                                       QStringLiteral("[Rotary Switch] Apply setting successfully"),
                                       QStringLiteral("system-rotary-switch-page"));
}

TEST(SwitchSettingPagesTest, ToggleSwitchPageShowsAndWritesItsFlag)
{
    RunSwitchPage<CToggleSWSettingDlg>(&CDataCenter::ToggleSwitchEnable, 140,
                                       QStringLiteral("[Toggle Switch] Apply setting successfully"),
                                       QStringLiteral("system-toggle-switch-page"));
}

TEST(SwitchSettingPagesTest, AChangeNotAppliedIsLostWhenThePageIsShownAgain)
{
    PageHarness<CRotarySWSettingDlg> harness;
    harness.model().RotarySwitchEnable = 0;
    const TreeNodeInfo node = NodeFor(142, QStringLiteral("Rotary Switch"));
    harness.Show(node);
    harness.Set({{CRotarySWSettingDlg::kCheckEnable, true}});
    harness.Show(node);
    EXPECT_FALSE(harness.page().isItemChecked(CRotarySWSettingDlg::kCheckEnable));
    EXPECT_EQ(harness.model().RotarySwitchEnable, 0);
}

} // namespace
