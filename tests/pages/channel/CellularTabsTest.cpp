// The cellular settings tabs: change notices, the reconnection switch and its controls, the band
// list of the module model, and the values that come back.
#include "CCellularReconnectionPage.h"
#include "CCellularSettingPage.h"
#include "ICellularTabHost.h"
#include "PageHarness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

namespace {

class RecordingTabHost : public ICellularTabHost {
public:
    QString GetModelKey() const override { return modelKey; }
    void NotifyTabChange() override { ++notices; }

    QString modelKey = QStringLiteral("0x80416720");
    int notices = 0;
};

class CellularTabsTest : public testing::Test {
protected:
    void SetUp() override
    {
        setting = new CCellularSettingPage(host);
        reconnection = new CCellularReconnectionPage(host);
        ASSERT_TRUE(setting->Create());
        ASSERT_TRUE(reconnection->Create());
        tabs.addTab(setting, QStringLiteral("Setting"));
        tabs.addTab(reconnection, QStringLiteral("Reconnection"));
        tabs.resize(400, 300);
        tabs.show();
        tabs.setCurrentIndex(1);
        tabs.setCurrentIndex(0);
    }

    RecordingTabHost host;
    QTabWidget tabs;
    CCellularSettingPage* setting = nullptr;           // owned by the tab widget
    CCellularReconnectionPage* reconnection = nullptr; // owned by the tab widget
};

TEST(CellularTabsTemplates, EveryControlIsInItsTemplate)
{
    ExpectControlsMatchTemplate(CellularSettingTab::kTemplate, CellularSettingTab::kControls);
    ExpectControlsMatchTemplate(CellularReconnectionTab::kTemplate, CellularReconnectionTab::kControls);
}

TEST_F(CellularTabsTest, EachUserChangeSendsOneNotice)
{
    using namespace CellularSettingTab;
    const std::vector<std::pair<DialogControls*, ControlInput>> inputs = {
        {setting, {kEditUserName, QString("user")}},
        {setting, {kEditPassword, QString("pw")}},
        {setting, {kEditPasswordAgain, QString("pw")}},
        {setting, {kEditSimPin, QString("1234")}},
        {setting, {kEditApn, QString("internet")}},
        {setting, {kComboBand, 2}},
        {setting, {kCheckEnable, true}},
        {reconnection, {CellularReconnectionTab::kEditAddress, QString("127.0.0.1")}},
        {reconnection, {CellularReconnectionTab::kEditInterval, QString("60")}},
        {reconnection, {CellularReconnectionTab::kCheckEnable, true}},
    };
    for (const auto& [tab, input] : inputs) {
        const int before = host.notices;
        SetControl(*tab, input);
        EXPECT_EQ(host.notices, before + 1) << "control " << input.id;
    }

    host.notices = 0;
    CellularConfig config;
    config.UserName = QStringLiteral("a");
    config.Band = 1;
    setting->SetFields(config);
    reconnection->SetFields(1, config.AutoCheck);
    EXPECT_EQ(host.notices, 0) << "values put in by the page are no change of the user";
}

TEST_F(CellularTabsTest, FieldsComeBackAsTypedAndTheSecondPasswordApart)
{
    CellularConfig config;
    config.UserName = QStringLiteral("user");
    config.Password = QStringLiteral("secret");
    config.SimPin = QStringLiteral("0000");
    config.APN = QStringLiteral("apn.example");
    config.Band = 3;
    config.Enable = 1;
    setting->SetFields(config);
    SetControl(*setting, {CellularSettingTab::kEditPasswordAgain, QString("other")});
    CellularConfig back;
    setting->GetFields(back);
    EXPECT_EQ(back, config);
    EXPECT_EQ(setting->GetSecondEntry(), "other");
    EXPECT_GT(setting->item<QComboBox>(CellularSettingTab::kComboBand)->count(), 3);
}

TEST_F(CellularTabsTest, UncheckingReconnectionDisablesItsControlsButKeepsTheirValues)
{
    using namespace CellularReconnectionTab;
    CELLULAR_SETTINGS check;
    check.AutoCheckHostname = QStringLiteral("example.test");
    check.AutoCheckInterval = 45;
    reconnection->SetFields(1, check);
    EXPECT_TRUE(reconnection->control(kEditAddress)->isEnabled());
    SetControl(*reconnection, {kCheckEnable, false});
    for (int id :
         {int(kLabelAddress), int(kEditAddress), int(kLabelInterval), int(kEditInterval), int(kLabelIntervalRange)})
        EXPECT_FALSE(reconnection->control(id)->isEnabled()) << id;
    CELLULAR_SETTINGS back;
    reconnection->GetFields(back);
    EXPECT_EQ(back.AutoCheckEnable, 0);
    EXPECT_EQ(back.AutoCheckHostname, "example.test");
    EXPECT_EQ(back.AutoCheckInterval, 45);
    EXPECT_EQ(reconnection->itemText(kLabelIntervalRange), "sec(s) (10-600)");
    EXPECT_EQ(reconnection->item<QLineEdit>(kEditAddress)->maxLength(), 500);
    SaveScreenshot(tabs, QStringLiteral("channel-cellular-tabs"));
}

} // namespace
