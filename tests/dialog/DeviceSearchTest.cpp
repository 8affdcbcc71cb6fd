#include "CDataCenter.h"
#include "CDeviceConnection.h"
#include "ConfigFiles.h"
#include "DeviceResultTexts.h"
#include "IniFile.h"
#include "Kesu.h"
#include "LanguagePack.h"
#include "RecordingLogSink.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include "SimSearchResponder.h"

#include <QComboBox>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace std::chrono_literals;

InterfaceRecord interfaceRecord(std::uint32_t index, const char* address)
{
    InterfaceRecord record{};
    record.index = index;
    std::strncpy(record.address, address, sizeof record.address - 1);
    std::strncpy(reinterpret_cast<char*>(record.description), "test interface", 20);
    return record;
}

QString historyValue(const char* key)
{
    return GetPrivateProfileString(QStringLiteral("DeviceHistory"), QString::fromLatin1(key), QStringLiteral("<none>"),
                                   GetDeviceHistoryPath());
}

QString profileInterface()
{
    return GetPrivateProfileString(QStringLiteral("General"), QStringLiteral("NetworkInterface"), QString(),
                                   GetProfilePath());
}

class DeviceSearchTest : public testing::Test {
protected:
    DeviceSearchTest() : installed_(boxes_)
    {
        QFile::remove(GetDeviceHistoryPath());
        QFile::remove(GetProfilePath());
        interfaces_ = {interfaceRecord(4, "127.0.0.1")};
        KesuEnvironment environment;
        environment.listInterfaces = [this](std::vector<InterfaceRecord>& out) {
            out = interfaces_;
            return listResult_;
        };
        environment.searchTarget = std::make_pair(QHostAddress(QHostAddress::LocalHost), responder_.port());
        environment.wait = 150ms;
        previous_ = SetKesuEnvironment(environment);
        box_.setEditable(true);
        connection_ = std::make_unique<CDeviceConnection>(&box_, model_, &log_);
    }
    ~DeviceSearchTest() override { SetKesuEnvironment(previous_); }

    QStringList boxTexts() const
    {
        QStringList texts;
        for (int i = 0; i < box_.count(); ++i)
            texts.append(box_.itemText(i));
        return texts;
    }

    pelsim::SimSearchResponder responder_;
    std::vector<InterfaceRecord> interfaces_;
    int listResult_ = 0;
    KesuEnvironment previous_;
    QComboBox box_;
    CDataCenter model_;
    RecordingLogSink log_;
    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService installed_;
    std::unique_ptr<CDeviceConnection> connection_;
};

TEST_F(DeviceSearchTest, FoundDevicesFillTheBoxAndTheHistory)
{
    responder_.SetAnswers({{"127.0.0.1", {0, 0x11, 0x22, 0x33, 0x44, 0x55}, "", {}, false},
                           {"10.9.9.9", {1, 1, 1, 1, 1, 1}, "127.0.0.3", {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}, true}});
    box_.setEditText(QStringLiteral("typed"));
    connection_->SearchDevices();
    EXPECT_EQ(boxTexts(), QStringList({QStringLiteral("127.0.0.1 (00-11-22-33-44-55)"),
                                       QStringLiteral("127.0.0.3 (AA-BB-CC-DD-EE-FF)")}));
    EXPECT_EQ(box_.currentIndex(), 0);
    EXPECT_EQ(connection_->foundDevices()[1].ip, QByteArray("127.0.0.3"));
    EXPECT_EQ(historyValue("Count"), QStringLiteral("2"));
    EXPECT_EQ(historyValue("Default"), QStringLiteral("0"));
    EXPECT_EQ(historyValue("Device_1"), QStringLiteral("127.0.0.3 (AA-BB-CC-DD-EE-FF)"));
    EXPECT_EQ(log_.lines(), QStringList{LoadLangString(530)});
    EXPECT_TRUE(boxes_.boxes().isEmpty());
    EXPECT_EQ(profileInterface(), QStringLiteral("127.0.0.1"));
}

TEST_F(DeviceSearchTest, NothingFoundKeepsTheTypedTextAndWritesAnEmptyHistory)
{
    responder_.SetAnswers({});
    box_.setEditText(QStringLiteral("192.168.1.5"));
    connection_->SearchDevices();
    EXPECT_EQ(box_.count(), 0);
    EXPECT_EQ(box_.currentText(), QStringLiteral("192.168.1.5"));
    EXPECT_EQ(historyValue("Count"), QStringLiteral("0"));
    EXPECT_EQ(responder_.RequestsSeen(), 1);
}

TEST_F(DeviceSearchTest, AFailedSearchKeepsTheHistoryAndTheBox)
{
    SaveDeviceHistory({QStringLiteral("127.0.0.1 (00-11-22-33-44-55)")}, 0);
    connection_->FillDeviceAddressBox(LoadDeviceHistory());
    const struct {
        const char* label;
        int listResult;
        bool noInterface;
    } cases[] = {{"interface list fails", 0x8050, false}, {"no interface at all", 0, true}};
    for (const auto& c : cases) {
        boxes_.Clear();
        listResult_ = c.listResult;
        if (c.noInterface)
            interfaces_.clear();
        connection_->SearchDevices();
        QString expected;
        GetReturnCodeText(expected, c.listResult != 0 ? c.listResult : 1,
                          QStringLiteral("List network interface failed."));
        EXPECT_EQ(boxes_.texts(), QStringList{expected}) << c.label;
        EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("127.0.0.1 (00-11-22-33-44-55)")}) << c.label;
        EXPECT_EQ(historyValue("Count"), QStringLiteral("1")) << c.label;
        EXPECT_EQ(historyValue("Device_0"), QStringLiteral("127.0.0.1 (00-11-22-33-44-55)")) << c.label;
    }
    EXPECT_EQ(responder_.RequestsSeen(), 0);
}

