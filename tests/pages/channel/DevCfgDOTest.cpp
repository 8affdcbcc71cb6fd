// The digital output page on the frame: duty ranges from the frequency, values stored as shown,
// the tags of a mode change, refused channels, and the checks on Apply.
#include "CDevCfgDO.h"
#include "ChannelPageFixture.h"
#include "LanguagePack.h"
#include "TagNaming.h"
#include "TextFormat.h"
#include "TypeIds.h"

#include <QBrush>
#include <QComboBox>

using namespace ChannelFixture;
using namespace DOPage;

namespace {

constexpr int kChannels = 16;
constexpr int kTagLines = 4;
constexpr int kServiceItem = 0;

class DevCfgDOTest : public ChannelPageTest<CDevCfgDO> {
protected:
    void SetUp() override
    {
        ChannelPageTest::SetUp();
        ShowPage(kDO, kChannels, kTagLines);
    }
    const DOChannel& Stored(int channel)
    {
        OutputModuleSlotRecord record;
        EXPECT_EQ(harness.model().GetDOSetting(kDO.slot, record), 1);
        return storedRecord_ = record, storedRecord_.Channels.at(size_t(channel));
    }
    QStringList TagsOfKey(int channel, int key)
    {
        QStringList names;
        for (const TagDefinition& definition : Stored(channel).TagDefinitions)
            if (definition.ChMode == key)
                names << harness.model().GetTagNameByAddress(definition.ResourceText);
        return names;
    }
    QStringList NewTagNames(int channel, int key)
    {
        const QString prefix = harness.model().GetSlotTagPrefix(kDO.slot, ChannelType::DigitalOutput);
        QStringList names;
        for (const TagDefinition& definition : Stored(channel).TagDefinitions)
            if (definition.ChMode == key)
                names << ChannelTagName(kDO.slot, prefix, channel, definition.Name);
        return names;
    }
    void UseTag(int channel, int key)
    {
        for (const TagDefinition& definition : Stored(channel).TagDefinitions)
            if (definition.ChMode == key)
                harness.model().AddTagServiceUse(definition.ResourceText, ServiceId::ModbusSlave, kServiceItem);
    }

    OutputModuleSlotRecord storedRecord_;
};

TEST(DevCfgDOTemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(DevCfgDOTest, TheDutyRangeFollowsTheFrequencyWithinTheMaximum)
{
    struct Case {
        const char* frequency;
        double minimum;
        double maximum;
        const char* label;
    };
    const Case cases[] = {
        {"1000", 50.0, 50.0, "%(50.0-50.0)"},
        {"1", 0.1, 99.9, "%(0.1-99.9)"},
        {"250", 12.5, 87.5, "%(12.5-87.5)"},
    };
    EXPECT_EQ(Text(kLabelFrequencyRange), "Hz(0.10-1000.00)");
    harness.Set({{kComboMode, 1}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frequency);
        harness.Set({{kEditFrequency, QString(c.frequency)}});
        LeaveEdit(harness.page(), kEditFrequency);
        EXPECT_DOUBLE_EQ(harness.page().Pulse().DutyRange().minimum, c.minimum);
        EXPECT_DOUBLE_EQ(harness.page().Pulse().DutyRange().maximum, c.maximum);
        EXPECT_EQ(Text(kLabelDutyRange), c.label);
    }
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(Text(kEditDuty), "50.0") << "a duty outside the new range is reset";
}

TEST_F(DevCfgDOTest, OutOfRangeValuesAreRefusedOnLeavingTheEditAndOnApply)
{
    harness.Set({{kComboMode, 1}, {kEditFrequency, QString("1001")}});
    LeaveEdit(harness.page(), kEditFrequency);
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(710, 0.1, 1000.0)});

    // Typed and applied without leaving the edit: checked again, nothing written.
    harness.Forget();
    const OutputSettingBlock before = Stored(0).Setting;
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(710, 0.1, 1000.0)});
    EXPECT_EQ(Stored(0).Setting, before);
    EXPECT_TRUE(harness.logLines().isEmpty());

    harness.Forget();
    harness.Set({{kEditFrequency, QString("1000")}, {kEditDuty, QString("20.0")}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(864, 50.0, 50.0)});
    EXPECT_EQ(Stored(0).Setting, before);
}

TEST_F(DevCfgDOTest, ValuesAreStoredAsShown)
{
    SelectChannels({3});
    harness.Set({{kComboMode, 1}, {kEditFrequency, QString("2.345")}, {kEditDuty, QString("40.04")}});
    harness.Press(kButtonApply);
    EXPECT_DOUBLE_EQ(Stored(3).Setting.Frequency, 2.35);
    EXPECT_DOUBLE_EQ(Stored(3).Setting.DutyCycle, 40.0);
    EXPECT_EQ(Text(kEditFrequency), "2.35");
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(3, 3), "2.35");
}

