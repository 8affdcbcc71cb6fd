#include "CCalibrationDlg.h"
#include "CDataCenter.h"
#include "CDeviceConnection.h"
#include "CDeviceInfoReader.h"
#include "CFwrUpdateDlg.h"
#include "ConfigFiles.h"
#include "DeviceDialogIds.h"
#include "DeviceInfoFetch.h"
#include "DeviceResultTexts.h"
#include "IniFile.h"
#include "Kesu.h"
#include "LanguagePack.h"
#include "PrivateTempFolder.h"
#include "RecordingLogSink.h"
#include "RecordingMessageBoxService.h"
#include "ResultCodes.h"
#include "ScopedMessageBoxService.h"
#include "WaitCursor.h"

#include "DeviceSimulator.h"

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

QString resultText(unsigned label, int code)
{
    QString text;
    GetReturnCodeText(text, code, LoadLangString(label));
    return text;
}

class DeviceConnectionTest : public testing::Test {
protected:
    DeviceConnectionTest() : installed_(boxes_)
    {
        box_.setEditable(true);
        DeviceConnectionOptions options;
        options.port = simulator_.port();
        options.connectTimeout = 1s;
        options.askLogin = [this] {
            ++loginsAsked_;
            return login_;
        };
        options.rememberAddress = [this](const QString& address) { remembered_ = address; };
        connection_ = std::make_unique<CDeviceConnection>(&box_, model_, &log_, options);
    }
    ~DeviceConnectionTest() override { connection_->OnCloseTool(); }

    void useHistory()
    {
        DeviceHistory history;
        history.devices = {FoundDeviceRecord::Parse(QStringLiteral("127.0.0.1 (00-11-22-33-44-55)")),
                           FoundDeviceRecord::Parse(QStringLiteral("127.0.0.2 (00-11-22-33-44-66)"))};
        history.defaultIndex = 0;
        connection_->FillDeviceAddressBox(history);
    }

    pelsim::DeviceSimulator simulator_;
    QComboBox box_;
    CDataCenter model_;
    RecordingLogSink log_;
    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService installed_;
    std::optional<DeviceLogin> login_ = DeviceLogin{QStringLiteral("root"), QStringLiteral("root")};
    int loginsAsked_ = 0;
    QString remembered_;
    std::unique_ptr<CDeviceConnection> connection_;
};

TEST_F(DeviceConnectionTest, TypedAddressConnectsAndLogsInWithoutATableEntry)
{
    box_.setEditText(QStringLiteral(" 127.0.0.1 "));
    ASSERT_TRUE(connection_->OnBnClickedButtonToolConnectdevice());
    EXPECT_NE(connection_->handle(), 0);
    EXPECT_EQ(connection_->foundIndex(), -1);
    EXPECT_EQ(connection_->connectedAddress(), QByteArray("127.0.0.1"));
    EXPECT_EQ(remembered_, QStringLiteral(" 127.0.0.1 "));
    EXPECT_EQ(model_.LoginVerified, 1);
    EXPECT_EQ(model_.LoginUserName, QByteArray("root"));
    EXPECT_TRUE(KesuTableEntries().empty());
    EXPECT_EQ(log_.lines(), QStringList({resultText(339, 0), resultText(341, 0), resultText(714, 0)}));
    EXPECT_TRUE(boxes_.boxes().isEmpty());
    const auto attempts = simulator_.Snapshot().loginAttempts;
    ASSERT_EQ(attempts.size(), 1u);
    EXPECT_EQ(attempts[0].mode, 2);
    EXPECT_EQ(attempts[0].user, "root");
}

