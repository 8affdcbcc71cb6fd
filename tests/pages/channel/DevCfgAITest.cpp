// The analog input page: the range list, the burn-out value's checks, and the burn-out tags that
// follow a move into or out of the burn-out range.
#include "CDevCfgAI.h"
#include "ChannelPageFixture.h"
#include "LanguagePack.h"
#include "SlotKeyedLookup.h"
#include "TextFormat.h"
#include "TypeIds.h"
#include <QBrush>

using namespace ChannelFixture;
using namespace AIPage;

namespace {

constexpr int kChannels = 8;
constexpr int kTagLines = 5;
constexpr int kBurnOutItem = 2; // "4-20mA Burn-out", code 4
const QString kBurnOutAddress = QStringLiteral("4.0.9");

class DevCfgAITest : public ChannelPageTest<CDevCfgAI> {
protected:
    void SetUp() override
    {
        ChannelPageTest::SetUp();
        // A burn-out tag of key 4 on channel 0.
        AISetting* record = FindRecordBySlot(harness.model().AISettings, kAI.slot);
        ASSERT_NE(record, nullptr);
        TagDefinition burnOut;
        burnOut.Name = QStringLiteral("BurnOut");
        burnOut.ResourceText = kBurnOutAddress;
        burnOut.TagType = 1;
        burnOut.IsInput = 1;
        burnOut.ChMode = 4;
        record->Channels.at(0).TagDefinitions.push_back(burnOut);
        ShowPage(kAI, kChannels, kTagLines);
    }
    AISettingBlock Stored(int channel)
    {
        AISetting record;
        EXPECT_EQ(harness.model().GetAISetting(kAI.slot, record), 1);
        return record.Channels.at(size_t(channel)).Setting;
    }
    QString BurnOutTag() { return harness.model().GetTagNameByAddress(kBurnOutAddress); }
};

TEST(DevCfgAITemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(DevCfgAITest, BurnOutValuesAreCheckedBeforeAnyChannelIsWritten)
{
    const QString rangeLine = FormatLangString(611, QStringLiteral("Burn-out value"), 0.0, 4.0);
    const struct {
        const char* text;
        QStringList messages;
        float stored;
    } cases[] = {
        {"4", {}, 4.0f},
        {"4.000", {}, 4.0f},
        {"3.25", {}, 3.25f},
        {"4.001", {rangeLine}, 0},
        {"-1", {rangeLine}, 0},
        {"12", {rangeLine}, 0},
        {"", {LoadLangString(606)}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ShowPage(kAI, kChannels, kTagLines);
        SelectChannels({1, 2});
        const AISettingBlock before = Stored(1);
        harness.Set({{kComboRange, kBurnOutItem}, {kEditBurnOut, QString(c.text)}});
        harness.Press(kButtonApply);
        EXPECT_EQ(harness.messages(), c.messages);
        if (c.messages.isEmpty()) {
            EXPECT_EQ(Stored(1).InputRange, 4);
            EXPECT_FLOAT_EQ(Stored(2).BurnOutValue, c.stored);
            EXPECT_EQ(harness.logLines().size(), 2);
            // Back to a range without burn-out for the next row.
            harness.Set({{kComboRange, 0}});
            harness.Press(kButtonApply);
        } else {
            EXPECT_EQ(Stored(1), before);
            EXPECT_TRUE(harness.logLines().isEmpty());
        }
    }
}

TEST_F(DevCfgAITest, TheBurnOutRangeCreatesAndRemovesItsTags)
{
    SelectChannels({0});
    ASSERT_TRUE(BurnOutTag().isEmpty());
    harness.Set({{kComboRange, kBurnOutItem}, {kEditBurnOut, QString("2.5")}});
    harness.Press(kButtonApply);
    const QString created = BurnOutTag();
    EXPECT_FALSE(created.isEmpty());
    EXPECT_EQ(harness.logLines(),
              QStringList({FormatLangString(732, created), FormatLangString(618, QStringLiteral("Slot 4"), 1)}));
    EXPECT_EQ(Stored(0).InputRangeMin, 4);
    EXPECT_EQ(Stored(0).InputRangeMax, 20);
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(0, 2), "2.500");

    // Between two codes other than 4 no tag changes.
    harness.Forget();
    harness.Set({{kComboRange, 0}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.logLines(),
              QStringList({FormatLangString(681, created), FormatLangString(618, QStringLiteral("Slot 4"), 1)}));
    harness.Forget();
    harness.Set({{kComboRange, 1}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.logLines(), QStringList{FormatLangString(618, QStringLiteral("Slot 4"), 1)});
    EXPECT_EQ(Stored(0).InputRange, 1);
}

TEST_F(DevCfgAITest, AUsedBurnOutTagKeepsItsChannelInTheBurnOutRange)
{
    SelectChannels({0});
    harness.Set({{kComboRange, kBurnOutItem}, {kEditBurnOut, QString("1")}});
    harness.Press(kButtonApply);
    harness.model().AddTagServiceUse(kBurnOutAddress, ServiceId::ModbusSlave, 0);
    harness.Forget();
    SelectChannels({0, 1, 2});
    harness.Set({{kComboRange, 0}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{QStringLiteral("Ch-0\n") + LoadLangString(760)});
    EXPECT_EQ(Stored(0).InputRange, 4);
    EXPECT_EQ(Stored(1).InputRange, 2);
    EXPECT_EQ(harness.logLines().size(), 2);
    EXPECT_FALSE(BurnOutTag().isEmpty());
}

TEST_F(DevCfgAITest, TheBurnOutEditFollowsTheRangeAndTheTagColours)
{
    SelectChannels({0});
    EXPECT_FALSE(Enabled(kEditBurnOut));
    const CListCtrlEx* tags = harness.page().TagList();
    const int burnOutRow = kTagLines;
    EXPECT_EQ(tags->GetItemText(burnOutRow, 2), "BurnOut");
    const auto textColour = [&](int row) {
        return tags->model()->index(row, 0).data(Qt::ForegroundRole).value<QBrush>().color();
    };
    EXPECT_EQ(textColour(burnOutRow), CChannelPageBase::kOtherModeTagColour);
    harness.Set({{kComboRange, kBurnOutItem}});
    EXPECT_TRUE(Enabled(kEditBurnOut));
    EXPECT_NE(textColour(burnOutRow), CChannelPageBase::kOtherModeTagColour);
    harness.Screenshot(QStringLiteral("channel-ai-page"));
}

} // namespace
