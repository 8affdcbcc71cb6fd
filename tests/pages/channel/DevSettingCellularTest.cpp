// The cellular module page: both tabs checked together into one box, the reconnection rules only
// while the check is on, the "Setting" tab in front on every show.
#include "CCellularReconnectionPage.h"
#include "CCellularSettingPage.h"
#include "CDevSettingCellularDlg.h"
#include "ChannelPageFixture.h"
#include "LanguagePack.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QTabWidget>

using namespace ChannelFixture;
using namespace CellularPage;

namespace {

class DevSettingCellularTest : public ChannelPageTest<CDevSettingCellularDlg> {
protected:
    void SetUp() override
    {
        ChannelPageTest::SetUp();
        ShowPage(kCellular, 1, 6);
    }
    CellularConfig Stored()
    {
        CellularRecord record;
        EXPECT_EQ(harness.model().GetCellularSetting(kCellular.slot, record), 1);
        return record.Config;
    }
    void Fill(DialogControls& tab, const std::vector<std::pair<int, QString>>& texts)
    {
        for (const auto& [id, text] : texts)
            tab.setItemText(id, text);
    }
    CCellularSettingPage& Setting() { return *harness.page().SettingTab(); }
    CCellularReconnectionPage& Reconnection() { return *harness.page().ReconnectionTab(); }
};

TEST(DevSettingCellularTemplate, EveryControlIsInTheTemplates)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
    const ControlId apn[] = {kLabelApn};
    ExpectControlsMatchTemplate(CellularSettingTab::kTemplate, apn);
}

TEST_F(DevSettingCellularTest, EveryFailingRuleIsOneLineOfOneBox)
{
    using namespace CellularSettingTab;
    using namespace CellularReconnectionTab;
    const CellularConfig before = Stored();
    Fill(Setting(), {{kEditPassword, "secret"}, {kEditPasswordAgain, "other"}, {kEditApn, ""}});
    Reconnection().checkItem(CellularReconnectionTab::kCheckEnable, true);
    Fill(Reconnection(), {{kEditAddress, ""}, {kEditInterval, "5"}});
    harness.Press(kButtonApply);
    const SettingTriple range = Reconnection().GetRetryRange();
    const QString expected =
        LoadLangString(579) + "\n" + FormatInvalidItemLine(Setting().itemText(kLabelApn)) +
        FormatInvalidItemLine(Reconnection().itemText(kLabelAddress)) +
        FormatRangeErrorLine(Reconnection().itemText(kLabelInterval), quint32(range.minimum), quint32(range.maximum));
    EXPECT_EQ(harness.messages(), QStringList{expected});
    EXPECT_EQ(Stored(), before);
    EXPECT_TRUE(harness.logLines().isEmpty());
}

TEST_F(DevSettingCellularTest, WithoutTheReconnectionCheckItsFieldsAreNotChecked)
{
    using namespace CellularSettingTab;
    using namespace CellularReconnectionTab;
    Fill(Setting(), {{kEditPassword, "pw"}, {kEditPasswordAgain, "pw"}, {kEditApn, "internet"}});
    Reconnection().checkItem(CellularReconnectionTab::kCheckEnable, false);
    Fill(Reconnection(), {{kEditAddress, ""}, {kEditInterval, ""}});
    harness.Press(kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(harness.logLines(), QStringList{FormatLangString(678, QStringLiteral("Slot 8"))});
    EXPECT_EQ(Stored().APN, "internet");
    EXPECT_EQ(Stored().Password, "pw");
    EXPECT_EQ(Stored().AutoCheck.AutoCheckEnable, 0);
}

TEST_F(DevSettingCellularTest, EveryShowBringsTheSettingTabToTheFront)
{
    auto* tabs = harness.page().item<QTabWidget>(kTabs);
    tabs->setCurrentIndex(1);
    harness.Show(NodeOf(kCellular, 1, 6));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_GT(harness.page().item<CListCtrlEx>(kListTags)->GetItemCount(), 0);
    harness.Screenshot(QStringLiteral("channel-cellular-page"));
}

} // namespace
