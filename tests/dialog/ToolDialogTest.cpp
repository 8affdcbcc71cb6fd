// The device tool dialog run end to end against the simulated controller over loopback: each
// operation's device calls, log lines, boxes and progress windows, and the connection closed.

#include "CCalibrationDlg.h"
#include "CDataCenter.h"
#include "CDeviceInfoReader.h"
#include "CFwrUpdateDlg.h"
#include "CGetDeviceInfoDlg.h"
#include "CListCtrlEx.h"
#include "CMessageDlg.h"
#include "CModifyPasswordDlg.h"
#include "CTimeSyncDlg.h"
#include "CToolBaseDlg.h"
#include "CToolProgressBarDlg.h"
#include "CUpdateDlg.h"
#include "ConfigFiles.h"
#include "DeviceDialogIds.h"
#include "DeviceInfoFetch.h"
#include "DeviceInfoTexts.h"
#include "DeviceResultTexts.h"
#include "FirmwareFile.h"
#include "FoundDeviceRecord.h"
#include "IniFile.h"
#include "Kesu.h"
#include "LanguagePack.h"
#include "PuttySession.h"
#include "RecordingLogSink.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "WaitCursor.h"
#include "WidgetScreenshot.h"

#include "DeviceSimulator.h"
#include "FileSizeLimit.h"
#include "RefusingPort.h"
#include "SanitizerSlowdown.h"
#include "SimSearchResponder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <cstring>

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace std::chrono_literals;

constexpr std::uint8_t kConfigurationType = 5;
constexpr std::uint8_t kProcessType = 6;
constexpr std::uint8_t kReadBackType = 1;
constexpr std::uint8_t kFirmwareType = 0;
constexpr std::uint16_t kWriteChunk = 30203;

QString resultText(unsigned caption, int code)
{
    QString text;
    GetReturnCodeText(text, code, LoadLangString(caption));
    return text;
}

QString disconnectLine()
{
    return resultText(kStringLabelDisconnect, 0);
}

pelsim::Bytes bytesOf(const QByteArray& data)
{
    return pelsim::Bytes(data.begin(), data.end());
}

ToolTimings fastTimings()
{
    ToolTimings timings;
    timings.statusPoll = 5ms;
    timings.readyCheck = 2ms;
    timings.afterReady = 5ms;
    timings.beforeReport = 0ms;
    timings.afterFetch = 0ms;
    timings.tick = 5ms;
    timings.reconnectWait = 5ms;
    timings.bootConnectTimeout = 1000ms;
    timings.switchTimeout = 0ms;
    timings.progressWindowTick = 5ms;
    return timings;
}

// A project whose one slot is the simulated controller's CPU.
QByteArray projectFile()
{
    return "<?xml version=\"1.0\"?>\n<Project><Product><DeviceConfiguration>"
           "<Slot0 Result=\"0\" Name=\"ulTEK 4100-CPU15-C-T\" APID=\"0x80008920\"/>"
           "</DeviceConfiguration></Product></Project>\n";
}

QByteArray firmwareBlock(const QByteArray& name, quint32 version, int imageSize)
{
    QByteArray header(104, '\0');
    qToLittleEndian<quint32>(104, header.data());
    header.replace(8, name.size(), name);
    qToLittleEndian<quint32>(static_cast<quint32>(imageSize), header.data() + 72);
    qToLittleEndian<quint32>(version, header.data() + 100);
    return header + QByteArray(imageSize, name.at(0));
}

QByteArray firmwareFile()
{
    QByteArray file(64, '\0');
    qToLittleEndian<quint32>(64, file.data());
    qToLittleEndian<quint32>(kFirmwareFormatCurrent, file.data() + 4);
    qToLittleEndian<quint32>(2, file.data() + 20);
    return file + firmwareBlock("KERNEL_4100", 0x020301, 3000) + firmwareBlock("ROOTFS_4100", 0x010101, 2000);
}

// Notes, for the lines written on the UI thread, whether the busy cursor was showing.
class CursorNotingLog : public RecordingLogSink {
public:
    void AddLogLine(const QString& text) override
    {
        if (QThread::currentThread() == QCoreApplication::instance()->thread() && WaitCursor::IsShown())
            busyLines_.append(text);
        RecordingLogSink::AddLogLine(text);
    }
    bool WrittenWhileBusy(const QString& text) const { return busyLines_.contains(text); }

private:
    QStringList busyLines_;
};

class ToolDialogTest : public testing::Test {
protected:
    ToolDialogTest() : installed_(boxes_) {}
    ~ToolDialogTest() override { dialog_.reset(); }

    CToolBaseDlg& Make(int command, const QString& extra = {})
    {
        ToolDialogHooks hooks;
        hooks.connection.port = port_ ? port_ : simulator_.port();
        hooks.connection.connectTimeout = connectTimeout_;
        hooks.connection.askLogin = [] { return DeviceLogin{QStringLiteral("root"), QStringLiteral("root")}; };
        hooks.timings = fastTimings();
        hooks.confirmSend = [this] {
            ++sendQuestions_;
            return sendAnswer_;
        };
        hooks.confirmLayout = [this](const std::vector<SlotConfigEntry>&) {
            ++layoutQuestions_;
            return layoutAnswer_;
        };
        hooks.startProgram = [this](const QString& program, const QStringList& arguments) {
            started_.append(program);
            started_.append(arguments);
            return true;
        };
        hooks.lastDeviceAddress = QStringLiteral("127.0.0.1");
        if (bootLoaderPort_)
            hooks.bootLoaderPort = bootLoaderPort_;
        dialog_ = std::make_unique<CToolBaseDlg>(model_, &log_, command, extra, hooks);
        EXPECT_TRUE(dialog_->Create());
        dialog_->item<QComboBox>(kComboDeviceAddress)->setEditText(QStringLiteral("127.0.0.1"));
        return *dialog_;
    }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    // Every connection of the run is closed, and the last log line says so.
    void ExpectClosed()
    {
        for (int i = 0; i < 200 && simulator_.OpenConnections() > 0; ++i)
            std::this_thread::sleep_for(5ms);
        EXPECT_EQ(simulator_.OpenConnections(), 0);
        EXPECT_EQ(dialog_->connection().handle(), 0);
        ASSERT_FALSE(log_.lines().isEmpty());
        EXPECT_EQ(log_.lines().last(), disconnectLine());
    }

    // As ExpectClosed, for a run that may not have connected at all.
    void ExpectClosedIfConnected()
    {
        if (!log_.lines().isEmpty())
            ExpectClosed();
        EXPECT_EQ(simulator_.OpenConnections(), 0);
        EXPECT_EQ(dialog_->connection().handle(), 0);
    }

    pelsim::DeviceSimulator simulator_;
    CDataCenter model_;
    CursorNotingLog log_;
    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService installed_;
    QTemporaryDir folder_;
    std::unique_ptr<CToolBaseDlg> dialog_;
    bool sendAnswer_ = true;
    int sendQuestions_ = 0;
    int layoutQuestions_ = 0;
    bool layoutAnswer_ = true;
    QStringList started_;
    std::uint16_t bootLoaderPort_ = 0;
    std::uint16_t port_ = 0; // 0: the simulator's
    std::chrono::milliseconds connectTimeout_ = 1s;
};

