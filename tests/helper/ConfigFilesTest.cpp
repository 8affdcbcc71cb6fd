#include "ConfigFiles.h"
#include "IniFile.h"

#include "FileBytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtGlobal>

#include <sys/stat.h>

namespace {

const SettingTriple kBuiltIn{500, 100, 5000};
const QString kAbsent = QStringLiteral("<absent>");

TEST(SettingTripleTest, TakesExactlyThreePiecesOrTheBuiltInTripleWhole)
{
    const struct {
        const char* text;
        SettingTriple expected;
    } cases[] = {
        {"502,1,65535", {502, 1, 65535}},
        {"10, 1 ,65535", {10, 1, 65535}},
        {" 7 ,a,9", {7, 0, 9}},
        {"-5,-10,0x20", {-5, -10, 0}},
        {",,", {0, 0, 0}}, // three pieces, none with digits
        {"502,1", kBuiltIn},
        {"1,2,3,4", kBuiltIn},
        {"502", kBuiltIn},
        {"", kBuiltIn},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSettingTriple(QString::fromUtf8(c.text), kBuiltIn), c.expected) << c.text;
}

// Points the program folder at a private folder for one test.
class ProgramFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = ProgramDirectory();
        SetProgramDirectory(folder_.path());
    }
    void TearDown() override { SetProgramDirectory(saved_); }

    void writeDefaultSettings(const QByteArray& text) const
    {
        QFile out(QDir(folder_.path()).filePath("DefaultSettings.ini"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text);
    }

    QTemporaryDir folder_;
    QString saved_;
};

TEST_F(ProgramFolderTest, ReadsTriplesFromDefaultSettingsBesideTheProgram)
{
    EXPECT_TRUE(GetDefaultSettingsPath().isEmpty()) << "no file, no path";
    EXPECT_EQ(ReadSettingTriple("ModbusSlave", "PortValue", kBuiltIn), kBuiltIn);

    writeDefaultSettings("[ModbusSlave]\nPortValue=502,1,65535\nUnitIDValue=1,2\n");
    EXPECT_EQ(GetDefaultSettingsPath(), QDir(folder_.path()).filePath("DefaultSettings.ini"));
    const struct {
        const char* section;
        const char* key;
        SettingTriple expected;
    } cases[] = {
        {"ModbusSlave", "PortValue", {502, 1, 65535}},
        {"modbusslave", "portvalue ", {502, 1, 65535}},
        {"ModbusSlave", "UnitIDValue", kBuiltIn},
        {"ModbusSlave", "IdleTimeoutValue", kBuiltIn},
        {"TAVO", "PortValue", kBuiltIn},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadSettingTriple(c.section, c.key, kBuiltIn), c.expected) << c.section << "/" << c.key;
}

TEST(ConfigPathsTest, ProfileAndHistoryLiveInTheCommonDocumentsFolder)
{
    const QString folder = QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Zerv/Pelandrix");
    QDir(folder).removeRecursively();

    EXPECT_EQ(GetProfilePath(), QDir(folder).filePath("Profile.ini"));
    EXPECT_TRUE(QDir(folder).exists()) << "the folder chain is created";
    EXPECT_FALSE(QFile::exists(GetProfilePath())) << "the file itself is not";

    QDir(folder).removeRecursively();
    EXPECT_EQ(GetDeviceHistoryPath(), QDir(folder).filePath("DevieHistory.ini"));
    EXPECT_TRUE(QDir(folder).exists());
}

class DeviceHistoryTest : public testing::Test {
protected:
    void SetUp() override { QFile::remove(GetDeviceHistoryPath()); }

    static QString value(const QString& key)
    {
        return GetPrivateProfileString("DeviceHistory", key, kAbsent, GetDeviceHistoryPath());
    }
};

TEST_F(DeviceHistoryTest, WritesCountDefaultAndEntriesInOrder)
{
    ASSERT_TRUE(SaveDeviceHistory({"192.168.1.10", "10.0.0.5", "127.0.0.1"}, 1));
    EXPECT_EQ(ReadFileBytes(GetDeviceHistoryPath()),
              QByteArray("[DeviceHistory]\nCount=3\nDefault=1\nDevice_0=192.168.1.10\n"
                         "Device_1=10.0.0.5\nDevice_2=127.0.0.1\n"));
}

TEST_F(DeviceHistoryTest, EmptyHistoryHasNoEntryKeys)
{
    ASSERT_TRUE(SaveDeviceHistory({}, -1));
    EXPECT_EQ(value("Count"), "0");
    EXPECT_EQ(value("Default"), "-1");
    EXPECT_EQ(value("Device_0"), kAbsent);
}

TEST_F(DeviceHistoryTest, ShorterHistoryLeavesTheOlderEntriesBeyondCount)
{
    ASSERT_TRUE(SaveDeviceHistory({"a", "b", "c"}, 2));
    ASSERT_TRUE(SaveDeviceHistory({"x"}, 0));
    const struct {
        const char* key;
        const char* expected;
    } cases[] = {{"Count", "1"}, {"Default", "0"}, {"Device_0", "x"}, {"Device_1", "b"}, {"Device_2", "c"}};
    for (const auto& c : cases)
        EXPECT_EQ(value(c.key), QString::fromUtf8(c.expected)) << c.key;
}

// Identity of the file on disk: a rewrite replaces it with a new one.
ino_t inodeOf(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

TEST_F(DeviceHistoryTest, RewritesOnlyWhenSomethingChangedAndKeepsThePermissions)
{
    const QString path = GetDeviceHistoryPath();
    ASSERT_TRUE(SaveDeviceHistory({"a", "b"}, 1));
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    ASSERT_TRUE(QFile::setPermissions(path, ownerOnly));
    const ino_t first = inodeOf(path);

    ASSERT_TRUE(SaveDeviceHistory({"a", "b"}, 1));
    EXPECT_EQ(inodeOf(path), first) << "the same history leaves the file alone";

    ASSERT_TRUE(SaveDeviceHistory({"a", "c"}, 0));
    EXPECT_NE(inodeOf(path), first) << "a changed history replaces the file";
    EXPECT_EQ(ReadFileBytes(path), QByteArray("[DeviceHistory]\nCount=2\nDefault=0\nDevice_0=a\nDevice_1=c\n"));
    EXPECT_EQ(QFile::permissions(path) & 0x7077, ownerOnly) << "owner, group and others as they were";
    const QStringList leftovers =
        QFileInfo(path).dir().entryList({QFileInfo(path).fileName() + QStringLiteral(".*")}, QDir::Files);
    EXPECT_TRUE(leftovers.isEmpty()) << qPrintable(leftovers.join(u' '));
}

TEST_F(DeviceHistoryTest, ReportsAnEntryThatCannotBeWritten)
{
    EXPECT_FALSE(SaveDeviceHistory({"ok", "two\nlines"}, 0));
    EXPECT_EQ(value("Count"), "2");
    EXPECT_EQ(value("Device_0"), "ok");
    EXPECT_EQ(value("Device_1"), kAbsent);
}

} // namespace
