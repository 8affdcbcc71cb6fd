// The high-voltage digital input page: the first-on time checked against the DefaultSettings.ini
// limits (or the built-in ones) in 0.5 ms steps, written into every selected channel.
#include "CDevCfgHVDI.h"
#include "ChannelPageFixture.h"
#include "EditedDefaultSettings.h"
#include "LanguagePack.h"
#include "TextFormat.h"

#include <QBrush>

using namespace ChannelFixture;
using namespace HVDIPage;

namespace {

constexpr PlacedModule kHVDI{9, "41M-2416-T", 211};
constexpr int kChannels = 16;
constexpr int kTagLines = 2;
const QString kNode = QStringLiteral("Slot 9");

class DevCfgHVDITest : public ChannelPageTest<CDevCfgHVDI> {
protected:
    DISettingBlock Stored(int channel)
    {
        ModuleSlotRecord record;
        EXPECT_EQ(harness.model().GetDISetting(kHVDI.slot, record), 1);
        return record.Channels.at(size_t(channel)).Setting;
    }
    QString Label() { return Text(kLabelFirstOnTime); }
};

TEST(DevCfgHVDITemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(DevCfgHVDITest, TheFirstOnTimeIsCheckedAgainstTheBuiltInLimitsWhenTheKeyIsMissing)
{
    EditedDefaultSettings settings({{"DI", "HV-FirstOnTime", ""}});
    ShowPage(kHVDI, kChannels, kTagLines);
    EXPECT_EQ(harness.page().Limits(), (ChannelRules::RealTriple{15.0, 1.0, 15.0}));
    EXPECT_EQ(Text(kLabelRange), "ms.  (Range: 1.0~15.0ms, increased by 0.5ms)");

    struct Case {
        const char* typed;
        const QString* format; // null: accepted
    };
    const Case cases[] = {
        {"15.5", &CDevCfgHVDI::kOutOfRangeFormat},
        {"0.5", &CDevCfgHVDI::kOutOfRangeFormat},
        {"1.25", &CDevCfgHVDI::kInvalidFormat},
        {"2.05", &CDevCfgHVDI::kInvalidFormat},
        {"15.0", nullptr},
    };
    SelectChannels({1, 2, 3});
    harness.Set({{kCheckFirstOn, true}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        harness.Forget();
        harness.Set({{kEditFirstOnTime, QString(c.typed)}});
        harness.Press(kButtonApply);
        if (c.format) {
            EXPECT_EQ(harness.messages(), QStringList{FormatText(*c.format, {Label(), 1.0, 15.0})});
            EXPECT_TRUE(harness.logLines().isEmpty());
            EXPECT_EQ(Stored(2).FirstOnEnable, 0);
        } else {
            EXPECT_TRUE(harness.messages().isEmpty());
            EXPECT_EQ(harness.logLines(), QStringList({FormatLangString(618, kNode, 2), FormatLangString(618, kNode, 3),
                                                       FormatLangString(618, kNode, 4)}));
        }
    }
    for (int channel : {1, 2, 3}) {
        EXPECT_EQ(Stored(channel).FirstOnEnable, 1);
        EXPECT_FLOAT_EQ(Stored(channel).FirstOnTime, 15.0f);
        EXPECT_EQ(harness.page().ChannelList()->GetItemText(channel, 2), "Enable");
        EXPECT_EQ(harness.page().ChannelList()->GetItemText(channel, 3), "15.0");
    }
    EXPECT_EQ(Stored(0).FirstOnEnable, 0) << "an unselected channel keeps its state";
}

TEST_F(DevCfgHVDITest, TheInvalidMessageNamesTheLimitsOfTheSettings)
{
    EditedDefaultSettings settings({{"DI", "HV-FirstOnTime", "10.0,2.0,20.0"}});
    ShowPage(kHVDI, kChannels, kTagLines);
    SelectChannels({0});
    harness.Set({{kCheckFirstOn, true}, {kEditFirstOnTime, QString("3.3")}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{FormatText(CDevCfgHVDI::kInvalidFormat, {Label(), 2.0, 20.0})});
    harness.Forget();
    harness.Set({{kEditFirstOnTime, QString("19.5")}});
    harness.Press(kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_FLOAT_EQ(Stored(0).FirstOnTime, 19.5f);
}

TEST_F(DevCfgHVDITest, TheCheckBoxEnablesTheTimeAndTheTagListShowsThePowerGroup)
{
    ShowPage(kHVDI, kChannels, kTagLines);
    SelectChannels({9});
    harness.Set({{kCheckFirstOn, false}});
    EXPECT_FALSE(Enabled(kEditFirstOnTime));
    harness.Set({{kCheckFirstOn, true}});
    EXPECT_TRUE(Enabled(kEditFirstOnTime));

    // Channel 9: its Value (normal), its Counter (grey), ExtPower0 (channels 0-7, grey), ExtPower1 (normal).
    const CListCtrlEx* tags = harness.page().TagList();
    ASSERT_GE(tags->GetItemCount(), 4);
    const auto grey = [&](int row) {
        return tags->model()->index(row, 0).data(Qt::ForegroundRole).value<QBrush>().color() ==
               CChannelPageBase::kOtherModeTagColour;
    };
    EXPECT_FALSE(grey(0));
    EXPECT_TRUE(grey(1));
    EXPECT_TRUE(grey(2));
    EXPECT_FALSE(grey(3));
    EXPECT_EQ(tags->GetItemText(3, 2), "ExtPower");
    harness.Screenshot(QStringLiteral("channel-hvdi-page"));
}

TEST_F(DevCfgHVDITest, ApplyChangesNoTags)
{
    ShowPage(kHVDI, kChannels, kTagLines);
    const auto tagCount = harness.model().Tags.size();
    SelectChannels({0, 1});
    harness.Set({{kCheckFirstOn, true}, {kEditFirstOnTime, QString("5.5")}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.model().Tags.size(), tagCount);
    EXPECT_EQ(harness.logLines().size(), 2);
}

} // namespace
