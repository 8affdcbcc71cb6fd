// What the system pages write survives saving the project and opening it again.
#include "CListCtrlEx.h"
#include "CProjectLoader.h"
#include "CSettingFTPHostDlg.h"
#include "CSettingSMTPServersDlg.h"
#include "CTimeSettingDlg.h"
#include "PageHarness.h"
#include "ProjectReopen.h"

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

TEST(SystemPagesSaveTest, TheFtpAccountCommentIsReopened)
{
    using Page = CSettingFTPHostDlg;
    PageHarness<Page> harness;
    const TreeNodeInfo node = NodeFor(128, QStringLiteral("Accounts"));
    harness.model().FtpServer.Accounts.clear();
    harness.Show(node);
    harness.Set({{Page::kEditFirstText, QStringLiteral("Pump house panel")},
                 {Page::kEditUserName, QStringLiteral("operator1")},
                 {Page::kEditPassword, QStringLiteral("pw")},
                 {Page::kEditConfirmPassword, QStringLiteral("pw")}});
    harness.Press(Page::kButtonAdd);
    ASSERT_TRUE(harness.messages().isEmpty()) << harness.messages().join("|").toStdString();

    ASSERT_TRUE(SaveAndReopenInPlace(harness.model()));
    ASSERT_EQ(harness.model().FtpServer.Accounts.size(), 1);
    EXPECT_EQ(harness.model().FtpServer.Accounts[0].FirstText, "Pump house panel");
    harness.Show(node);
    EXPECT_EQ(harness.page().itemText(Page::kEditFirstText), "Pump house panel");
    EXPECT_EQ(harness.page().itemText(Page::kEditUserName), "operator1");
}

TEST(SystemPagesSaveTest, SmtpServersAreReopenedWithEveryField)
{
    using Page = CSettingSMTPServersDlg;
    PageHarness<Page> harness;
    const TreeNodeInfo node = NodeFor(125, QStringLiteral("SMTP Servers"));
    harness.Show(node);
    const QList<ControlInput> typed = {{Page::kEditName, QStringLiteral("Plant mail")},
                                       {Page::kEditDescription, QStringLiteral("Second relay")},
                                       {Page::kEditAddress, QStringLiteral("smtp.example")},
                                       {Page::kEditPort, QStringLiteral("2525")},
                                       {Page::kEditAccount, QStringLiteral("alarms")},
                                       {Page::kEditPassword, QStringLiteral("s3cret")},
                                       {Page::kEditConfirmPassword, QStringLiteral("s3cret")}};
    for (const ControlInput& input : typed)
        SetControl(harness.page(), input);
    harness.Press(Page::kButtonAdd);
    harness.model().SmtpServers.front().Users = {{137, 2}}; // as the e-mail alarms keep them
    ASSERT_TRUE(harness.messages().isEmpty()) << harness.messages().join("|").toStdString();
    const std::vector<SMTP_SERVER_SETTINGS> saved = harness.model().SmtpServers;
    ASSERT_EQ(saved.size(), 1u);

    ASSERT_TRUE(SaveAndReopenInPlace(harness.model()));
    EXPECT_TRUE(harness.model().SmtpServers == saved) << harness.model().SmtpServers.size() << " servers reopened";
    harness.Show(node);
    for (const ControlInput& input : typed)
        EXPECT_EQ(harness.page().itemText(input.id), std::get<QString>(input.value)) << input.id;
}

} // namespace