// ---- short operations ----

TEST_F(ToolDialogTest, ShortCommandsRunTheirCallAfterTheirConfirmation)
{
    const struct {
        int command;
        unsigned caption;
        unsigned question; // 0: none
        int answer;
        int pelsim::SimDeviceData::*counter;
        unsigned title;
    } cases[] = {
        {kCmdRestart, kStringLabelRestart, 0, IDOK, &pelsim::SimDeviceData::restartCount, kStringTitleRestart},
        {kCmdWarmReset, kStringLabelWarmReset, 0, IDOK, &pelsim::SimDeviceData::warmResetCount, kStringTitleWarmReset},
        {kCmdReset, kStringLabelReset, kStringResetQuestion, IDYES, &pelsim::SimDeviceData::resetCount,
         kStringTitleReset},
        {kCmdReset, kStringLabelReset, kStringResetQuestion, IDNO, &pelsim::SimDeviceData::resetCount,
         kStringTitleReset},
        {kCmdIecReset, kStringLabelIecReset, kStringIecResetQuestion, IDYES, &pelsim::SimDeviceData::iecResetCount,
         kStringTitleIecReset},
        {kCmdIecReset, kStringLabelIecReset, kStringIecResetQuestion, IDNO, &pelsim::SimDeviceData::iecResetCount,
         kStringTitleIecReset},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " answer " << c.answer);
        simulator_.Update([](pelsim::SimDeviceData& d) { d = pelsim::SimDeviceData{}; });
        log_.Clear();
        boxes_.Clear();
        boxes_.QueueAnswer(c.answer);
        CToolBaseDlg& dialog = Make(c.command);
        EXPECT_EQ(dialog.windowTitle(), LoadLangString(c.title));
        dialog.item<QPushButton>(IDOK)->click();
        const bool runs = c.answer != IDNO;
        EXPECT_EQ(simulator_.Snapshot().*c.counter, runs ? 1 : 0);
        EXPECT_EQ(log_.lines().contains(resultText(c.caption, 0)), runs);
        QStringList expectedBoxes;
        if (c.question != 0)
            expectedBoxes.append(LoadLangString(c.question));
        if (runs)
            expectedBoxes.append(resultText(c.caption, 0));
        EXPECT_EQ(boxes_.texts(), expectedBoxes);
        ExpectClosed();
    }
}

TEST_F(ToolDialogTest, AFailedCallIsReportedInTheLogAndABox)
{
    CToolBaseDlg& dialog = Make(kCmdRestart);
    simulator_.FailCommand(30002, pelsim::SimFault::RaisedStatus(0x8100));
    dialog.RunToolFunction();
    ASSERT_EQ(boxes_.texts().size(), 1);
    EXPECT_EQ(boxes_.texts().first().toStdString(),
              resultText(kStringLabelRestart, VORNA_RESULT_BAD_REPLY).toStdString());
    EXPECT_EQ(boxes_.boxes().first().flags & kMessageBoxIconMask, MB_ICONERROR);
    ExpectClosed();
}

TEST_F(ToolDialogTest, AFailedLoginEndsTheRunWithoutTheOperation)
{
    simulator_.Update([](pelsim::SimDeviceData& d) { d.accounts = {{"other", "secret"}}; });
    CToolBaseDlg& dialog = Make(kCmdRestart);
    dialog.RunToolFunction();
    EXPECT_EQ(simulator_.Snapshot().restartCount, 0);
    EXPECT_FALSE(log_.lines().contains(resultText(kStringLabelRestart, 0)));
    ExpectClosed();
}

TEST_F(ToolDialogTest, ClockTakesTheGivenDateAndTime)
{
    CToolBaseDlg& dialog = Make(kCmdTimeSync);
    ASSERT_NE(dialog.timeSyncPage(), nullptr);
    dialog.timeSyncPage()->checkItem(kRadioUseGivenTime, true);
    dialog.timeSyncPage()->checkItem(kRadioUsePcTime, false);
    dialog.timeSyncPage()->SetGivenTime(QDateTime(QDate(2025, 3, 4), QTime(5, 6, 7)));
    dialog.RunToolFunction();
    const pelsim::SimDeviceTime expected{2025, 3, 4, 5, 6, 7, 500};
    EXPECT_EQ(simulator_.Snapshot().deviceTime, expected);
    EXPECT_EQ(boxes_.texts(), QStringList{resultText(kStringLabelTimeSync, 0)});
    ExpectClosed();
}

TEST_F(ToolDialogTest, DeviceInformationFillsTheListAndKeepsTheFilePath)
{
    CToolBaseDlg& dialog = Make(kCmdDeviceInformation);
    ASSERT_NE(dialog.infoPage(), nullptr);
    EXPECT_EQ(dialog.itemText(IDOK), LoadLangString(kStringOkGet));
    dialog.RunToolFunction();
    CListCtrlEx* list = dialog.infoPage()->list();
    ASSERT_GT(list->GetItemCount(), 0);
    QStringList lines;
    for (int row = 0; row < list->GetItemCount(); ++row)
        lines.append(list->GetItemText(row, 0));
    EXPECT_TRUE(lines.join(u'\n').contains(QStringLiteral("ulTEK 4100-CPU15-C-T"))) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(QFile::exists(dialog.infoPage()->infoFilePath()));
    EXPECT_TRUE(log_.lines().contains(resultText(kStringLabelDownload, 0)));
    EXPECT_TRUE(boxes_.texts().isEmpty());
    ExpectClosed();
    // Shown, the one column takes the list's whole width.
    dialog.show();
    EXPECT_EQ(list->GetColumnWidth(0), list->viewport()->width());
    EXPECT_GT(list->GetColumnWidth(0), 200);
    SaveWidgetScreenshot(dialog, QStringLiteral("tool-dialog-device-information"));
}

// The address box shows a found device whole, the list of found devices does not cut its
// entries, and the dialog takes the size of what it holds.
TEST_F(ToolDialogTest, TheSendDialogFitsItsContentAndShowsAFoundDeviceWhole)
{
    pelsim::SimSearchResponder responder;
    responder.SetAnswers({{"127.0.0.1", {0, 0x11, 0x22, 0x33, 0x44, 0x55}, "", {}, false}});
    KesuEnvironment environment;
    environment.listInterfaces = [](std::vector<InterfaceRecord>& out) {
        InterfaceRecord loopback{};
        loopback.index = 4;
        std::strncpy(loopback.address, "127.0.0.1", sizeof loopback.address - 1);
        out = {loopback};
        return 0;
    };
    environment.searchTarget = std::make_pair(QHostAddress(QHostAddress::LocalHost), responder.port());
    environment.wait = 150ms;
    const KesuEnvironment previous = SetKesuEnvironment(environment);

    CToolBaseDlg& dialog = Make(kCmdSendConfiguration);
    dialog.show();
    EXPECT_EQ(dialog.size(), dialog.sizeHint()) << "sized to its content, not to the template";
    qobject_cast<QPushButton*>(dialog.control(kButtonSearchDevices))->click();
    auto* box = dialog.item<QComboBox>(kComboDeviceAddress);
    ASSERT_EQ(box->count(), 1);
    const QString entry = box->itemText(0);
    EXPECT_EQ(entry, QStringLiteral("127.0.0.1 (00-11-22-33-44-55)"));
    EXPECT_EQ(box->currentText(), entry);
    QLineEdit* field = box->lineEdit();
    EXPECT_GE(field->width(),
              field->fontMetrics().horizontalAdvance(QStringLiteral("255.255.255.255 (DD-DD-DD-DD-DD-DD)")))
        << "room for any address with its MAC text";
    EXPECT_GE(box->width(), box->view()->sizeHintForColumn(0)) << "the found devices' list is at least as wide";
    SaveWidgetScreenshot(dialog, QStringLiteral("tool-dialog-send-configuration"));
    SetKesuEnvironment(previous);
}

