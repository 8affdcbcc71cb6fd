// The digital input page: its ranges and labels, the filter and measurement checks on Apply, and
// the editors each mode enables.
#include "CDevCfgDI.h"
#include "ChannelPageFixture.h"
#include "LanguagePack.h"
#include "TextFormat.h"

using namespace ChannelFixture;
using namespace DIPage;

namespace {

constexpr int kChannels = 16;
constexpr int kTagLines = 6;

class DevCfgDITest : public ChannelPageTest<CDevCfgDI> {
protected:
    void SetUp() override
    {
        ChannelPageTest::SetUp();
        ShowPage(kDI, kChannels, kTagLines);
    }
    DISettingBlock Stored(int channel)
    {
        ModuleSlotRecord record;
        EXPECT_EQ(harness.model().GetDISetting(kDI.slot, record), 1);
        return record.Channels.at(size_t(channel)).Setting;
    }
};

TEST(DevCfgDITemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(DevCfgDITest, TheRangesAndTheirLabels)
{
    EXPECT_EQ(Text(kLabelFilterRange), "(Unit:ms , Range:1-65535)");
    EXPECT_EQ(Text(kLabelMeasurementRange), "ms(50-5000)");
    EXPECT_EQ(harness.page().Editors().MeasurementRange(), (ChannelRules::UnsignedTriple{1000, 50, 5000}));
    EXPECT_EQ(harness.page().ChannelList()->GetColumnTitle(2), "Digital Filter (ms)");
}

TEST_F(DevCfgDITest, EachModeEnablesItsEditors)
{
    const struct {
        int mode;
        bool filter;
        bool trigger;
        bool measurement;
    } cases[] = {{0, true, false, false}, {1, true, true, false}, {2, false, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        harness.Set({{kComboMode, c.mode}});
        EXPECT_EQ(Enabled(kEditFilter), c.filter);
        EXPECT_EQ(Enabled(kComboTrigger), c.trigger);
        EXPECT_EQ(Enabled(kEditMeasurement), c.measurement);
    }
    EXPECT_EQ(Text(kEditFilter), "1") << "a measuring mode has no filter";
}

TEST_F(DevCfgDITest, AppliedValuesAndWhatEachModeStores)
{
    SelectChannels({0});
    harness.Set({{kComboMode, 2}, {kEditMeasurement, QString("250")}});
    harness.Press(kButtonApply);
    EXPECT_EQ(Stored(0).DI_Mode, 2);
    EXPECT_EQ(Stored(0).Filter, 1u);
    EXPECT_EQ(Stored(0).Measurement_Time, 250u);
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(0, 4), "250");

    SelectChannels({1});
    harness.Set({{kComboMode, 1}, {kEditFilter, QString("20")}, {kComboTrigger, 2}});
    harness.Press(kButtonApply);
    EXPECT_EQ(Stored(1).Filter, 20u);
    EXPECT_EQ(Stored(1).Trigger, 2);
    EXPECT_EQ(Stored(1).Measurement_Time, 1000u) << "the fixed measurement time of the filtering modes";
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(1, 3), LoadLangString(602));
    EXPECT_TRUE(harness.messages().isEmpty());
}

TEST_F(DevCfgDITest, OutOfRangeNumbersWriteNoChannel)
{
    const struct {
        const char* name;
        std::vector<ControlInput> inputs;
        QString message;
    } cases[] = {
        {"filter 0", {{kEditFilter, QString("0")}}, QStringLiteral("\"Digital Filter\" Range: 1-65535.")},
        {"negative filter", {{kEditFilter, QString("-3")}}, QStringLiteral("\"Digital Filter\" Range: 1-65535.")},
        {"measurement too short",
         {{kComboMode, 2}, {kEditMeasurement, QString("10")}},
         QStringLiteral("\"Measurement Time\" Range: 50 - 5000 \r\n")},
        {"measurement too long",
         {{kComboMode, 2}, {kEditMeasurement, QString("9999")}},
         QStringLiteral("\"Measurement Time\" Range: 50 - 5000 \r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShowPage(kDI, kChannels, kTagLines);
        SelectChannels({2, 3});
        const DISettingBlock before = Stored(2);
        for (const ControlInput& input : c.inputs)
            SetControl(harness.page(), input);
        harness.Press(kButtonApply);
        EXPECT_EQ(harness.messages(), QStringList{c.message});
        EXPECT_EQ(Stored(2), before);
        EXPECT_EQ(Stored(3), before);
        EXPECT_TRUE(harness.logLines().isEmpty());
    }
    EXPECT_EQ(Text(kEditMeasurement), "1000") << "the refused measurement time is reset";
}

TEST_F(DevCfgDITest, AModeChangeRebuildsTheChannelsTags)
{
    SelectChannels({5});
    harness.Set({{kComboMode, 1}});
    harness.Press(kButtonApply);
    const QStringList lines = harness.logLines();
    ASSERT_EQ(lines.size(), 1 + 5 + 1);
    EXPECT_TRUE(lines.first().startsWith(FormatLangString(681, QString()).left(4)));
    EXPECT_EQ(lines.last(), FormatLangString(618, QStringLiteral("Slot 1"), 6));
    harness.Screenshot(QStringLiteral("channel-di-page"));
}

} // namespace
