// What the system pages write survives saving the project and opening it again.
#include "CListCtrlEx.h"
#include "CProjectLoader.h"
#include "CTimeSettingDlg.h"
#include "PageHarness.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SystemPagesSaveTest, TimeSettingsAndSwitchesWrittenByThePagesAreReopened)
{
    PageHarness<CTimeSettingDlg> harness;
    CDataCenter& model = harness.model();
    model.Time.TimeServers.clear();
    model.RotarySwitchEnable = 1;
    model.LogEnable.Entries[4].debugFlag = 1;
    harness.Show(NodeFor(133, QStringLiteral("Time")));
    harness.Set({{CTimeSettingDlg::kEditServer, QStringLiteral("pool.example")},
                 {CTimeSettingDlg::kComboTimeZone, 35},
                 {CTimeSettingDlg::kEditInterval, QStringLiteral("90")}});
    harness.Press(CTimeSettingDlg::kButtonAdd);
    ASSERT_TRUE(harness.messages().isEmpty());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("time.pelx"));
    ASSERT_TRUE(model.SaveProject(path));
    CDataCenter reopened;
    ASSERT_EQ(CProjectLoader(reopened).LoadProject(path, 0), 0);
    EXPECT_EQ(reopened.Time.TimeServers, QStringList{QStringLiteral("pool.example")});
    EXPECT_EQ(reopened.GetTimeZone(), 35);
    EXPECT_EQ(reopened.Time.SyncInterval, 90);
    EXPECT_EQ(reopened.RotarySwitchEnable, 1);
    EXPECT_EQ(reopened.LogEnable.Entries[4].debugFlag, 1);
}

} // namespace