TEST_F(ToolDialogTest, IecResourcesJoinBothListsOrRefuseDifferentCounts)
{
    simulator_.Update([](pelsim::SimDeviceData& d) {
        d.iecResources = {{0, 101}, {1, 202}};
        d.iecResourceNames = {{7, "Main"}, {9, "Aux"}};
    });
    CToolBaseDlg& dialog = Make(kCmdIecResources);
    dialog.RunToolFunction();
    CListCtrlEx* list = dialog.infoPage()->list();
    ASSERT_EQ(list->GetItemCount(), 2);
    QString state;
    GetDeviceErrorText(state, 0);
    EXPECT_EQ(list->GetItemText(0, 0), QStringLiteral("Number:7, State:%1, Name:Main, PID:101").arg(state));
    EXPECT_TRUE(list->GetItemText(1, 0).startsWith(QStringLiteral("Number:9, ")));
    EXPECT_TRUE(log_.WrittenWhileBusy(resultText(kStringLabelIecInfo, 0))) << "the read shows the busy cursor";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ExpectClosed();

    simulator_.Update([](pelsim::SimDeviceData& d) { d.iecResourceNames.push_back({11, "Third"}); });
    dialog.RunToolFunction();
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_EQ(boxes_.texts().last(), LoadLangString(kStringIecListsDiffer));
    ExpectClosed();
}

TEST_F(ToolDialogTest, CalibrationWithoutAChoiceAsksForOne)
{
    CToolBaseDlg& dialog = Make(kCmdCalibration);
    ASSERT_NE(dialog.calibrationPage(), nullptr);
    dialog.RunToolFunction();
    EXPECT_EQ(boxes_.texts(), QStringList{LoadLangString(kStringNoCalibrationChoice)});
    EXPECT_TRUE(simulator_.Snapshot().calibrations.empty());
    ExpectClosed();
}

TEST_F(ToolDialogTest, PasswordChangeSendsTheCheckedAccount)
{
    CToolBaseDlg& dialog = Make(kCmdChangePassword);
    ASSERT_NE(dialog.passwordPage(), nullptr);
    dialog.passwordPage()->setItemText(kEditUserName, QStringLiteral("root"));
    dialog.passwordPage()->setItemText(kEditPassword, QStringLiteral("Secret12"));
    dialog.passwordPage()->setItemText(kEditPasswordConfirmation, QStringLiteral("Secret12"));
    dialog.RunToolFunction();
    const auto attempts = simulator_.Snapshot().loginAttempts;
    ASSERT_FALSE(attempts.empty());
    EXPECT_EQ(attempts.back().command, 30402);
    EXPECT_EQ(attempts.back().user, "root");
    EXPECT_EQ(attempts.back().password, "Secret12");
    EXPECT_EQ(boxes_.texts().last().toStdString(), resultText(kStringLabelSetPassword, 0).toStdString());
    ExpectClosed();
}

TEST_F(ToolDialogTest, ConsoleStartsTheClientWithArgumentsAndASavedSession)
{
    CToolBaseDlg& dialog = Make(kCmdDiagnosticConsole);
    dialog.RunToolFunction();
    ASSERT_EQ(started_.size(), 8);
    EXPECT_EQ(started_.mid(1),
              QStringList({QStringLiteral("-ssh"), QStringLiteral("-l"), QStringLiteral("root"), QStringLiteral("-pw"),
                           QStringLiteral("root"), QStringLiteral("-load"), QStringLiteral("DiagConsole")}));
    EXPECT_FALSE(started_.first().isEmpty());
    EXPECT_EQ(ReadPuttySessionValue(QStringLiteral("DiagConsole"), QStringLiteral("HostName")),
              QStringLiteral("127.0.0.1"));
    EXPECT_EQ(ReadPuttySessionValue(QStringLiteral("DiagConsole"), QStringLiteral("RemoteCommand")),
              QStringLiteral("/bin/diag_console"));
    ExpectClosed();
}

TEST(PuttySessionTest, ValuesAreReplacedAndOtherKeysKept)
{
    ASSERT_TRUE(WritePuttySessionValue(QStringLiteral("Probe"), QStringLiteral("A"), QStringLiteral("1")));
    ASSERT_TRUE(WritePuttySessionValue(QStringLiteral("Probe"), QStringLiteral("B"), QStringLiteral("2")));
    ASSERT_TRUE(WritePuttySessionValue(QStringLiteral("Probe"), QStringLiteral("A"), QStringLiteral("3")));
    EXPECT_EQ(ReadPuttySessionValue(QStringLiteral("Probe"), QStringLiteral("A")), QStringLiteral("3"));
    EXPECT_EQ(ReadPuttySessionValue(QStringLiteral("Probe"), QStringLiteral("B")), QStringLiteral("2"));
    EXPECT_EQ(ReadPuttySessionValue(QStringLiteral("Missing"), QStringLiteral("A")), QString());
}

TEST(DeviceHistoryTest, ADamagedHistoryLoadsWhatFitsItsRecords)
{
    const QString path = GetDeviceHistoryPath();
    const QString section = QStringLiteral("DeviceHistory");
    QFile::remove(path);
    WritePrivateProfileString(section, QStringLiteral("Count"), QStringLiteral("2000000000"), path);
    WritePrivateProfileString(section, QStringLiteral("Default"), QStringLiteral("0"), path);
    WritePrivateProfileString(section, QStringLiteral("Device_0"), QStringLiteral("127.0.0.1000000000000 (00-11)"),
                              path);
    WritePrivateProfileString(section, QStringLiteral("Device_1"),
                              QStringLiteral("127.0.0.5 (00-11-22-33-44-55-66-77)"), path);
    const DeviceHistory history = LoadDeviceHistory();
    QFile::remove(path);
    ASSERT_EQ(history.devices.size(), 1) << "the over-long address is skipped";
    EXPECT_EQ(history.devices[0].ip, QByteArray("127.0.0.5"));
    const std::array<std::uint8_t, 6> mac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    EXPECT_EQ(history.devices[0].mac, mac);
}

// ---- log settings ----

