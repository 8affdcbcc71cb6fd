// The relay output page: the pulse editors of the digital output page over the relay record, the
// module model's frequency range, the relay tags of a mode change and refused channels.
#include "CDevCfgRelay.h"
#include "ChannelPageFixture.h"
#include "EditedDefaultSettings.h"
#include "LanguagePack.h"
#include "TagNaming.h"
#include "TextFormat.h"
#include "TypeIds.h"

using namespace ChannelFixture;
using namespace DOPage;

namespace {

constexpr PlacedModule kRelay{10, "41M-2308-T", 210};
constexpr int kChannels = 8;
constexpr int kTagLines = 3;
constexpr int kRelayKey = 0;
const QString kNode = QStringLiteral("Slot 10");
// The relay's frequency and duty cycle share one out-of-range message.
constexpr unsigned kStringRange = PulseOutputEditors::kStringFrequencyRange;

class DevCfgRelayTest : public ChannelPageTest<CDevCfgRelay> {
protected:
    void ShowRelay() { ShowPage(kRelay, kChannels, kTagLines); }
    OutputSettingBlock Stored(int channel)
    {
        OutputModuleSlotRecord record;
        EXPECT_EQ(harness.model().GetRelaySetting(kRelay.slot, record), 1);
        return record.Channels.at(size_t(channel)).Setting;
    }
    // The address of the channel's relay-mode (key 0) tag.
    QString RelayTagAddress(int channel)
    {
        OutputModuleSlotRecord record;
        harness.model().GetRelaySetting(kRelay.slot, record);
        for (const TagDefinition& definition : record.Channels.at(size_t(channel)).TagDefinitions)
            if (definition.ChMode == kRelayKey)
                return definition.ResourceText;
        return {};
    }
    QString NewRelayTagName(int channel)
    {
        const QString prefix = harness.model().GetSlotTagPrefix(kRelay.slot, ChannelType::Relay);
        return ChannelTagName(kRelay.slot, prefix, channel, QStringLiteral("Value"));
    }
};

TEST_F(DevCfgRelayTest, TheDutyRangeFollowsTheFrequencyAndOutOfRangeValuesAreNeverStored)
{
    ShowRelay();
    EXPECT_EQ(Text(kLabelFrequencyRange), "Hz(0.10-1000.00)");
    harness.Set({{kComboMode, 1}, {kEditFrequency, QString("1")}});
    LeaveEdit(harness.page(), kEditFrequency);
    EXPECT_EQ(Text(kLabelDutyRange), "%(0.1-99.9)");
    harness.Set({{kEditDuty, QString("20.0")}, {kEditFrequency, QString("1000")}});
    LeaveEdit(harness.page(), kEditFrequency);
    EXPECT_EQ(Text(kLabelDutyRange), "%(50.0-50.0)");
    EXPECT_EQ(Text(kEditDuty), "50.0") << "a duty outside the new range is reset";
    EXPECT_TRUE(harness.messages().isEmpty());

    // Typed without leaving the edits, then applied: checked again, nothing stored.
    const OutputSettingBlock before = Stored(0);
    harness.Set({{kEditDuty, QString("20.0")}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(kStringRange, 50.0, 50.0)});
    harness.Forget();
    harness.Set({{kEditFrequency, QString("1000.5")}, {kEditDuty, QString("50.0")}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(),
              QStringList{FormatLangString(PulseOutputEditors::kStringFrequencyRange, 0.1, 1000.0)});
    EXPECT_EQ(Stored(0), before);
    EXPECT_TRUE(harness.logLines().isEmpty());

    harness.Forget();
    harness.Set({{kEditFrequency, QString("1000")}});
    harness.Press(kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_DOUBLE_EQ(Stored(0).Frequency, 1000.0);
    EXPECT_DOUBLE_EQ(Stored(0).DutyCycle, 50.0);
    harness.Screenshot(QStringLiteral("channel-relay-page"));
}

// The shortest pulse is half a period of the maximum frequency, not cut to tenths.
TEST_F(DevCfgRelayTest, TheDutyLimitsAreHalfAPeriodOfTheMaximumFrequency)
{
    struct Case {
        const char* frequency;
        const char* duty;
        double minimum; // the limits in the refusal
        double maximum;
        bool stored;
    };
    const Case cases[] = {
        {"3", "99.9", 0.15, 99.85, false}, {"3", "0.1", 0.15, 99.85, false}, {"3", "99.8", 0.15, 99.85, true},
        {"3", "0.2", 0.15, 99.85, true},   {"1", "99.9", 0.1, 99.9, true},    {"1", "0.1", 0.1, 99.9, true},
        {"1000", "50.1", 50.0, 50.0, false},
    };
    ShowRelay();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.frequency) + " Hz, " + c.duty + " %");
        SelectChannels({0});
        const OutputSettingBlock before = Stored(0);
        harness.Forget();
        harness.Set({{kComboMode, 1}, {kEditFrequency, QString(c.frequency)}, {kEditDuty, QString(c.duty)}});
        harness.Press(kButtonApply);
        if (c.stored) {
            EXPECT_TRUE(harness.messages().isEmpty());
            EXPECT_DOUBLE_EQ(Stored(0).DutyCycle, QString(c.duty).toDouble());
        } else {
            EXPECT_EQ(harness.messages(), QStringList{FormatLangString(kStringRange, c.minimum, c.maximum)});
            EXPECT_EQ(Stored(0), before);
        }
    }
}

