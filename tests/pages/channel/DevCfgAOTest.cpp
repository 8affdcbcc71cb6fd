// The analog output page: limits from the chosen range, the modes a unit offers, the editor
// check, and the tags of a mode change.
#include "CDevCfgAO.h"
#include "ChannelPageFixture.h"
#include "LanguagePack.h"
#include "TextFormat.h"

#include <QApplication>
#include <QComboBox>

using namespace ChannelFixture;
using namespace AOPage;

namespace {

constexpr int kChannels = 4;
constexpr int kTagLines = 4;
constexpr int kMilliampereRange = 0; // 4-20mA
constexpr int kVoltRange = 1;        // 0-10V

class DevCfgAOTest : public ChannelPageTest<CDevCfgAO> {
protected:
    void SetUp() override
    {
        ChannelPageTest::SetUp();
        ShowPage(kAO, kChannels, kTagLines);
    }
    AOSettingBlock Stored(int channel)
    {
        AOSetting record;
        EXPECT_EQ(harness.model().GetAOSetting(kAO.slot, record), 1);
        return record.Channels.at(size_t(channel)).Setting;
    }
    int ModeCount() { return harness.page().item<QComboBox>(kComboMode)->count(); }
};

TEST(DevCfgAOTemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(DevCfgAOTest, TheRangeGivesTheLimitsAndTheModes)
{
    SelectChannels({0});
    harness.Set({{kComboRange, kVoltRange}, {kComboRange, kMilliampereRange}});
    EXPECT_EQ(harness.page().ValueLimits(), (ChannelRules::RealTriple{12.0, 4.0, 20.0}));
    EXPECT_EQ(harness.page().AmplitudeLimits(), (ChannelRules::RealTriple{0.0, 0.0, 16.0}));
    EXPECT_EQ(Text(kLabelValueRange), "mA(4.000-20.000)");
    EXPECT_EQ(ModeCount(), 1) << "only the first mode outside \"V\"";
    EXPECT_EQ(Text(kEditValue), "4") << "the range's minimum text";
    harness.Set({{kComboRange, kVoltRange}});
    EXPECT_EQ(ModeCount(), 2);
    EXPECT_EQ(Text(kEditValue), "0");
    EXPECT_EQ(Text(kLabelFrequencyRange), "Hz(0.100-125.000)");
}

TEST_F(DevCfgAOTest, FailingEditorsGiveOneLineEachAndFocusTheFirst)
{
    SelectChannels({0, 1});
    const AOSettingBlock before = Stored(0);
    harness.Set({{kComboRange, kVoltRange},
                 {kComboMode, 1},
                 {kEditOffset, QString("11")},
                 {kEditAmplitude, QString("10.5")},
                 {kEditFrequency, QString("2.5")}});
    QApplication::setActiveWindow(&harness.page());
    harness.Press(kButtonApply);
    const QString expected = FormatLangString(611, QStringLiteral("Amplitude"), 0.0, 10.0) + QStringLiteral("\r\n") +
                             FormatLangString(611, QStringLiteral("Offset"), 0.0, 10.0) + QStringLiteral("\r\n");
    EXPECT_EQ(harness.messages(), QStringList{expected});
    EXPECT_EQ(Stored(0), before);
    EXPECT_EQ(QApplication::focusWidget(), harness.page().control(kEditAmplitude));

    // Disabled editors are not checked: a fixed value ignores a wrong frequency.
    harness.Forget();
    harness.Set({{kComboMode, 0}, {kEditFrequency, QString("abc")}, {kEditValue, QString("2.5")}});
    harness.Press(kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_FLOAT_EQ(Stored(1).InitialValue, 2.5f);
    EXPECT_EQ(Stored(1).OutputRange, 2);
    EXPECT_EQ(Stored(1).RangeMax, 10);
}

TEST_F(DevCfgAOTest, AModeChangeSwapsKeyZeroForKeyOne)
{
    AOSetting record;
    ASSERT_EQ(harness.model().GetAOSetting(kAO.slot, record), 1);
    const QString valueAddress = record.Channels.at(2).TagDefinitions.at(0).ResourceText;
    const QString valueTag = harness.model().GetTagNameByAddress(valueAddress);
    ASSERT_FALSE(valueTag.isEmpty());
    SelectChannels({2});
    harness.Set({{kComboRange, kVoltRange},
                 {kComboMode, 1},
                 {kEditFrequency, QString("10")},
                 {kEditAmplitude, QString("5")},
                 {kEditOffset, QString("5")}});
    harness.Press(kButtonApply);
    // The template's key-1 list is empty: the value tag goes, the always-present tags stay.
    EXPECT_EQ(harness.logLines(),
              QStringList({FormatLangString(681, valueTag), FormatLangString(618, QStringLiteral("Slot 6"), 3)}));
    EXPECT_TRUE(harness.model().GetTagNameByAddress(valueAddress).isEmpty());
    EXPECT_EQ(Stored(2).Mode, 1);
    EXPECT_FLOAT_EQ(Stored(2).Amplitude, 5.0f);
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(2, 6), "10.000");
    harness.Screenshot(QStringLiteral("channel-ao-page"));
}

} // namespace