TEST_F(ToolDialogTest, LogSettingsAreReadEditedAndSentWithRefusalsReverted)
{
    CToolBaseDlg& dialog = Make(kCmdLogSettings);
    EXPECT_EQ(dialog.itemText(IDOK), LoadLangString(kStringOkSend));
    EXPECT_FALSE(dialog.item<QPushButton>(IDOK)->isEnabled());
    EXPECT_FALSE(dialog.item<QPushButton>(kButtonReadSettings)->isHidden());
    dialog.item<QPushButton>(kButtonReadSettings)->click();
    EXPECT_TRUE(dialog.item<QPushButton>(IDOK)->isEnabled());
    std::vector<LogSettingEntry> shown = dialog.infoPage()->logSettings();
    ASSERT_EQ(shown.size(), simulator_.Snapshot().logSettings.size());
    EXPECT_TRUE(log_.lines().contains(resultText(kStringLabelLogGet, 0)));
    ExpectClosed();

    boxes_.Clear();
    dialog.RunToolFunction();
    EXPECT_EQ(boxes_.texts(), QStringList{QStringLiteral("NO Change Setting Data")});
    ExpectClosed();

    simulator_.Update([](pelsim::SimDeviceData& d) { d.forcedLogResults = {{2, 1}}; });
    shown[1].state = kLogStateEnabled;
    shown[2].state = kLogStateEnabled;
    dialog.infoPage()->FillLogSettings(shown);
    boxes_.Clear();
    dialog.RunToolFunction();
    EXPECT_EQ(
        boxes_.texts(),
        QStringList{
            QStringLiteral("[Service Log]\r\n%1 : Success\r\n%2 : Fail\r\n").arg(LogTypeName(1), LogTypeName(2))});
    const std::vector<LogSettingEntry> after = dialog.infoPage()->logSettings();
    EXPECT_EQ(after[1].state, kLogStateEnabled);
    EXPECT_EQ(after[2].state, kLogStateDisabled) << "the refused entry shows the device's state again";
    EXPECT_EQ(simulator_.Snapshot().logSettings[1].state, kLogStateEnabled);
    EXPECT_EQ(simulator_.Snapshot().logSettings[2].state, kLogStateDisabled);
    ExpectClosed();

    // Only what changed since is sent again: nothing.
    boxes_.Clear();
    dialog.RunToolFunction();
    EXPECT_EQ(boxes_.texts(), QStringList{QStringLiteral("NO Change Setting Data")});
}

// ---- transfers ----

class ToolTransferTest : public ToolDialogTest {
protected:
    // Sends the project file through 40013 with the device finishing at status.
    void SendConfiguration(std::uint8_t status, std::vector<pelsim::SimConfigError> errors = {})
    {
        simulator_.Update([&](pelsim::SimDeviceData& d) {
            d.statusScript = {10, 20, status};
            d.configErrors = std::move(errors);
        });
        project_ = writeFile(QStringLiteral("project.pelx"), projectFile());
        CToolBaseDlg& dialog = Make(kCmdSendConfiguration, project_);
        EXPECT_EQ(dialog.filePage()->ChosenPath(), project_);
        dialog.RunToolFunction();
    }

    QString project_;
};

TEST_F(ToolTransferTest, SendingTheConfigurationUploadsPollsAndReports)
{
    SendConfiguration(50);
    EXPECT_EQ(sendQuestions_, 1);
    EXPECT_EQ(simulator_.File(kConfigurationType), bytesOf(projectFile()));
    EXPECT_GE(simulator_.Snapshot().statusPolls, 3);
    const QString done = QStringLiteral("Export configuration file : Done.");
    EXPECT_TRUE(log_.lines().contains(resultText(kStringLabelUpload, 0)));
    EXPECT_TRUE(log_.lines().contains(done)) << log_.lines().join(u'\n').toStdString();
    EXPECT_EQ(boxes_.texts(), QStringList{done});
    // The information fetch, the disconnect before the layout check and the reconnect.
    EXPECT_EQ(simulator_.AcceptedConnections(), 2);
    ExpectClosed();
}

TEST_F(ToolTransferTest, ConfirmationNoSendsNothing)
{
    sendAnswer_ = false;
    SendConfiguration(50);
    EXPECT_EQ(sendQuestions_, 1);
    EXPECT_EQ(simulator_.AcceptedConnections(), 0);
    EXPECT_FALSE(simulator_.File(kConfigurationType).has_value());
    EXPECT_TRUE(log_.lines().isEmpty());
}

TEST_F(ToolTransferTest, StatusTextsOfTheConfigurationSend)
{
    const QString unsupported = QString::fromLatin1(DeviceResultTexts[65 - 50]);
    const struct {
        std::uint8_t status;
        QString report;
        bool errorsListed;
    } cases[] = {
        {65, QStringLiteral("Export configuration file : %1\r\nPlease upgrade firmware").arg(unsupported), true},
        {70, QStringLiteral("Export configuration file fail. Error code is 70."), false},
        {58, QStringLiteral("Export configuration file : Config IO error."), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        log_.Clear();
        boxes_.Clear();
        simulator_.RemoveFile(kConfigurationType);
        SendConfiguration(c.status, {{3, 7}, {0, 5}, {40, 9}});
        ASSERT_FALSE(boxes_.texts().isEmpty());
        EXPECT_EQ(boxes_.texts().first().toStdString(), c.report.toStdString());
        if (!c.errorsListed) {
            EXPECT_EQ(boxes_.texts().size(), 1);
            ExpectClosed();
            continue;
        }
        QString fortieth;
        GetDeviceErrorText(fortieth, 40);
        ASSERT_EQ(boxes_.texts().size(), 2);
        EXPECT_EQ(boxes_.texts()[1], QStringLiteral("Configuration error in following module(s):\nSlot 0(CPU)\r\n"
                                                    "Slot:3\r\n%1\r\n")
                                         .arg(fortieth));
        const QStringList lines = log_.lines();
        const auto first = lines.indexOf(QStringLiteral("VORNA_CheckDeviceStatus:Slot 0(CPU) ErrorCode=5."));
        ASSERT_GE(first, 0) << lines.join(u'\n').toStdString();
        EXPECT_EQ(lines[first + 1], QStringLiteral("VORNA_CheckDeviceStatus:Slot:3 ErrorCode=7."));
        EXPECT_EQ(lines[first + 2], QStringLiteral("VORNA_CheckDeviceStatus:%1 ErrorCode=9.").arg(fortieth));
        ExpectClosed();
    }
}

TEST_F(ToolTransferTest, AFailedUploadIsReportedAndNothingIsPolled)
{
    simulator_.FailCommand(kWriteChunk, pelsim::SimFault::RaisedStatus(0x8101));
    SendConfiguration(50);
    EXPECT_EQ(boxes_.texts(), QStringList{resultText(kStringLabelUpload, 0x8101)});
    EXPECT_EQ(simulator_.Snapshot().statusPolls, 0);
    ExpectClosed();
}

TEST_F(ToolTransferTest, NoChosenFileAsksForOne)
{
    CToolBaseDlg& dialog = Make(kCmdSendFileForProcessing);
    dialog.RunToolFunction();
    EXPECT_EQ(boxes_.texts(), QStringList{LoadLangString(kStringNoFileChosen)});
    ExpectClosed();
}

TEST_F(ToolTransferTest, FileForProcessingAndConfigurationReadBack)
{
    const QByteArray job(10000, 'j');
    CToolBaseDlg& send = Make(kCmdSendFileForProcessing);
    send.filePage()->SetPath(writeFile(QStringLiteral("job.bin"), job));
    send.RunToolFunction();
    EXPECT_EQ(simulator_.File(kProcessType), bytesOf(job));
    EXPECT_EQ(boxes_.texts(), QStringList{QStringLiteral("Process status : Done.")});
    ExpectClosed();

    boxes_.Clear();
    const QByteArray stored(9000, 'r');
    simulator_.SetFile(kReadBackType, bytesOf(stored));
    CToolBaseDlg& read = Make(kCmdReadConfiguration);
    const QString target = folder_.filePath(QStringLiteral("read.pelx"));
    read.filePage()->SetPath(target);
    read.RunToolFunction();
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), stored);
    EXPECT_TRUE(log_.lines().contains(resultText(kStringLabelDownload, 0)));
    EXPECT_TRUE(boxes_.texts().isEmpty());
    ExpectClosed();
}