TEST_F(DeviceConnectionTest, AHeldHandleMakesNoLibraryCall)
{
    box_.setEditText(QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(connection_->OnBnClickedButtonToolConnectdevice());
    const auto requests = simulator_.Requests().size();
    log_.Clear();
    EXPECT_TRUE(connection_->OnBnClickedButtonToolConnectdevice());
    EXPECT_EQ(simulator_.AcceptedConnections(), 1);
    EXPECT_EQ(simulator_.Requests().size(), requests);
    EXPECT_TRUE(log_.lines().isEmpty());
    EXPECT_EQ(loginsAsked_, 1);
}

TEST_F(DeviceConnectionTest, AHistoryEntryAddsATableEntryUntilTheConnectionCloses)
{
    useHistory();
    ASSERT_TRUE(connection_->OnBnClickedButtonToolConnectdevice());
    EXPECT_EQ(connection_->foundIndex(), 0);
    const auto entries = KesuTableEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries.begin()->first, QByteArray("127.0.0.1"));
    EXPECT_EQ(entries.begin()->second[5], 0x55);
    EXPECT_EQ(log_.lines().first(), resultText(574, 0));

    connection_->CloseConnection();
    EXPECT_EQ(connection_->handle(), 0);
    EXPECT_TRUE(KesuTableEntries().empty());
    EXPECT_EQ(log_.lines().mid(log_.lines().size() - 2), QStringList({resultText(342, 0), resultText(662, 0)}));
}

TEST_F(DeviceConnectionTest, AWrongPasswordLeavesTheLoginUnverified)
{
    login_ = DeviceLogin{QStringLiteral("root"), QStringLiteral("wrong")};
    box_.setEditText(QStringLiteral("127.0.0.1"));
    EXPECT_FALSE(connection_->OnBnClickedButtonToolConnectdevice());
    EXPECT_EQ(model_.LoginVerified, 0);
    EXPECT_NE(connection_->handle(), 0); // the caller disconnects
    EXPECT_EQ(boxes_.texts(), QStringList{resultText(715, 0x8011)});
    connection_->Disconnect();

    login_ = DeviceLogin{QStringLiteral("root"), QStringLiteral("root")};
    EXPECT_TRUE(connection_->OnBnClickedButtonToolConnectdevice());
    EXPECT_EQ(loginsAsked_, 2);
}

TEST_F(DeviceConnectionTest, ACancelledLoginIsRefusedWithoutAsking)
{
    login_.reset();
    model_.LoginUserName = "stale";
    box_.setEditText(QStringLiteral("127.0.0.1"));
    EXPECT_FALSE(connection_->OnBnClickedButtonToolConnectdevice());
    EXPECT_TRUE(model_.LoginUserName.isEmpty());
    EXPECT_EQ(boxes_.texts(), QStringList{resultText(715, 0x8011)});
    EXPECT_TRUE(simulator_.Snapshot().loginAttempts.empty());
}

TEST_F(DeviceConnectionTest, ChoosingAnotherDeviceForgetsTheLogin)
{
    useHistory();
    ASSERT_TRUE(connection_->OnBnClickedButtonToolConnectdevice());
    connection_->CloseConnection();
    EXPECT_FALSE(connection_->OnSelchangeDeviceAddress()); // still the same device
    EXPECT_EQ(model_.LoginVerified, 1);

    box_.setCurrentIndex(1);
    EXPECT_TRUE(connection_->OnSelchangeDeviceAddress());
    EXPECT_EQ(model_.LoginVerified, 0);
    EXPECT_TRUE(model_.LoginPassword.isEmpty());
    box_.setCurrentIndex(0);
    ASSERT_TRUE(connection_->OnBnClickedButtonToolConnectdevice());
    EXPECT_EQ(loginsAsked_, 2);
}

TEST_F(DeviceConnectionTest, ABadAddressIsRefusedBeforeAnyCall)
{
    const QString bad = LoadLangString(531);
    for (const char* text : {"256.1.1.1", "1.2.3", "001.2.3.4", ""}) {
        box_.setEditText(QString::fromLatin1(text));
        EXPECT_FALSE(connection_->OnBnClickedButtonToolConnectdevice()) << text;
    }
    EXPECT_EQ(boxes_.texts(), QStringList(4, bad));
    EXPECT_EQ(log_.lines(), QStringList(4, bad));
    EXPECT_EQ(simulator_.AcceptedConnections(), 0);
}

