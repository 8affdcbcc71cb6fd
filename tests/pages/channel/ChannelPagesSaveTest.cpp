// Values applied on the channel pages survive saving and reopening the project.
#include "CCanBusSettingDlg.h"
#include "CDevCfgAO.h"
#include "CDevCfgDO.h"
#include "CProjectLoader.h"
#include "ChannelPageFixture.h"

#include <QTemporaryDir>

using namespace ChannelFixture;

namespace {

TEST(ChannelPagesSaveTest, AppliedChannelsAreSavedAndReadBack)
{
    PageHarness<CDevCfgDO> outputs;
    ASSERT_TRUE(BuildEveryModuleProject(outputs.model()));
    CDataCenter& model = outputs.model();
    outputs.Show(NodeOf(kDO, 16, 4));
    outputs.page().SelectChannels({1, 2});
    outputs.Set(
        {{DOPage::kComboMode, 1}, {DOPage::kEditFrequency, QString("12.5")}, {DOPage::kEditDuty, QString("30.0")}});
    outputs.Press(DOPage::kButtonApply);

    RecordingPageHost canHost(&model);
    CCanBusSettingDlg can(&canHost);
    ASSERT_TRUE(can.Create());
    can.SetNodeInfo(NodeOf(kCAN, 2, 1));
    canHost.parentWidget().show();
    can.show();
    can.SelectChannels({0});
    SetControl(can, {CanPage::kComboBaudRate, CCanBusSettingDlg::kTypedRateItem});
    SetControl(can, {CanPage::kEditTypedRate, QString("125000")});
    SetControl(can, {CanPage::kEditAccCode, QString("1F")});
    PressButton(can, CanPage::kButtonApply);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("channels.pelx"));
    ASSERT_TRUE(model.SaveProject(path));
    CDataCenter reopened;
    CProjectLoader loader(reopened, nullptr);
    ASSERT_EQ(loader.LoadProject(path, 0), 0);

    OutputModuleSlotRecord before, after;
    ASSERT_EQ(model.GetDOSetting(kDO.slot, before), 1);
    ASSERT_EQ(reopened.GetDOSetting(kDO.slot, after), 1);
    EXPECT_EQ(after.Channels.at(2).Setting.Mode, 1);
    EXPECT_DOUBLE_EQ(after.Channels.at(2).Setting.Frequency, 12.5);
    EXPECT_DOUBLE_EQ(after.Channels.at(2).Setting.DutyCycle, 30.0);
    for (size_t i = 0; i < before.Channels.size(); ++i)
        EXPECT_EQ(after.Channels[i].Setting, before.Channels[i].Setting) << i;
    CanModuleSlotRecord canAfter;
    ASSERT_EQ(reopened.GetCanSetting(kCAN.slot, canAfter), 1);
    EXPECT_EQ(canAfter.Ports.at(0).Setting.Baudrate, 125000u);
    EXPECT_EQ(canAfter.Ports.at(0).Setting.BaudrateIndex, 9u);
    EXPECT_EQ(canAfter.Ports.at(0).Setting.AccCode, 0x1Fu);
    EXPECT_EQ(reopened.GetTagNameByAddress(after.Channels.at(2).TagDefinitions.at(1).ResourceText),
              model.GetTagNameByAddress(before.Channels.at(2).TagDefinitions.at(1).ResourceText));
}

} // namespace
