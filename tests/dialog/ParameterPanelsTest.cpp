#include "CCalibrationDlg.h"
#include "CDataCenter.h"
#include "CFileTransmissionDlg.h"
#include "CListCtrlEx.h"
#include "CMessageDlg.h"
#include "CModifyPasswordDlg.h"
#include "CTimeSyncDlg.h"
#include "CVerifyPasswordDlg.h"
#include "DeviceDialogIds.h"
#include "LanguagePack.h"
#include "RecordingLogSink.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "TextFormat.h"

#include "DeviceSimulator.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace std::chrono_literals;

QString artefactFolder()
{
    const QString folder = QDir(QStringLiteral(PELANDRIX_RUNTIME_DIR "/../test-artefacts")).absolutePath();
    QDir().mkpath(folder);
    return folder;
}

QStringList comboTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

TEST(LoginBoxTest, RefusesBadInputInOneBoxAndEndsOnlyWhenItPasses)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);
    CVerifyPasswordDlg dialog;
    QTimer::singleShot(0, [&] {
        dialog.item<QLineEdit>(kEditUserName)->setText(QStringLiteral("1abc"));
        dialog.item<QLineEdit>(kEditPassword)->setText(QString(65, u'p'));
        dialog.item<QPushButton>(IDOK)->click();
        EXPECT_TRUE(dialog.isVisible()); // still open
        dialog.adjustSize();
        dialog.grab().save(artefactFolder() + QStringLiteral("/login-dialog.png"));
        dialog.item<QLineEdit>(kEditUserName)->setText(QStringLiteral("root"));
        dialog.item<QLineEdit>(kEditPassword)->setText(QStringLiteral("root"));
        dialog.item<QPushButton>(IDOK)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.texts().first(),
              FormatLangString(704, QStringLiteral("1abc"), QStringLiteral("User Name")) + u'\n' +
                  QStringLiteral("Invalid \"Password\".\n\"Password\" only support maximum 64 character\n"));
    EXPECT_EQ(dialog.UserName(), QStringLiteral("root"));
    EXPECT_EQ(dialog.Password(), QStringLiteral("root"));
    EXPECT_TRUE(QFile::exists(artefactFolder() + QStringLiteral("/login-dialog.png")));
}

TEST(PasswordPanelTest, ChecksAllRulesWithTheConfirmation)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);
    QWidget tool;
    CModifyPasswordDlg panel(kCmdChangePassword, 300, 100, &tool);
    ASSERT_TRUE(panel.CreateInPlace({0, 0}));
    EXPECT_FALSE(panel.isWindow());
    panel.item<QLineEdit>(kEditUserName)->setText(QStringLiteral("admin"));
    panel.item<QLineEdit>(kEditPassword)->setText(QStringLiteral("new1"));
    panel.item<QLineEdit>(kEditPasswordConfirmation)->setText(QStringLiteral("new2"));
    EXPECT_FALSE(panel.CheckInput());
    EXPECT_EQ(boxes.texts(), QStringList{LoadLangString(635) + u'\n'});
    panel.item<QLineEdit>(kEditPasswordConfirmation)->setText(QStringLiteral("new1"));
    EXPECT_TRUE(panel.CheckInput());
}

TEST(CalibrationPanelTest, OffersChannelsOfTheCalibratableModuleBySlot)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("x5_Info.xml"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<x5_Info><slot value=\"0\" name=\"ulTEK 4100-CPU15-C-T\" version=\"1\"/>"
               "<slot value=\"3\" name=\"42M-5470\" version=\"2\"/><slot value=\"4\" name=\"42M-1000\" version=\"2\"/>"
               "<slot value=\"5\" name=\"42M-5480\" version=\"2\"/></x5_Info>");
    file.close();
    QWidget tool;
    CCalibrationDlg panel(kCmdCalibration, 400, 250, &tool);
    ASSERT_TRUE(panel.CreateInPlace({0, 0}));
    EXPECT_EQ(panel.itemText(kStaticCalibrationNotice), LoadLangString(569));
    ASSERT_EQ(panel.FillFromFile(path), 0);
    auto* modules = panel.item<QComboBox>(kComboCalibrationModule);
    auto* channels = panel.item<QComboBox>(kComboCalibrationChannel);
    EXPECT_EQ(comboTexts(modules), QStringList({QStringLiteral("3"), QStringLiteral("5")}));
    EXPECT_EQ(panel.SelectedModule(), -1);
    modules->setCurrentIndex(0);
    EXPECT_EQ(comboTexts(channels).size(), 8);
    EXPECT_EQ(channels->itemText(7), QStringLiteral("7"));
    EXPECT_EQ(panel.SelectedChannel(), -1); // nothing chosen yet
    channels->setCurrentIndex(2);
    EXPECT_EQ(panel.SelectedModule(), 3);
    EXPECT_EQ(panel.SelectedChannel(), 2);
    modules->setCurrentIndex(1);
    EXPECT_EQ(comboTexts(channels).size(), 6);
}