TEST_F(DeviceSearchTest, TheProfilePrefixChoosesTheInterfaceAndTheLastMatchWins)
{
    interfaces_ = {interfaceRecord(1, "127.0.0.5"), interfaceRecord(2, "127.0.1.6"), interfaceRecord(3, "127.0.1.7")};
    WritePrivateProfileString(QStringLiteral("General"), QStringLiteral("NetworkInterface"), QStringLiteral("127.0.1."),
                              GetProfilePath());
    connection_->SearchDevices();
    EXPECT_EQ(responder_.LastRequestSource(), "127.0.1.7");
    EXPECT_EQ(profileInterface(), QStringLiteral("127.0.1."));

    WritePrivateProfileString(QStringLiteral("General"), QStringLiteral("NetworkInterface"), QStringLiteral("10."),
                              GetProfilePath());
    connection_->SearchDevices();
    EXPECT_EQ(responder_.LastRequestSource(), "127.0.0.5"); // none matched: the first
    EXPECT_EQ(profileInterface(), QStringLiteral("127.0.0.5"));
}

TEST_F(DeviceSearchTest, MoreThan256AnswersAreClamped)
{
    std::vector<pelsim::SimSearchAnswer> answers;
    for (int i = 0; i < 300; ++i)
        answers.push_back({"127.0." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1),
                           {0, 0, 0, 0, static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i)},
                           "",
                           {},
                           false});
    responder_.SetAnswers(answers);
    connection_->SearchDevices();
    EXPECT_EQ(box_.count(), kKesuMaxResults);
    EXPECT_EQ(historyValue("Count"), QStringLiteral("256"));
}

TEST_F(DeviceSearchTest, InterfacesComeFromTheDeviceLibrarysList)
{
    SetKesuEnvironment(KesuEnvironment::Default());
    std::uint16_t kesuCount = 0;
    std::uint16_t libraryCount = 0;
    ASSERT_EQ(KESU_ListIF(&kesuCount), 0);
    ASSERT_EQ(VORNA_ListIF(&libraryCount), 0);
    EXPECT_EQ(kesuCount, libraryCount);
    std::vector<NetworkInterfaceRecord> records(kesuCount);
    std::vector<InterfaceRecord> library(libraryCount);
    ASSERT_EQ(KESU_GetIFInfo(kesuCount, records.data()), 0);
    ASSERT_EQ(VORNA_GetIFInfoEx(libraryCount, library.data()), 0);
    for (size_t i = 0; i < records.size(); ++i)
        EXPECT_STREQ(records[i].address, library[i].address);
}

TEST(KesuTableTest, AddsAndDeletesInMemory)
{
    const std::uint8_t mac[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(KESU_TableAdd("127.0.0.9", mac), 0);
    EXPECT_EQ(KesuTableEntries().at("127.0.0.9")[5], 6);
    EXPECT_NE(KESU_TableAdd("not an address", mac), 0);
    EXPECT_EQ(KESU_TableDel("127.0.0.9"), 0);
    EXPECT_EQ(KesuTableEntries().count("127.0.0.9"), 0u);
    EXPECT_NE(KESU_TableDel(nullptr), 0);
}

TEST(KesuSearchTest, RefusesToSearchBeforeAnInterfaceIsChosen)
{
    std::vector<SearchResultRecord> results(kKesuMaxResults);
    std::uint16_t found = 7;
    KESUE_Exit();
    EXPECT_NE(KESU_AutoSearch(512, 1, 10, &found, results.data()), 0);
    EXPECT_EQ(found, 0);
}

} // namespace

namespace {

TEST(KesuEnvironmentTest, TheEnvironmentVariableNamesTheSearchTarget)
{
    const QByteArray saved = qgetenv("PELANDRIX_DEVICE_SEARCH_TARGET");
    qputenv("PELANDRIX_DEVICE_SEARCH_TARGET", "127.0.0.1:12345");
    auto target = KesuEnvironment::Default().searchTarget;
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->first, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(target->second, 12345);

    qputenv("PELANDRIX_DEVICE_SEARCH_TARGET", "127.0.0.1");
    EXPECT_EQ(KesuEnvironment::Default().searchTarget->second, 10124);

    // Unreadable: a target that sends nowhere, never the broadcast address.
    qputenv("PELANDRIX_DEVICE_SEARCH_TARGET", "loopback:x");
    target = KesuEnvironment::Default().searchTarget;
    ASSERT_TRUE(target.has_value());
    EXPECT_TRUE(target->first.isNull());
    qputenv("PELANDRIX_DEVICE_SEARCH_TARGET", saved);
}

} // namespace
