// The digital input/output page: the direction switch and the tags of its keys, the editors of
// each direction, and refusals that count only the old key's tags.
#include "CDevCfgDIO.h"
#include "ChannelPageFixture.h"
#include "EditedDefaultSettings.h"
#include "LanguagePack.h"
#include "TextFormat.h"
#include "TypeIds.h"

using namespace ChannelFixture;
using namespace DIOPage;

namespace {

constexpr int kChannels = 16;
constexpr int kTagLines = 9;

class DevCfgDIOTest : public ChannelPageTest<CDevCfgDIO> {
protected:
    void SetUp() override
    {
        ChannelPageTest::SetUp();
        ShowPage(kDIO, kChannels, kTagLines);
    }
    DIOChannel Stored(int channel)
    {
        DIOModuleSlotRecord record;
        EXPECT_EQ(harness.model().GetDIOSetting(kDIO.slot, record), 1);
        return record.Channels.at(size_t(channel));
    }
    QStringList TagsOfKey(int channel, int key)
    {
        QStringList names;
        for (const TagDefinition& definition : Stored(channel).TagDefinitions)
            if (definition.ChMode == key)
                names << harness.model().GetTagNameByAddress(definition.ResourceText);
        return names;
    }
};

TEST(DevCfgDIOTemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(DevCfgDIOTest, SwitchingFromInputModeZeroToOutputModeZeroSwapsKeyZeroForKey100)
{
    SelectChannels({4});
    ASSERT_EQ(Stored(4).IODirection, 0);
    const QStringList removed = TagsOfKey(4, 0);
    ASSERT_EQ(removed.size(), 1);
    ASSERT_TRUE(TagsOfKey(4, 100).first().isEmpty());
    harness.Set({{kComboDirection, 1}, {kComboMode, 0}, {kComboStatus, 1}});
    EXPECT_FALSE(harness.page().control(kEditFilter)->isVisibleTo(&harness.page()));
    EXPECT_TRUE(harness.page().control(kComboStatus)->isVisibleTo(&harness.page()));
    harness.Press(kButtonApply);

    EXPECT_EQ(Stored(4).IODirection, 1);
    EXPECT_EQ(Stored(4).Setting.DO.Status, 1);
    EXPECT_TRUE(TagsOfKey(4, 0).first().isEmpty());
    const QString created = TagsOfKey(4, 100).first();
    EXPECT_FALSE(created.isEmpty());
    EXPECT_EQ(harness.logLines(), QStringList({FormatLangString(681, removed.first()), FormatLangString(732, created),
                                               FormatLangString(618, QStringLiteral("Slot 3"), 5)}));
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(4, 5), LoadLangString(411));
    harness.Screenshot(QStringLiteral("channel-dio-page"));
}

// In the input direction, as low as a short pane lets the page be: the range label stands
// beside the measurement edit, and Apply stays clear of the tag group below it.
TEST_F(DevCfgDIOTest, InputEditorsKeepTheirRowsAndApplyStaysClearOfTheTagGroup)
{
    CDevCfgDIO& page = harness.page();
    SelectChannels({0});
    ASSERT_EQ(Stored(0).IODirection, 0);
    page.resize(1366, page.minimumSizeHint().height());
    const auto rect = [&page](int id) {
        const QWidget* control = page.control(id);
        return QRect(control->mapTo(&page, QPoint(0, 0)), control->size());
    };
    const QRect edit = rect(kEditMeasurement);
    const QRect range = rect(kLabelMeasurementRange);
    EXPECT_TRUE(page.control(kLabelMeasurementRange)->isVisible());
    EXPECT_TRUE(range.top() < edit.bottom() && range.bottom() > edit.top()) << "on the edit's row";
    EXPECT_GE(range.left(), edit.right()) << "right of the edit";
    const QRect apply = rect(kButtonApply);
    EXPECT_FALSE(apply.intersects(rect(kGroupTags)));
    EXPECT_GE(apply.height(), page.control(kButtonApply)->sizeHint().height());
    for (int id : page.controlIds()) {
        QWidget* control = page.control(id);
        if (id != kButtonApply && control->isVisible() && id != kGroupTags && id != kListTags) {
            EXPECT_FALSE(apply.intersects(rect(id))) << "control " << id;
        }
    }
    harness.Screenshot(QStringLiteral("channel-dio-page-input"));
}

TEST_F(DevCfgDIOTest, TheTagListListsTheShownDirectionsTags)
{
    SelectChannels({0});
    const CListCtrlEx* tags = harness.page().TagList();
    EXPECT_EQ(tags->GetItemText(0, 2), "Value");
    harness.Set({{kComboDirection, 1}});
    EXPECT_EQ(tags->GetItemText(0, 2), "PulseStart");
    EXPECT_EQ(tags->GetItemText(2, 2), "Output");
    EXPECT_TRUE(tags->GetItemText(3, 2).isEmpty());
}

TEST_F(DevCfgDIOTest, AnInputModeChangeIgnoresUsedOutputTags)
{
    for (const TagDefinition& definition : Stored(2).TagDefinitions)
        if (definition.ChMode >= 100)
            harness.model().AddTagServiceUse(definition.ResourceText, ServiceId::ModbusSlave, 0);
    SelectChannels({2});
    harness.Set({{kComboMode, 1}});
    harness.Press(kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(Stored(2).Setting.DI.DI_Mode, 1);

    // Its used input tags refuse a switch to output.
    for (const TagDefinition& definition : Stored(2).TagDefinitions)
        if (definition.ChMode == 1)
            harness.model().AddTagServiceUse(definition.ResourceText, ServiceId::ModbusSlave, 0);
    harness.Forget();
    harness.Set({{kComboDirection, 1}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{QStringLiteral("Ch-2\n") + LoadLangString(760)});
    EXPECT_EQ(Stored(2).IODirection, 0);
}

TEST_F(DevCfgDIOTest, OutputFrequencyIsCheckedOnApply)
{
    SelectChannels({1});
    harness.Set({{kComboDirection, 1}, {kComboMode, 1}, {kEditFrequency, QString("5000")}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(710, 0.1, 1000.0)});
    EXPECT_EQ(Stored(1).IODirection, 0);
}

// With no output mode names the mode box is empty; the channel still becomes a plain output
// with the tags of key 100, as on the digital output page.
TEST(DevCfgDIOSettings, WithoutOutputModeNamesAnOutputChannelIsAPlainOutput)
{
    EditedDefaultSettings settings({{"DO", "Mode", ""}});
    PageHarness<CDevCfgDIO> page;
    ASSERT_TRUE(BuildEveryModuleProject(page.model()));
    page.Show(NodeOf(kDIO, kChannels, kTagLines));
    page.page().SelectChannels({4});
    page.Set({{kComboDirection, 1}, {kComboStatus, 1}});
    page.Press(kButtonApply);

    DIOModuleSlotRecord record;
    ASSERT_EQ(page.model().GetDIOSetting(kDIO.slot, record), 1);
    const DIOChannel& channel = record.Channels.at(4);
    EXPECT_EQ(channel.IODirection, CDevCfgDIO::kDirectionDO);
    EXPECT_EQ(channel.Setting.DO.Mode, 0);
    EXPECT_EQ(channel.Setting.DO.Status, 1);
    QStringList plainTags;
    for (const TagDefinition& definition : channel.TagDefinitions)
        if (definition.ChMode == CDevCfgDIO::kOutputKeyOffset)
            plainTags << page.model().GetTagNameByAddress(definition.ResourceText);
    ASSERT_FALSE(plainTags.isEmpty());
    EXPECT_FALSE(plainTags.first().isEmpty());
}

} // namespace