class TimeSyncPageTest : public testing::Test {
protected:
    TimeSyncPageTest() : installed_(boxes_), page_(kCmdTimeSync, 300, 150, &tool_) { page_.CreateInPlace({0, 0}); }

    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService installed_;
    QWidget tool_;
    CTimeSyncDlg page_;
};

TEST_F(TimeSyncPageTest, ThePcsTimeDisablesThePickers)
{
    EXPECT_TRUE(page_.UsesPcTime());
    EXPECT_FALSE(page_.datePicker()->isEnabled());
    EXPECT_FALSE(page_.timePicker()->isEnabled());
    const QDateTime now(QDate(2026, 12, 10), QTime(17, 5, 6, 789));
    const VornaSystemTime sent = page_.TimeToSend(now);
    EXPECT_EQ(sent.wYear, 2026);
    EXPECT_EQ(sent.wSecond, 6);
    EXPECT_EQ(sent.wMilliseconds, 789);

    page_.checkItem(kRadioUseGivenTime, true);
    EXPECT_FALSE(page_.UsesPcTime());
    EXPECT_TRUE(page_.datePicker()->isEnabled());
    EXPECT_TRUE(page_.timePicker()->isEnabled());
    EXPECT_EQ(page_.timePicker()->displayFormat(), QStringLiteral("HH:mm:ss"));
}

TEST_F(TimeSyncPageTest, FinishSetsTheGivenTimeAndClosesItsConnection)
{
    pelsim::DeviceSimulator simulator;
    page_.checkItem(kRadioUseGivenTime, true);
    page_.SetGivenTime(QDateTime(QDate(2025, 3, 4), QTime(5, 6, 7)));
    EXPECT_EQ(page_.OnWizardFinish(QStringLiteral("127.0.0.1"), simulator.port(), 1000ms), 0);
    const auto data = simulator.Snapshot();
    EXPECT_EQ(data.timeSyncCount, 1);
    EXPECT_EQ(data.deviceTime, (pelsim::SimDeviceTime{2025, 3, 4, 5, 6, 7, 500}));
    EXPECT_TRUE(simulator.Requests(30400).empty()); // no login
    for (int i = 0; i < 100 && simulator.OpenConnections() > 0; ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(simulator.OpenConnections(), 0);
    EXPECT_TRUE(boxes_.boxes().isEmpty());
}

TEST(FileBrowserTest, SizesInKbRoundedUpAndFolders)
{
    EXPECT_EQ(CFileTransmissionDlg::FormatSizeColumn(false, 1024), QStringLiteral("1 KB"));
    EXPECT_EQ(CFileTransmissionDlg::FormatSizeColumn(false, 1025), QStringLiteral("2 KB"));
    EXPECT_EQ(CFileTransmissionDlg::FormatSizeColumn(true, 4096), QStringLiteral("<DIR>"));

    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("a.bin")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1025, 'x'));
    file.close();
    QDir(folder.path()).mkdir(QStringLiteral("sub"));

    RecordingLogSink log;
    CFileTransmissionDlg dialog(&log);
    ASSERT_TRUE(dialog.Create());
    dialog.item<QLineEdit>(kEditBrowsePath)->setText(file.fileName()); // a file: its folder is taken
    dialog.OnPathEntered();
    EXPECT_EQ(dialog.currentFolder(), QDir(folder.path()).absolutePath());
    auto* list = dialog.item<CListCtrlEx>(kListLocalFiles);
    ASSERT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(list->GetItemText(0, 1), QStringLiteral("<DIR>"));
    EXPECT_EQ(list->GetItemText(1, 0), QStringLiteral("a.bin"));
    EXPECT_EQ(list->GetItemText(1, 1), QStringLiteral("2 KB"));

    dialog.item<QLineEdit>(kEditBrowsePath)->setText(folder.filePath(QStringLiteral("missing")));
    dialog.OnPathEntered();
    EXPECT_EQ(dialog.itemText(kEditBrowsePath), QDir(folder.path()).absolutePath());

    dialog.item<QPushButton>(kButtonFileConnect)->click();
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("CFileTransmissionDlg::Connect")});
}

} // namespace

namespace {

TEST(NoticePanelTest, ShowsTheCommandsNoticeOrNone)
{
    QWidget tool;
    const struct {
        int command;
        unsigned stringId; // 0: hidden
    } cases[] = {{kCmdSendConfiguration, 236}, {kCmdReset, 224}, {kCmdIecReset, 768}, {kCmdDiagnosticConsole, 0}};
    for (const auto& c : cases) {
        CMessageDlg panel(c.command, 300, 40, &tool);
        ASSERT_TRUE(panel.CreateInPlace({0, 0}));
        if (c.stringId == 0) {
            EXPECT_TRUE(panel.control(kNoticeText)->isHidden());
            continue;
        }
        EXPECT_EQ(panel.itemText(kNoticeText), LoadLangString(c.stringId)) << c.command;
        panel.layout()->activate();
        const QRect notice = panel.control(kNoticeText)->geometry();
        EXPECT_EQ(notice.topLeft(), QPoint(0, 0));
        EXPECT_EQ(notice.width(), 300);
    }
}

} // namespace