TEST_F(DevCfgRelayTest, TheModuleModelsFrequencyKeyIsPreferred)
{
    struct Case {
        const char* name;
        QList<EditedDefaultSettings::Edit> edits;
        const char* range;
    };
    const Case cases[] = {
        {"model key", {{"Relay", "0x80412308Frequency", "2.0,0.5,500.0"}}, "Hz(0.50-500.00)"},
        {"plain key", {{"Relay", "Frequency", "2.0,0.2,200.0"}}, "Hz(0.20-200.00)"},
        {"no key", {{"Relay", "Frequency", ""}}, "Hz(0.10-1000.00)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditedDefaultSettings settings(c.edits);
        PageHarness<CDevCfgRelay> page;
        ASSERT_TRUE(BuildEveryModuleProject(page.model()));
        page.Show(NodeOf(kRelay, kChannels, kTagLines));
        EXPECT_EQ(page.page().itemText(kLabelFrequencyRange), c.range);
    }
}

TEST_F(DevCfgRelayTest, AModeChangeRebuildsTheRelayTags)
{
    ShowRelay();
    const QString address = RelayTagAddress(2);
    const QString before = harness.model().GetTagNameByAddress(address);
    ASSERT_FALSE(before.isEmpty());
    SelectChannels({2});
    harness.Set({{kComboMode, 1}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.logLines(), QStringList({FormatLangString(681, before), FormatLangString(618, kNode, 3)}));
    EXPECT_TRUE(harness.model().GetTagNameByAddress(address).isEmpty());
    EXPECT_EQ(Stored(2).Mode, 1);

    harness.Forget();
    harness.Set({{kComboMode, 0}, {kComboStatus, 1}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.logLines(),
              QStringList({FormatLangString(732, NewRelayTagName(2)), FormatLangString(618, kNode, 3)}));
    EXPECT_EQ(harness.model().GetTagNameByAddress(address), NewRelayTagName(2));
    EXPECT_EQ(Stored(2).Status, 1);
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(2, 2), LoadLangString(CDevCfgDO::kStringStatusOn));
}

TEST_F(DevCfgRelayTest, AChannelWhoseRelayTagIsUsedKeepsItsMode)
{
    ShowRelay();
    harness.model().AddTagServiceUse(RelayTagAddress(1), ServiceId::ModbusSlave, 0);
    SelectChannels({0, 1});
    harness.Set({{kComboMode, 1}});
    harness.Press(kButtonApply);
    EXPECT_EQ(Stored(0).Mode, 1);
    EXPECT_EQ(Stored(1).Mode, 0);
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(760) + QStringLiteral("\nCh-1\n")})
        << "the common text comes first on this page";
    EXPECT_FALSE(harness.model().GetTagNameByAddress(RelayTagAddress(1)).isEmpty());
    EXPECT_TRUE(harness.logLines().filter(FormatLangString(618, kNode, 2)).isEmpty());
}

} // namespace