TEST_F(DeviceConnectionTest, TheAddressCheckUsesTheSelectedEntryFromIndexZero)
{
    DeviceHistory history;
    history.devices = {FoundDeviceRecord::Parse(QStringLiteral("10.0.0.1 (00-11-22-33-44-55)"))};
    history.defaultIndex = 0;
    connection_->FillDeviceAddressBox(history);
    EXPECT_TRUE(connection_->CheckIPAddress()); // the entry's IP, not its display text
    box_.setEditText(QStringLiteral("10.0.0.300"));
    EXPECT_FALSE(connection_->CheckIPAddress());
}

TEST_F(DeviceConnectionTest, ANoAnswerConnectIsReportedWithinTheInjectedTimeOut)
{
    simulator_.FailCommand(30400, pelsim::SimFault::Make(pelsim::SimFaultKind::Silence));
    box_.setEditText(QStringLiteral("127.0.0.1"));
    // Connect succeeds; the login request goes unanswered until the library's own time-out.
    EXPECT_FALSE(connection_->OnBnClickedButtonToolConnectdevice());
    EXPECT_EQ(model_.LoginVerified, 0);
}

// The busy cursor shows while each request waits (its log line is written inside the wait) and
// is gone when a failure's box comes up and when the connect is over.
TEST_F(DeviceConnectionTest, TheBusyCursorShowsWhileARequestWaitsAndNotOverItsBox)
{
    struct NotingLog : ILogLineSink {
        void AddLogLine(const QString& text) override { busy.append({text, WaitCursor::IsShown()}); }
        QList<std::pair<QString, bool>> busy;
    } log;
    struct NotingBoxes : RecordingMessageBoxService {
        int Show(const QString& text, const QString& caption, unsigned flags) override
        {
            busy.append(WaitCursor::IsShown());
            return RecordingMessageBoxService::Show(text, caption, flags);
        }
        QList<bool> busy;
    } boxes;
    ScopedMessageBoxService installed(boxes);
    DeviceConnectionOptions options;
    options.port = simulator_.port();
    options.connectTimeout = 1s;
    options.askLogin = [] { return DeviceLogin{QStringLiteral("root"), QStringLiteral("wrong")}; };
    CDeviceConnection connection(&box_, model_, &log, options);
    box_.setEditText(QStringLiteral("127.0.0.1"));

    EXPECT_FALSE(connection.OnBnClickedButtonToolConnectdevice());
    const QList<std::pair<QString, bool>> expected = {
        {resultText(339, 0), true}, {resultText(341, 0), true}, {resultText(714, 0x8011), true}};
    EXPECT_EQ(log.busy, expected);
    EXPECT_EQ(boxes.busy, QList<bool>{false}) << "the login failure's box";
    EXPECT_FALSE(WaitCursor::IsShown());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    connection.OnCloseTool();
}

} // namespace