TEST_F(DevCfgDOTest, AModeChangeSwapsTheTagsOfTheKeys)
{
    SelectChannels({0});
    const QStringList removed = TagsOfKey(0, 0);
    const QStringList created = NewTagNames(0, 1);
    ASSERT_EQ(removed.size(), 1);
    ASSERT_EQ(created.size(), 3);
    harness.Set({{kComboMode, 1}});
    harness.Press(kButtonApply);

    QStringList expected;
    for (const QString& name : removed)
        expected << FormatLangString(681, name);
    for (const QString& name : created)
        expected << FormatLangString(732, name);
    expected << FormatLangString(618, QStringLiteral("Slot 2"), 1);
    EXPECT_EQ(harness.logLines(), expected);
    EXPECT_EQ(TagsOfKey(0, 1), created);
    EXPECT_EQ(TagsOfKey(0, 0), QStringList{QString()});
    EXPECT_EQ(Stored(0).Setting.Mode, 1);

    // Between two pulse modes nothing changes in the tags; back to 0 swaps again.
    harness.Forget();
    harness.Set({{kComboMode, 0}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.logLines().size(), 3 + 1 + 1);
    EXPECT_EQ(TagsOfKey(0, 0).first(), NewTagNames(0, 0).first());
}

TEST_F(DevCfgDOTest, AChannelWhoseOldTagsAServiceUsesIsRefusedAndTheOthersWritten)
{
    UseTag(1, 0);
    SelectChannels({0, 1, 2});
    harness.Set({{kComboMode, 1}});
    harness.Press(kButtonApply);
    EXPECT_EQ(Stored(0).Setting.Mode, 1);
    EXPECT_EQ(Stored(1).Setting.Mode, 0);
    EXPECT_EQ(Stored(2).Setting.Mode, 1);
    EXPECT_EQ(harness.messages(), QStringList{QStringLiteral("Ch-1\n") + LoadLangString(760)});
    const QStringList lines = harness.logLines();
    EXPECT_EQ(lines.filter(FormatLangString(618, QStringLiteral("Slot 2"), 1)).size(), 1);
    EXPECT_EQ(lines.filter(FormatLangString(618, QStringLiteral("Slot 2"), 3)).size(), 1);
    EXPECT_TRUE(lines.filter(FormatLangString(618, QStringLiteral("Slot 2"), 2)).isEmpty());
    EXPECT_FALSE(TagsOfKey(1, 0).first().isEmpty()) << "the used tag stays";
}

TEST_F(DevCfgDOTest, SeveralChannelsTakeTheSameValuesWithALineEach)
{
    SelectChannels({4, 5, 6});
    harness.Set({{kComboStatus, 1}});
    harness.Press(kButtonApply);
    for (int channel : {4, 5, 6})
        EXPECT_EQ(Stored(channel).Setting.Status, 1);
    EXPECT_EQ(harness.logLines(), QStringList({FormatLangString(618, QStringLiteral("Slot 2"), 5),
                                               FormatLangString(618, QStringLiteral("Slot 2"), 6),
                                               FormatLangString(618, QStringLiteral("Slot 2"), 7)}));
}

TEST_F(DevCfgDOTest, ApplyWithoutASelectedChannelChangesNothing)
{
    SelectChannels({});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(613)});
    EXPECT_TRUE(harness.logLines().isEmpty());
}

TEST_F(DevCfgDOTest, TheTagListShowsTheChannelsTagsWithOtherModesGrey)
{
    SelectChannels({2});
    const CListCtrlEx* tags = harness.page().TagList();
    ASSERT_EQ(tags->GetItemCount(), CChannelPageBase::kMinimumTagRows);
    EXPECT_EQ(tags->GetItemText(0, 0), TagsOfKey(2, 0).first());
    EXPECT_EQ(tags->GetItemText(1, 0), NewTagNames(2, 1).first());
    EXPECT_EQ(tags->GetItemText(1, 1), "2");
    EXPECT_TRUE(tags->GetItemText(5, 0).isEmpty());
    const auto textColour = [&](int row) {
        return tags->model()->index(row, 0).data(Qt::ForegroundRole).value<QBrush>().color();
    };
    EXPECT_NE(textColour(0), CChannelPageBase::kOtherModeTagColour);
    EXPECT_EQ(textColour(1), CChannelPageBase::kOtherModeTagColour);
    harness.Set({{kComboMode, 1}});
    EXPECT_EQ(textColour(0), CChannelPageBase::kOtherModeTagColour);
    EXPECT_NE(textColour(1), CChannelPageBase::kOtherModeTagColour);
    EXPECT_FALSE(Enabled(kComboStatus));
    EXPECT_TRUE(Enabled(kEditFrequency));
    harness.Screenshot(QStringLiteral("channel-do-page"));
}

} // namespace
