// The HART analog input page: ranges of [HARTAIRange], the value of range code 4 (a literal decimal
// dot), the retry count within 0..5 and Apply without any range.
#include "CDevCfgHART.h"
#include "ChannelPageFixture.h"
#include "EditedDefaultSettings.h"
#include "LanguagePack.h"
#include "TextFormat.h"
#include "Validation.h"

using namespace ChannelFixture;
using namespace HARTPage;

namespace {

constexpr PlacedModule kHART{11, "41M-5480-T", 212};
constexpr int kChannels = 8;
constexpr int kTagLines = 5;
const QList<EditedDefaultSettings::Edit> kValueRange{
    {"HARTAIRange", "Valued", "4,20,4"},
    {"HARTAIRange", "41M-5480-T", "4-20mA,Valued"},
};

class DevCfgHARTTest : public ChannelPageTest<CDevCfgHART> {
protected:
    void ShowHART() { ShowPage(kHART, kChannels, kTagLines); }
    HARTAISettingBlock Stored(int channel)
    {
        HARTAISetting record;
        EXPECT_EQ(harness.model().GetHARTAISetting(kHART.slot, record), 1);
        return record.Channels.at(size_t(channel)).Setting;
    }
};

TEST(DevCfgHARTTemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(DevCfgHARTTest, TheValueOfRangeFourIsADecimalNumberUpToFour)
{
    EditedDefaultSettings settings(kValueRange);
    ShowHART();
    SelectChannels({2});
    harness.Set({{kComboRange, 1}});
    EXPECT_TRUE(Enabled(kEditValue));
    struct Case {
        const char* typed;
        bool accepted;
    };
    const Case cases[] = {{"4", true},    {"3.125", true},   {"0.5", true}, {"4.001", false},
                          {"123", false}, {"1.2345", false}, {"1a", false}, {"1a5", false}};
    const QString refused = FormatLangString(611, Text(kLabelValue), 0.0, 4.0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        harness.Forget();
        const HARTAISettingBlock before = Stored(2);
        harness.Set({{kEditValue, QString(c.typed)}});
        harness.Press(kButtonApply);
        if (c.accepted) {
            EXPECT_TRUE(harness.messages().isEmpty());
            EXPECT_FLOAT_EQ(Stored(2).BurnOutValue, float(QString(c.typed).toDouble()));
            EXPECT_EQ(Stored(2).InputRange, 4);
        } else {
            EXPECT_EQ(harness.messages(), QStringList{refused});
            EXPECT_EQ(Stored(2), before);
        }
    }
    harness.Screenshot(QStringLiteral("channel-hart-page"));
}

TEST_F(DevCfgHARTTest, TheRetryCountLiesWithinZeroToFive)
{
    ShowHART();
    SelectChannels({0, 1});
    struct Case {
        const char* typed;
        int stored; // -1: refused
    };
    const Case cases[] = {{"", 2}, {"0", 0}, {"5", 5}, {"6", -1}, {"-1", -1}, {"x", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        harness.Forget();
        const HARTAISettingBlock before = Stored(1);
        harness.Set({{kEditRetries, QString(c.typed)}});
        harness.Press(kButtonApply);
        if (c.stored >= 0) {
            EXPECT_TRUE(harness.messages().isEmpty());
            EXPECT_EQ(Stored(0).NumRetry, quint32(c.stored));
            EXPECT_EQ(Stored(1).NumRetry, quint32(c.stored));
            EXPECT_EQ(harness.logLines().size(), 2);
        } else {
            EXPECT_EQ(harness.messages(), QStringList{FormatRangeErrorLine(Text(kLabelRetries), 0, 5)});
            EXPECT_EQ(Stored(1), before);
        }
    }
}

TEST_F(DevCfgHARTTest, ApplyWithoutAnyRangeIsRefused)
{
    EditedDefaultSettings settings({{"HARTAIRange", "41M-5480-T", ""}});
    ShowHART();
    SelectChannels({0});
    const HARTAISettingBlock before = Stored(0);
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(CDevCfgHART::kStringNoRanges)});
    EXPECT_EQ(Stored(0), before);
}

TEST_F(DevCfgHARTTest, TheChannelListShowsRangeValueAndSensors)
{
    ShowHART();
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(0, 1), "4-20mA");
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(0, 3), "0");
}

} // namespace
