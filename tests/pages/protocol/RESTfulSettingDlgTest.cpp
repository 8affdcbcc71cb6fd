// The RESTful access page: the switch shown from the model, written only by Apply, kept by the file.
#include "CRESTfulSettingDlg.h"
#include "PageHarness.h"
#include "ProjectReopen.h"

#include <gtest/gtest.h>

using namespace RestfulPage;

namespace {

class RESTfulSettingDlgTest : public testing::Test {
protected:
    void Show() { harness.Show(NodeFor(146, QStringLiteral("RESTful API"))); }
    PageHarness<CRESTfulSettingDlg> harness;
};

TEST(RESTfulSettingDlgTemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(RESTfulSettingDlgTest, ANewProjectShowsTheServiceOff)
{
    Show();
    EXPECT_FALSE(harness.page().isItemChecked(kCheckEnable));
    harness.Screenshot(QStringLiteral("restful-page"));
}

TEST_F(RESTfulSettingDlgTest, OnlyApplyWritesAndShowingAgainDropsTheEdit)
{
    Show();
    harness.Set({{kCheckEnable, true}});
    Show();
    EXPECT_EQ(harness.model().RESTfulEnable, 0);
    EXPECT_FALSE(harness.page().isItemChecked(kCheckEnable));

    harness.Set({{kCheckEnable, true}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.model().RESTfulEnable, 1);
    EXPECT_TRUE(harness.logLines().isEmpty());
    EXPECT_TRUE(harness.messages().isEmpty());

    harness.Set({{kCheckEnable, false}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.model().RESTfulEnable, 0);
}

TEST_F(RESTfulSettingDlgTest, AnAppliedSwitchSurvivesSaveAndReopen)
{
    harness.model().SetRESTfulSupported(1);
    Show();
    harness.Set({{kCheckEnable, true}});
    harness.Press(kButtonApply);
    const auto reopened = SaveAndReopen(harness.model());
    EXPECT_EQ(reopened->RESTfulEnable, 1);
}

} // namespace
