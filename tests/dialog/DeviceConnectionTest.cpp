#include "CDataCenter.h"
#include "CDeviceConnection.h"
#include "DeviceResultTexts.h"
#include "Kesu.h"
#include "LanguagePack.h"
#include "RecordingLogSink.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include "DeviceSimulator.h"

#include <QComboBox>

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

} // namespace