TEST_F(ToolTransferTest, CancelDuringTheUploadStopsTheWorkerBeforeTheDisconnect)
{
    simulator_.FailCommand(kWriteChunk, pelsim::SimFault::Delay(3), pelsim::kAlways);
    CToolBaseDlg& dialog = Make(kCmdSendFileForProcessing);
    dialog.filePage()->SetPath(writeFile(QStringLiteral("big.bin"), QByteArray(400 * 4096, 'b')));
    QTimer clicker;
    clicker.setInterval(5);
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        auto* window = qobject_cast<CToolProgressBarDlg*>(QApplication::activeModalWidget());
        if (window && window->item<QProgressBar>(kProgressBar)->value() > 0) {
            clicker.stop();
            window->item<QPushButton>(IDCANCEL)->click();
        }
    });
    clicker.start();
    dialog.RunToolFunction();
    EXPECT_FALSE(dialog.worker().running());
    EXPECT_LT(simulator_.Requests(kWriteChunk).size(), 400u);
    EXPECT_EQ(simulator_.Snapshot().statusPolls, 0);
    const QStringList lines = log_.lines();
    const auto upload = lines.indexOf(resultText(kStringLabelUpload, VORNA_RESULT_CANCELLED));
    ASSERT_GE(upload, 0) << lines.join(u'\n').toStdString();
    EXPECT_LT(upload, lines.lastIndexOf(disconnectLine()));
    EXPECT_TRUE(boxes_.texts().isEmpty()) << "a cancel the user asked for needs no box";
    ExpectClosed();
}

TEST_F(ToolTransferTest, DestroyingTheDialogJoinsARunningWorker)
{
    simulator_.Update([](pelsim::SimDeviceData& d) { d.statusScript = {10}; }); // never done
    CToolBaseDlg& dialog = Make(kCmdSendFileForProcessing);
    dialog.filePage()->SetPath(writeFile(QStringLiteral("job.bin"), QByteArray(100, 'j')));
    QTimer clicker; // Cancel in the processing window, while the worker polls
    clicker.setInterval(5);
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        auto* window = qobject_cast<CToolProgressBarDlg*>(QApplication::activeModalWidget());
        if (window && window->itemText(kProgressStatusText).startsWith(QStringLiteral("Initialization")) &&
            simulator_.Snapshot().statusPolls > 0) {
            clicker.stop();
            window->item<QPushButton>(IDCANCEL)->click();
        }
    });
    clicker.start();
    dialog.RunToolFunction();
    EXPECT_FALSE(dialog.worker().running());
    dialog_.reset();
    for (int i = 0; i < 200 && simulator_.OpenConnections() > 0; ++i)
        std::this_thread::sleep_for(5ms);
    EXPECT_EQ(simulator_.OpenConnections(), 0);
}

TEST_F(ToolTransferTest, ADifferentModuleLayoutIsShownAndADeclineSendsNothing)
{
    QByteArray other = projectFile(); // with a module in slot 1, which the controller lacks
    other.replace("</DeviceConfiguration>",
                  "<Slot1 Result=\"1\" Name=\"3016 DI\" APID=\"0x8000AB01\"/></DeviceConfiguration>");
    project_ = writeFile(QStringLiteral("other.pelx"), other);
    layoutAnswer_ = false;
    CToolBaseDlg& dialog = Make(kCmdSendConfiguration, project_);
    dialog.RunToolFunction();
    EXPECT_EQ(layoutQuestions_, 1);
    EXPECT_FALSE(simulator_.File(kConfigurationType).has_value());
    ExpectClosed();

    layoutAnswer_ = true;
    dialog.RunToolFunction();
    EXPECT_EQ(layoutQuestions_, 2);
    EXPECT_EQ(simulator_.File(kConfigurationType), bytesOf(other));
    ExpectClosed();
}

TEST_F(ToolTransferTest, AStatusWithoutATextNamesItsNumber)
{
    simulator_.Update([](pelsim::SimDeviceData& d) { d.statusScript = {70}; });
    CToolBaseDlg& dialog = Make(kCmdSendFileForProcessing);
    dialog.filePage()->SetPath(writeFile(QStringLiteral("job.bin"), QByteArray(100, 'j')));
    dialog.RunToolFunction();
    EXPECT_EQ(boxes_.texts(), QStringList{QStringLiteral("Process status : Unknown status 70")});
    ExpectClosed();
}

// Answers every box with OK and notes whether any came from another thread than the UI's.
class ThreadCheckingBoxes : public IMessageBoxService {
public:
    int Show(const QString& text, const QString&, unsigned) override
    {
        texts.append(text);
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            offUiThread = true;
        return IDOK;
    }
    QStringList texts;
    bool offUiThread = false;
};

TEST_F(ToolTransferTest, TheSendAgainQuestionIsAskedOnTheUiThread)
{
    ThreadCheckingBoxes boxes;
    ScopedMessageBoxService installed(boxes);
    const QString job = writeFile(QStringLiteral("job.bin"), QByteArray(5000, 'j'));
    for (int run = 0; run < 2; ++run) {
        CToolBaseDlg& dialog = Make(kCmdSendFileForProcessing);
        dialog.filePage()->SetPath(job);
        dialog.RunToolFunction();
    }
    EXPECT_TRUE(boxes.texts.contains(QString::fromLatin1(kOverwriteSameFileQuestion)));
    EXPECT_EQ(boxes.texts.count(QStringLiteral("Process status : Done.")), 2);
    EXPECT_FALSE(boxes.offUiThread);
}

// ---- firmware ----

TEST_F(ToolTransferTest, BuiltInFirmwareGoesThroughTheBootLoaderWhenPollingTimesOut)
{
    simulator_.Update([](pelsim::SimDeviceData& d) { d.firmwareProgress = {{20, 0}, {100, 0}, {100, 1}}; });
    // The status poll after the upload times out: the device is switching to its boot loader.
    simulator_.FailCommand(30004, pelsim::SimFault::Silence());
    CToolBaseDlg& dialog = Make(kCmdModuleFirmware);
    ASSERT_NE(dialog.firmwarePage(), nullptr);
    ASSERT_TRUE(dialog.firmwarePage()->LoadFirmwareFile(writeFile(QStringLiteral("fw.hfm"), firmwareFile())));
    dialog.RunToolFunction();
    EXPECT_TRUE(simulator_.File(kFirmwareType).has_value());
    EXPECT_EQ(simulator_.Snapshot().bootLoaderRegistrations, 1);
    // The acknowledgement is sent before the program returns, but the simulator's connection
    // thread may count it only after that: wait for it to arrive, not for a guessed time.
    EXPECT_TRUE(simulator_.WaitForRequests(30019, 1, 10s)) << "the closing frame is acknowledged";
    EXPECT_EQ(simulator_.Snapshot().pushAcknowledgements, 1) << "once";
    EXPECT_EQ(boxes_.texts().last(), QStringLiteral("Firmware update : Done."));
    ExpectClosed();

    // The device reports a failed update.
    simulator_.RemoveFile(kFirmwareType);
    simulator_.Update([](pelsim::SimDeviceData& d) { d.firmwareProgress = {{50, 0}, {60, 2}}; });
    simulator_.FailCommand(30004, pelsim::SimFault::Silence());
    boxes_.Clear();
    dialog.RunToolFunction();
    EXPECT_EQ(boxes_.texts().last(), QStringLiteral("Firmware update : Fail"));
    ExpectClosed();
}

