// Texts, single integers, option lists and abbreviation lists of DefaultSettings.ini.
#include "DefaultSettingsFolder.h"

#include "AbbreviationLists.h"
#include "MODBUS_EXTERNAL_DEVICE_SETTINGS.h"
#include "ServiceDefaultsReader.h"

#include <QStringList>

namespace {

class ServiceDefaultsReaderTest : public DefaultSettingsFolder {};

// A value is read through a buffer of 512 characters: a fourth piece beyond character 511 is not
// seen, so the value still reads as a triple.
TEST_F(ServiceDefaultsReaderTest, OnlyTheFirst511CharactersOfAValueCount)
{
    const QByteArray head = "7,1,9";
    const QByteArray padding(ServiceDefaults::kMaxValueLength - head.size(), ' ');
    UseDefaultSettings("[ModbusMaster]\nUnitID=" + head + padding + ",5\nIP=" + QByteArray(600, 'x') + "\n");

    const MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    EXPECT_EQ(device.UnitIDValue, (SettingTriple{7, 1, 9}));
    EXPECT_EQ(device.DefaultIpAddress, QString(ServiceDefaults::kMaxValueLength, 'x'));
}

TEST_F(ServiceDefaultsReaderTest, SingleIntegersTakeTheLeadingNumberOrTheFallbackWhenAbsent)
{
    constexpr int kFallback = 1000;
    const struct {
        const char* file;
        int expected;
    } cases[] = {
        {"", kFallback}, {"Timeout=250\n", 250}, {"Timeout= -40ms\n", -40}, {"Timeout=abc\n", 0}, {"Timeout=\n", 0},
    };
    for (const auto& c : cases) {
        UseDefaultSettings(QByteArray("[ModbusMaster]\n") + c.file);
        EXPECT_EQ(ServiceDefaults::ReadInt(QStringLiteral("ModbusMaster"), QStringLiteral("Timeout"), kFallback),
                  c.expected)
            << c.file;
    }
    UseNoDefaultSettings();
    EXPECT_EQ(ServiceDefaults::ReadInt(QStringLiteral("ModbusMaster"), QStringLiteral("Timeout"), kFallback),
              kFallback);
}

TEST_F(ServiceDefaultsReaderTest, OptionListsSplitAtEveryCommaWithoutTrimming)
{
    UseDefaultSettings("[DNP3]\nEventBufferOverflow=Oldest, Newest,,Stop,\nEmpty=\n");
    const struct {
        const char* key;
        QStringList expected;
    } cases[] = {
        {"EventBufferOverflow", {"Oldest", " Newest", "", "Stop", ""}},
        {"Empty", {""}},
        {"Absent", {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ServiceDefaults::ReadList(QStringLiteral("DNP3"), QString::fromLatin1(c.key)), c.expected) << c.key;
}

TEST_F(ServiceDefaultsReaderTest, AbbreviationListsReadTheKeyOfTheSeriesAndReplaceTheList)
{
    UseDefaultSettings("[SystemRegister]\n"
                       "abbreviation=SR\n"
                       "abbreviationIEC=IEC_A,IEC_B\n"
                       "abbreviationIEC_4100=IEC4100\n"
                       "abbreviationC=C_A\n"
                       "abbreviationC_4100=C4100_A,C4100_B\n");
    const QString section = QStringLiteral("SystemRegister");
    const struct {
        const char* label;
        void (*lookup)(const QString&, QStringList&);
        QStringList expected;
    } cases[] = {
        {"plain", [](const QString& s, QStringList& out) { GetAbbreviationList(s, out); }, {"SR"}},
        {"IEC", [](const QString& s, QStringList& out) { GetIecAbbreviationList(s, false, out); }, {"IEC_A", "IEC_B"}},
        {"IEC 4100", [](const QString& s, QStringList& out) { GetIecAbbreviationList(s, true, out); }, {"IEC4100"}},
        {"C", [](const QString& s, QStringList& out) { GetCAbbreviationList(s, false, out); }, {"C_A"}},
        {"C 4100",
         [](const QString& s, QStringList& out) { GetCAbbreviationList(s, true, out); },
         {"C4100_A", "C4100_B"}},
    };
    for (const auto& c : cases) {
        QStringList out{"stale"};
        c.lookup(section, out);
        EXPECT_EQ(out, c.expected) << c.label;
    }

    QStringList out{"stale"};
    GetAbbreviationList(QStringLiteral("DI"), out);
    EXPECT_EQ(out, QStringList{""}) << "a section without the key gives one empty entry";
}

// Nothing is cached between records: one built after the file changed sees the new file, while
// one built before keeps what it read.
TEST_F(ServiceDefaultsReaderTest, ARecordBuiltLaterSeesTheFileOfThatMoment)
{
    UseDefaultSettings("[ModbusMaster]\nTCPPort=1502,1,2000\nIP=127.0.0.1\n");
    const MODBUS_EXTERNAL_DEVICE_SETTINGS before;

    RewriteDefaultSettings("[ModbusMaster]\nTCPPort=5020,1,6000\n");
    const MODBUS_EXTERNAL_DEVICE_SETTINGS after;

    EXPECT_EQ(before.TCPPort, 1502);
    EXPECT_EQ(before.IpAddress, "127.0.0.1");
    EXPECT_EQ(after.TCPPort, 5020);
    EXPECT_TRUE(after.IpAddress.isEmpty());
}

} // namespace
