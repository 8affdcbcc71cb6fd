// Values applied on the relay, high-voltage input, thermocouple, HART and cellular pages survive
// saving and reopening the project.
#include "CCellularSettingPage.h"
#include "CDevCfgHART.h"
#include "CDevCfgHVDI.h"
#include "CDevCfgRelay.h"
#include "CDevCfgTC.h"
#include "CDevSettingCellularDlg.h"
#include "CProjectLoader.h"
#include "ChannelPageFixture.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include <QTemporaryDir>

using namespace ChannelFixture;

namespace {

// A page over the shared model, shown for its node.
template <class Page>
std::unique_ptr<Page> ShowOn(RecordingPageHost& host, const TreeNodeInfo& node)
{
    auto page = std::make_unique<Page>(&host);
    EXPECT_TRUE(page->Create());
    page->SetNodeInfo(node);
    host.parentWidget().show();
    page->show();
    return page;
}

TEST(ChannelPagesTwoSaveTest, AppliedValuesAreSavedAndReadBack)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scopedBoxes{boxes};
    CDataCenter model;
    ASSERT_TRUE(BuildEveryModuleProject(model));
    boxes.Clear(); // the notices of placing the modules
    RecordingPageHost host(&model);

    auto relay = ShowOn<CDevCfgRelay>(host, NodeOf({10, "41M-2308-T", 210}, 8, 3));
    relay->SelectChannels({1});
    SetControl(*relay, {DOPage::kComboMode, 1});
    SetControl(*relay, {DOPage::kEditFrequency, QString("10")});
    SetControl(*relay, {DOPage::kEditDuty, QString("25.0")});
    PressButton(*relay, DOPage::kButtonApply);

    auto hvdi = ShowOn<CDevCfgHVDI>(host, NodeOf({9, "41M-2416-T", 211}, 16, 2));
    hvdi->SelectChannels({4});
    SetControl(*hvdi, {HVDIPage::kCheckFirstOn, true});
    SetControl(*hvdi, {HVDIPage::kEditFirstOnTime, QString("7.5")});
    PressButton(*hvdi, HVDIPage::kButtonApply);

    auto tc = ShowOn<CDevCfgTC>(host, NodeOf({12, "41M-5308-T", 208}, 8, 5));
    tc->SelectChannels({2});
    SetControl(*tc, {TCPage::kIds.sensorType, 2});
    SetControl(*tc, {TCPage::kIds.offset, QString("-1.26")});
    PressButton(*tc, TCPage::kIds.apply);

    auto hart = ShowOn<CDevCfgHART>(host, NodeOf({11, "41M-5480-T", 212}, 8, 5));
    hart->SelectChannels({3});
    SetControl(*hart, {HARTPage::kEditRetries, QString("4")});
    PressButton(*hart, HARTPage::kButtonApply);

    auto cellular = ShowOn<CDevSettingCellularDlg>(host, NodeOf(kCellular, 1, 6));
    cellular->SettingTab()->setItemText(CellularSettingTab::kEditApn, QStringLiteral("internet"));
    PressButton(*cellular, CellularPage::kButtonApply);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("channels2.pelx"));
    ASSERT_TRUE(model.SaveProject(path));
    CDataCenter reopened;
    CProjectLoader loader(reopened, nullptr);
    ASSERT_EQ(loader.LoadProject(path, 0), 0);

    OutputModuleSlotRecord relayRecord;
    ASSERT_EQ(reopened.GetRelaySetting(10, relayRecord), 1);
    EXPECT_EQ(relayRecord.Channels.at(1).Setting.Mode, 1);
    EXPECT_DOUBLE_EQ(relayRecord.Channels.at(1).Setting.Frequency, 10.0);
    EXPECT_DOUBLE_EQ(relayRecord.Channels.at(1).Setting.DutyCycle, 25.0);
    ModuleSlotRecord diRecord;
    ASSERT_EQ(reopened.GetDISetting(9, diRecord), 1);
    EXPECT_EQ(diRecord.Channels.at(4).Setting.FirstOnEnable, 1);
    EXPECT_FLOAT_EQ(diRecord.Channels.at(4).Setting.FirstOnTime, 7.5f);
    TemperatureSetting tcRecord;
    ASSERT_EQ(reopened.GetTCSetting(12, tcRecord), 1);
    EXPECT_EQ(tcRecord.Channels.at(2).Setting.SensorType, 2);
    EXPECT_FLOAT_EQ(tcRecord.Channels.at(2).Setting.Offset, -1.3f);
    HARTAISetting hartRecord;
    ASSERT_EQ(reopened.GetHARTAISetting(11, hartRecord), 1);
    EXPECT_EQ(hartRecord.Channels.at(3).Setting.NumRetry, 4u);
    CellularRecord cellularRecord;
    ASSERT_EQ(reopened.GetCellularSetting(kCellular.slot, cellularRecord), 1);
    EXPECT_EQ(cellularRecord.Config.APN, "internet");
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(' ').toStdString();
}

} // namespace