TEST_F(ToolTransferTest, ThreeFailedBootLoaderConnectsEndWithTheConnectError)
{
    simulator_.FailCommand(30004, pelsim::SimFault::Silence());
    const RefusingPort closed;
    bootLoaderPort_ = closed.port();
    CToolBaseDlg& dialog = Make(kCmdModuleFirmware);
    ASSERT_TRUE(dialog.firmwarePage()->LoadFirmwareFile(writeFile(QStringLiteral("fw.hfm"), firmwareFile())));
    dialog.RunToolFunction();
    EXPECT_EQ(log_.lines().count(QStringLiteral("VORNA_Connect() Reconnect to UBoot")), 3);
    ASSERT_FALSE(boxes_.texts().isEmpty());
    EXPECT_TRUE(boxes_.texts().last().startsWith(LoadLangString(kStringLabelStatus) + QStringLiteral(" return ")));
    EXPECT_NE(boxes_.texts().last(), resultText(kStringLabelStatus, 0));
    EXPECT_EQ(simulator_.Snapshot().bootLoaderRegistrations, 0);
    EXPECT_EQ(dialog.connection().handle(), 0);
}

// ---- through the dialog's own modal loop ----

// Runs action once, on the UI thread, as soon as ready holds (looked at every few milliseconds).
class WhenReady : public QObject {
public:
    WhenReady(std::function<bool()> ready, std::function<void()> action)
        : ready_(std::move(ready)), action_(std::move(action))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            if (!ready_())
                return;
            timer_.stop();
            action_();
        });
        timer_.start();
    }

private:
    std::function<bool()> ready_;
    std::function<void()> action_;
    QTimer timer_;
};

CToolProgressBarDlg* openProgressWindow()
{
    return qobject_cast<CToolProgressBarDlg*>(QApplication::activeModalWidget());
}

// A click as the event loop delivers it: after whatever runs now.
void postClick(QPushButton* button)
{
    QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
}

void postKey(QWidget* target, int key)
{
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

// A key pressed and released now, handled before this returns.
void pressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

std::chrono::milliseconds scaled(int milliseconds)
{
    return std::chrono::milliseconds(SanitizerSlowdown::Scaled(milliseconds));
}

class ToolDialogModalTest : public ToolTransferTest {
protected:
    // A file for processing that takes a while to send: every chunk is answered late.
    CToolBaseDlg& MakeSlowSend()
    {
        simulator_.FailCommand(kWriteChunk, pelsim::SimFault::Delay(3), pelsim::kAlways);
        CToolBaseDlg& dialog = Make(kCmdSendFileForProcessing);
        dialog.filePage()->SetPath(writeFile(QStringLiteral("big.bin"), QByteArray(400 * 4096, 'b')));
        return dialog;
    }

    // Closes the dialog once no operation runs (for runs that leave it open).
    void CancelWhenIdle(CToolBaseDlg& dialog)
    {
        closer_ = std::make_unique<WhenReady>([&dialog] { return !dialog.operationRunning() && !openProgressWindow(); },
                                              [&dialog] { dialog.item<QPushButton>(IDCANCEL)->click(); });
    }

    std::unique_ptr<WhenReady> closer_;
};

TEST_F(ToolDialogModalTest, TheDialogDuringTheJoinAfterAProgressCancel)
{
    // The user stops the transfer in the progress window and at once presses a key or button of
    // the tool dialog, which is handled while the dialog waits for its worker to end.
    const struct {
        const char* label;
        std::function<void(CToolBaseDlg&)> act;
        bool closes;
    } cases[] = {
        {"Cancel", [](CToolBaseDlg& d) { postClick(d.item<QPushButton>(IDCANCEL)); }, true},
        {"OK", [](CToolBaseDlg& d) { postClick(d.item<QPushButton>(IDOK)); }, false},
        {"Escape", [](CToolBaseDlg& d) { postKey(&d, Qt::Key_Escape); }, true},
        {"close", [](CToolBaseDlg& d) { QCoreApplication::postEvent(&d, new QCloseEvent); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        simulator_.ClearRequests();
        simulator_.ClearFaults();
        log_.Clear();
        boxes_.Clear();
        CToolBaseDlg& dialog = MakeSlowSend();
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.item<QPushButton>(IDOK)->click(); });
        WhenReady stop([] { return openProgressWindow() && openProgressWindow()->item<QProgressBar>(kProgressBar)->value() > 0; },
                       [&] {
                           openProgressWindow()->item<QPushButton>(IDCANCEL)->click();
                           c.act(dialog);
                           if (!c.closes)
                               CancelWhenIdle(dialog);
                       });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_FALSE(dialog.worker().running());
        EXPECT_EQ(simulator_.Requests(30202).size(), 1u) << "one operation only";
        EXPECT_TRUE(log_.lines().contains(resultText(kStringLabelUpload, VORNA_RESULT_CANCELLED)))
            << log_.lines().join(u'\n').toStdString();
        EXPECT_TRUE(boxes_.texts().isEmpty()) << boxes_.texts().join(u'\n').toStdString();
        ExpectClosed();
    }
}

TEST_F(ToolDialogModalTest, CancelEndsAStalledRequestAtOnce)
{
    // The controller stops answering in the middle of the transfer; the request's time-out is 60 s.
    connectTimeout_ = 60s;
    simulator_.FailCommand(kWriteChunk, pelsim::SimFault::Silence(), 1, 2);
    CToolBaseDlg& dialog = Make(kCmdSendFileForProcessing);
    dialog.filePage()->SetPath(writeFile(QStringLiteral("job.bin"), QByteArray(10 * 4096, 'j')));
    std::chrono::steady_clock::time_point cancelled;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.item<QPushButton>(IDOK)->click(); });
    std::unique_ptr<WhenReady> later;
    WhenReady stalled([&] { return openProgressWindow() && simulator_.Requests(kWriteChunk).size() == 3; },
                      [&] {
                          later = std::make_unique<WhenReady>(
                              [start = std::chrono::steady_clock::now()] {
                                  return std::chrono::steady_clock::now() - start >= 1s;
                              },
                              [&] {
                                  cancelled = std::chrono::steady_clock::now();
                                  openProgressWindow()->item<QPushButton>(IDCANCEL)->click();
                                  postClick(dialog.item<QPushButton>(IDCANCEL));
                              });
                      });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_LT(std::chrono::steady_clock::now() - cancelled, scaled(1000)) << "the dialog is done within a second";
    EXPECT_TRUE(log_.lines().contains(resultText(kStringLabelUpload, VORNA_RESULT_CANCELLED)))
        << log_.lines().join(u'\n').toStdString();
    EXPECT_TRUE(boxes_.texts().isEmpty()) << boxes_.texts().join(u'\n').toStdString();
    ExpectClosed();
}

