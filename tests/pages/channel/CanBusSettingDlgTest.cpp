// The CAN bus page: typed rates corrected to producible ones, hexadecimal acceptance fields, and
// the ports written by Apply.
#include "CCanBusSettingDlg.h"
#include "ChannelPageFixture.h"
#include "LanguagePack.h"
#include "TextFormat.h"

using namespace ChannelFixture;
using namespace CanPage;

namespace {

constexpr int kPorts = 2;
constexpr int kTypedItem = CCanBusSettingDlg::kTypedRateItem;

class CanBusSettingDlgTest : public ChannelPageTest<CCanBusSettingDlg> {
protected:
    void SetUp() override
    {
        ChannelPageTest::SetUp();
        ShowPage(kCAN, kPorts, 1);
    }
    CanPortSettingBlock Stored(int port)
    {
        CanModuleSlotRecord record;
        EXPECT_EQ(harness.model().GetCanSetting(kCAN.slot, record), 1);
        return record.Ports.at(size_t(port)).Setting;
    }
};

TEST(CanBusSettingDlgTemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(CanBusSettingDlgTest, TypedRatesAreKeptOrCorrected)
{
    const struct {
        const char* typed;
        quint32 corrected; // 0: kept
    } cases[] = {{"125000", 0}, {"100001", 100000}, {"4000", 4112}, {"25000000", 20000000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ShowPage(kCAN, kPorts, 1);
        SelectChannels({1});
        const CanPortSettingBlock before = Stored(1);
        harness.Set({{kComboBaudRate, kTypedItem}, {kEditTypedRate, QString(c.typed)}});
        harness.Press(kButtonApply);
        if (c.corrected == 0) {
            EXPECT_TRUE(harness.messages().isEmpty());
            EXPECT_EQ(Stored(1).Baudrate, QString(c.typed).toUInt());
            EXPECT_EQ(Stored(1).BaudrateIndex, quint32(kTypedItem));
            EXPECT_EQ(harness.logLines(), QStringList{FormatLangString(618, QStringLiteral("Slot 7"), 2)});
            continue;
        }
        EXPECT_EQ(harness.messages(),
                  QStringList{FormatLangString(869, QString(c.typed).toLongLong(), c.corrected) + "\r\n"});
        EXPECT_EQ(Text(kEditTypedRate), QString::number(c.corrected));
        EXPECT_EQ(Stored(1), before);
        harness.Forget();
        harness.Press(kButtonApply); // the corrected rate is accepted
        EXPECT_TRUE(harness.messages().isEmpty());
        EXPECT_EQ(Stored(1).Baudrate, c.corrected);
    }
}

TEST_F(CanBusSettingDlgTest, AcceptanceFieldsAreHexadecimal)
{
    SelectChannels({0});
    harness.Set({{kEditAccCode, QString("0x1F")}, {kEditAccMask, QString("ff00")}});
    harness.Press(kButtonApply);
    EXPECT_EQ(Stored(0).AccCode, 0x1Fu);
    EXPECT_EQ(Stored(0).AccMask, 0xFF00u);
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(0, 2), "0x1F");
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(0, 0), "1");

    harness.Forget();
    harness.Set({{kEditAccCode, QString("1G")}, {kEditAccMask, QString("x")}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(867) + "\r\n" + LoadLangString(868) + "\r\n"});
    EXPECT_EQ(Stored(0).AccCode, 0x1Fu);
}

TEST_F(CanBusSettingDlgTest, AListedRateDisablesTheTypedRateAndShowsItsValue)
{
    SelectChannels({0, 1});
    harness.Set({{kComboBaudRate, 6}});
    EXPECT_FALSE(Enabled(kEditTypedRate));
    EXPECT_EQ(Text(kEditTypedRate), "500000");
    harness.Press(kButtonApply);
    EXPECT_EQ(Stored(0).Baudrate, 500000u);
    EXPECT_EQ(Stored(1).BaudrateIndex, 6u);
    EXPECT_EQ(harness.logLines().size(), 2);
    EXPECT_EQ(Text(kLabelRateRange), "bits/sec (10000-1000000)");
    harness.Screenshot(QStringLiteral("channel-can-page"));
}

} // namespace