namespace {

TEST_F(DeviceConnectionTest, FetchesTheInformationFileIntoThePrivateFolder)
{
    simulator_.Update([](pelsim::SimDeviceData& d) {
        d.modules.push_back({3, "42M-5470", "2.0", "SN1", "0x80005470", true});
    });
    box_.setEditText(QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(connection_->OnBnClickedButtonToolConnectdevice());
    const DeviceInfoFetchResult fetch = FetchDeviceInfoFile(connection_->handle(), &log_);
    EXPECT_EQ(fetch.result, 0);
    EXPECT_EQ(fetch.path, PrivateTempFile(QStringLiteral("x5_Info.xml")));
    EXPECT_EQ(log_.lines().last(), resultText(347, 0));
    CDeviceInfoReader reader;
    QStringList lines;
    ASSERT_EQ(reader.LoadDeviceInfoFile(&lines, fetch.path), kS_OK);
    EXPECT_TRUE(lines.contains(QStringLiteral("slot 3=42M-5470 2.0 SN1 (config. error)")));
    EXPECT_EQ(reader.DeviceSlotCount(), 5);
}

TEST(DeviceHistoryTest, ParsesTheStoredTextsUpToTheFirstMissingKey)
{
    const FoundDeviceRecord record = FoundDeviceRecord::Parse(QStringLiteral("192.168.1.5 (00-11-22-33-44-5F)"));
    EXPECT_EQ(record.ip, QByteArray("192.168.1.5"));
    EXPECT_EQ(record.mac, (std::array<std::uint8_t, 6>{0x00, 0x11, 0x22, 0x33, 0x44, 0x5F}));
    EXPECT_EQ(record.display, FoundDeviceRecord::FormatDisplay(record.ip, record.mac));

    const QString path = GetDeviceHistoryPath();
    QFile::remove(path);
    WritePrivateProfileString(QStringLiteral("DeviceHistory"), QStringLiteral("Count"), QStringLiteral("3"), path);
    WritePrivateProfileString(QStringLiteral("DeviceHistory"), QStringLiteral("Default"), QStringLiteral("0"), path);
    WritePrivateProfileString(QStringLiteral("DeviceHistory"), QStringLiteral("Device_0"),
                              QStringLiteral("10.0.0.1 (00-00-00-00-00-01)"), path);
    WritePrivateProfileString(QStringLiteral("DeviceHistory"), QStringLiteral("Device_2"),
                              QStringLiteral("10.0.0.3 (00-00-00-00-00-03)"), path);
    const DeviceHistory history = LoadDeviceHistory();
    ASSERT_EQ(history.devices.size(), 1);
    EXPECT_EQ(history.devices[0].ip, QByteArray("10.0.0.1"));
    EXPECT_EQ(history.defaultIndex, 0);
    QFile::remove(path);
}

} // namespace

namespace {

TEST_F(DeviceConnectionTest, TheInformationButtonFillsTheCalibrationPanelAndCloses)
{
    simulator_.Update([](pelsim::SimDeviceData& d) { d.modules.push_back({2, "42M-5480", "1.0", "", "0x1", false}); });
    useHistory();
    QWidget tool;
    CCalibrationDlg calibration(kCmdCalibration, 300, 200, &tool);
    ASSERT_TRUE(calibration.CreateInPlace({0, 0}));
    FetchInformationForPanel(*connection_, kCmdCalibration, nullptr, &calibration, &log_);
    EXPECT_EQ(calibration.item<QComboBox>(kComboCalibrationModule)->count(), 1);
    EXPECT_EQ(calibration.item<QComboBox>(kComboCalibrationModule)->itemText(0), QStringLiteral("2"));
    EXPECT_EQ(connection_->handle(), 0);
    EXPECT_TRUE(KesuTableEntries().empty());
    EXPECT_TRUE(boxes_.boxes().isEmpty());

    FetchInformationForPanel(*connection_, kCmdRestart, nullptr, nullptr, &log_);
    EXPECT_EQ(boxes_.texts(), QStringList{QStringLiteral("Unknown Function.")});
    EXPECT_EQ(connection_->handle(), 0);
}

TEST_F(DeviceConnectionTest, AFailedFetchIsShownAndTheConnectionStillCloses)
{
    simulator_.FailCommand(pelsim::kCmdFileInfo, pelsim::SimFault::RaisedStatus(1), pelsim::kAlways);
    box_.setEditText(QStringLiteral("127.0.0.1"));
    QWidget tool;
    CFwrUpdateDlg firmware(kCmdModuleFirmware, 300, 200, &tool);
    ASSERT_TRUE(firmware.CreateInPlace({0, 0}));
    FetchInformationForPanel(*connection_, kCmdModuleFirmware, &firmware, nullptr, &log_);
    ASSERT_EQ(boxes_.boxes().size(), 1);
    EXPECT_TRUE(boxes_.texts().first().startsWith(LoadLangString(347)));
    EXPECT_EQ(connection_->handle(), 0);
}

} // namespace