TEST_F(ToolDialogModalTest, EnterNeverRunsTheOperation)
{
    // Enter in the address box, on the focused OK button and in the dialog itself.
    const struct {
        int command;
        bool fetches;
    } cases[] = {
        {kCmdRestart, false},
        {kCmdModuleFirmware, true},
        {kCmdCalibration, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        simulator_.ClearRequests();
        log_.Clear();
        CToolBaseDlg& dialog = Make(c.command);
        auto* box = dialog.item<QComboBox>(kComboDeviceAddress);
        QTimer::singleShot(0, &dialog, [&] {
            pressKey(box->lineEdit(), Qt::Key_Return);
            dialog.item<QPushButton>(IDOK)->setFocus();
            pressKey(dialog.item<QPushButton>(IDOK), Qt::Key_Enter);
            pressKey(&dialog, Qt::Key_Return);
            dialog.item<QPushButton>(IDCANCEL)->click();
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(simulator_.Snapshot().restartCount, 0);
        const auto infoRequests = simulator_.Requests(30202);
        EXPECT_EQ(infoRequests.size(), c.fetches ? 3u : 0u) << "one information fetch per Enter";
        for (const auto& request : infoRequests)
            EXPECT_EQ(request.payload().at(1), kDeviceInfoFileType);
        EXPECT_EQ(log_.lines().count(resultText(kStringLabelDownload, 0)), c.fetches ? 3 : 0);
        EXPECT_EQ(simulator_.Requests(30203).size(), 0u) << "no firmware is sent";
        ExpectClosedIfConnected();
    }
}

TEST_F(ToolDialogModalTest, ChoosingAListedAddressFetchesTheInformation)
{
    for (const int command : {kCmdModuleFirmware, kCmdCalibration, kCmdRestart}) {
        SCOPED_TRACE(command);
        simulator_.ClearRequests();
        log_.Clear();
        CToolBaseDlg& dialog = Make(command);
        auto* box = dialog.item<QComboBox>(kComboDeviceAddress);
        box->addItem(QStringLiteral("127.0.0.1"));
        QTimer::singleShot(0, &dialog, [&] {
            box->setCurrentIndex(box->count() - 1);
            emit box->activated(box->count() - 1);
            postClick(dialog.item<QPushButton>(IDCANCEL));
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(simulator_.Requests(30202).size(), command == kCmdRestart ? 0u : 1u);
        EXPECT_EQ(simulator_.Snapshot().restartCount, 0);
        EXPECT_EQ(log_.lines().contains(resultText(kStringLabelDownload, 0)), command != kCmdRestart);
        if (command == kCmdCalibration) {
            EXPECT_FALSE(dialog.calibrationPage()->infoFilePath().isEmpty());
        }
        ExpectClosedIfConnected();
    }
}

TEST_F(ToolDialogModalTest, TheOperationNoticeIsShown)
{
    const struct {
        int command;
        unsigned notice; // 0: hidden
    } cases[] = {
        {kCmdRestart, 223},   {kCmdReset, 224},        {kCmdWarmReset, 566},           {kCmdIecReset, 768},
        {kCmdSendConfiguration, 236}, {kCmdReadConfiguration, 238}, {kCmdDiagnosticConsole, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        CToolBaseDlg& dialog = Make(c.command);
        bool visible = false;
        QString text;
        QTimer::singleShot(0, &dialog, [&] {
            ASSERT_NE(dialog.noticePanel(), nullptr);
            visible = dialog.noticePanel()->control(kNoticeText)->isVisible();
            text = dialog.noticePanel()->itemText(kNoticeText);
            dialog.item<QPushButton>(IDCANCEL)->click();
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(visible, c.notice != 0);
        if (c.notice != 0) {
            EXPECT_EQ(text, LoadLangString(c.notice));
        }
    }
}

TEST_F(ToolDialogModalTest, ARefusedConnectionEndsAtOnce)
{
    const RefusingPort closed;
    port_ = closed.port();
    connectTimeout_ = 60s;
    CToolBaseDlg& dialog = Make(kCmdRestart);
    std::chrono::steady_clock::duration took{};
    QTimer::singleShot(0, &dialog, [&] {
        const auto start = std::chrono::steady_clock::now();
        dialog.item<QPushButton>(IDOK)->click();
        took = std::chrono::steady_clock::now() - start;
        dialog.item<QPushButton>(IDCANCEL)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_LT(took, scaled(1000));
    EXPECT_EQ(boxes_.texts(), QStringList{resultText(kStringLabelConnect, VORNA_RESULT_TIMEOUT)});
}

TEST_F(ToolDialogModalTest, ABadAddressIsRefusedBeforeTheSendQuestion)
{
    project_ = writeFile(QStringLiteral("project.pelx"), projectFile());
    CToolBaseDlg& dialog = Make(kCmdSendConfiguration, project_);
    dialog.item<QComboBox>(kComboDeviceAddress)->setEditText(QStringLiteral("127.0.0.1:20124"));
    QTimer::singleShot(0, &dialog, [&] {
        dialog.item<QPushButton>(IDOK)->click();
        dialog.item<QPushButton>(IDCANCEL)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(sendQuestions_, 0);
    EXPECT_EQ(boxes_.texts(), QStringList{LoadLangString(kStringBadDeviceAddress)});
    EXPECT_EQ(simulator_.AcceptedConnections(), 0);
}

TEST_F(ToolDialogModalTest, AFailedInformationFetchBeforeASendShowsWhy)
{
    // The device refuses the information file: its reason, then the fetch's failure.
    simulator_.FailCommand(30202, pelsim::SimFault::RaisedStatus(0x8101));
    SendConfiguration(50);
    EXPECT_EQ(boxes_.texts(),
              QStringList({resultText(kStringLabelDownload, 0x8101), QString::fromLatin1(kDeviceInfoFailed)}));
    EXPECT_FALSE(simulator_.File(kConfigurationType).has_value());
    ExpectClosed();
}

TEST_F(ToolDialogModalTest, AnInformationFetchTheUserCancelsShowsNoFailure)
{
    connectTimeout_ = 60s;
    simulator_.FailCommand(30204, pelsim::SimFault::Silence());
    project_ = writeFile(QStringLiteral("project.pelx"), projectFile());
    CToolBaseDlg& dialog = Make(kCmdSendConfiguration, project_);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.item<QPushButton>(IDOK)->click(); });
    WhenReady stop([&] { return openProgressWindow() && simulator_.Requests(30204).size() == 1; },
                   [&] {
                       openProgressWindow()->item<QPushButton>(IDCANCEL)->click();
                       CancelWhenIdle(dialog);
                   });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_LT(std::chrono::steady_clock::now() - start, scaled(5000));
    EXPECT_TRUE(boxes_.texts().isEmpty()) << boxes_.texts().join(u'\n').toStdString();
    EXPECT_FALSE(simulator_.File(kConfigurationType).has_value());
    ExpectClosed();
}

TEST_F(ToolDialogModalTest, AReadBackThatFailsKeepsTheUsersFile)
{
    const QByteArray old(5000, 'o');
    simulator_.SetFile(kReadBackType, bytesOf(QByteArray(300 * 1024, 'r')));
    const struct {
        const char* label;
        std::function<void()> fault;
        int code;
    } cases[] = {
        {"the controller's file ends early",
         [this] { simulator_.FailCommand(30204, pelsim::SimFault::EndOfFile(), 1, 3); }, VORNA_RESULT_SHORT_DOWNLOAD},
        {"the PC's disk is full", [] {}, VORNA_RESULT_LOCAL_FILE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        boxes_.Clear();
        simulator_.ClearFaults();
        const QString target = writeFile(QStringLiteral("read.pelx"), old);
        c.fault();
        CToolBaseDlg& dialog = Make(kCmdReadConfiguration);
        dialog.filePage()->SetPath(target);
        {
            std::optional<FileSizeLimit> full;
            if (c.code == VORNA_RESULT_LOCAL_FILE)
                full.emplace(100 * 1024);
            dialog.RunToolFunction();
        }
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), old) << "byte for byte the old file";
        EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).filter(QStringLiteral("read.pelx")).size(), 1)
            << "no partial file is left beside it";
        EXPECT_EQ(boxes_.texts(), QStringList{resultText(kStringLabelDownload, c.code)});
        ExpectClosed();
    }
}

TEST_F(ToolDialogModalTest, CancelEndsAStalledInformationFetch)
{
    // The dialog's own Cancel while the information file does not come: the operation (OK of
    // 40014 and 40018) or the information button (40038) ends at once, without any box.
    connectTimeout_ = 60s;
    const struct {
        int command;
        int button;
    } cases[] = {
        {kCmdDeviceInformation, IDOK},
        {kCmdModuleFirmware, IDOK},
        {kCmdCalibration, kButtonGetInformation},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        simulator_.ClearRequests();
        simulator_.FailCommand(30204, pelsim::SimFault::Silence());
        boxes_.Clear();
        CToolBaseDlg& dialog = Make(c.command);
        std::chrono::steady_clock::time_point cancelled;
        QTimer::singleShot(0, &dialog, [&] { dialog.item<QPushButton>(c.button)->click(); });
        WhenReady stalled([&] { return simulator_.Requests(30204).size() == 1; },
                          [&] {
                              cancelled = std::chrono::steady_clock::now();
                              dialog.item<QPushButton>(IDCANCEL)->click();
                          });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_LT(std::chrono::steady_clock::now() - cancelled, scaled(1000));
        EXPECT_TRUE(log_.lines().contains(resultText(kStringLabelDownload, VORNA_RESULT_CANCELLED)));
        EXPECT_TRUE(boxes_.texts().isEmpty()) << boxes_.texts().join(u'\n').toStdString();
        ExpectClosed();
    }
}

TEST_F(ToolDialogModalTest, CancelEndsAStalledDeviceCall)
{
    // The controller stops answering one request of the operation (the login included); the
    // request's time-out is 60 s. The dialog's Cancel a second into the wait ends it at once: the
    // call is logged as stopped, no box says it failed, and the connection is closed.
    connectTimeout_ = 60s;
    const struct {
        int command;
        std::uint16_t silent;
        unsigned caption;
        unsigned question; // 0: none
        int button;
        std::function<void(CToolBaseDlg&)> prepare;
    } cases[] = {
        {kCmdRestart, 30400, kStringLabelLoginLog, 0, IDOK, {}},
        {kCmdRestart, 30002, kStringLabelRestart, 0, IDOK, {}},
        {kCmdReset, 30003, kStringLabelReset, kStringResetQuestion, IDOK, {}},
        {kCmdWarmReset, 30009, kStringLabelWarmReset, 0, IDOK, {}},
        {kCmdIecReset, 30010, kStringLabelIecReset, kStringIecResetQuestion, IDOK, {}},
        {kCmdTimeSync, 30001, kStringLabelTimeSync, 0, IDOK, {}},
        {kCmdIecResources, 30011, kStringLabelIecInfo, 0, IDOK, {}},
        {kCmdLogSettings, 30012, kStringLabelLogGet, 0, kButtonReadSettings, {}},
        {kCmdChangePassword, 30402, kStringLabelSetPassword, 0, IDOK,
         [](CToolBaseDlg& d) {
             d.passwordPage()->setItemText(kEditUserName, QStringLiteral("root"));
             d.passwordPage()->setItemText(kEditPassword, QStringLiteral("Secret12"));
             d.passwordPage()->setItemText(kEditPasswordConfirmation, QStringLiteral("Secret12"));
         }},
        {kCmdCalibration, 30008, kStringLabelCalibration, 0, IDOK,
         [this](CToolBaseDlg& d) {
             simulator_.Update(
                 [](pelsim::SimDeviceData& data) { data.modules.push_back({2, "42M-5480", "1.0", "", "0x1", false}); });
             d.item<QPushButton>(kButtonGetInformation)->click();
             d.calibrationPage()->item<QComboBox>(kComboCalibrationModule)->setCurrentIndex(0);
             d.calibrationPage()->item<QComboBox>(kComboCalibrationChannel)->setCurrentIndex(0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " silent on " << c.silent);
        simulator_.Update([](pelsim::SimDeviceData& d) { d = pelsim::SimDeviceData{}; }); // the password case's account
        simulator_.ClearRequests();
        simulator_.ClearFaults();
        log_.Clear();
        boxes_.Clear();
        if (c.question != 0)
            boxes_.QueueAnswer(IDYES);
        CToolBaseDlg& dialog = Make(c.command);
        if (c.prepare)
            c.prepare(dialog);
        simulator_.FailCommand(c.silent, pelsim::SimFault::Silence());
        const auto asked = simulator_.Requests(c.silent).size();
        std::optional<std::chrono::steady_clock::time_point> stalled;
        std::chrono::steady_clock::time_point cancelled;
        QTimer::singleShot(0, &dialog, [&] { dialog.item<QPushButton>(c.button)->click(); });
        const auto start = std::chrono::steady_clock::now();
        WhenReady cancel(
            [&] {
                if (!stalled && simulator_.Requests(c.silent).size() > asked)
                    stalled = std::chrono::steady_clock::now();
                const auto now = std::chrono::steady_clock::now();
                return (stalled && now - *stalled >= 1s) || now - start >= scaled(10000); // never hangs the run
            },
            [&] {
                dialog.item<QPushButton>(c.button)->click(); // starts nothing while the call waits
                cancelled = std::chrono::steady_clock::now();
                dialog.item<QPushButton>(IDCANCEL)->click();
            });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_TRUE(stalled.has_value()) << "the controller was asked";
        EXPECT_EQ(simulator_.Requests(c.silent).size(), asked + 1) << "one request only";
        EXPECT_LT(std::chrono::steady_clock::now() - cancelled, scaled(1000)) << "the dialog is done within a second";
        EXPECT_TRUE(log_.lines().contains(resultText(c.caption, VORNA_RESULT_CANCELLED)))
            << log_.lines().join(u'\n').toStdString();
        const QStringList questions = c.question != 0 ? QStringList{LoadLangString(c.question)} : QStringList{};
        EXPECT_EQ(boxes_.texts(), questions) << "no box says the call failed";
        ExpectClosed();
    }
}

} // namespace
