// The high-speed analog input page: the sampling rate's range, the record limit it sets, and the
// counts a changed rate resets.
#include "CDevCfgHAI.h"
#include "ChannelPageFixture.h"
#include "LanguagePack.h"
#include "TextFormat.h"

#include <QCoreApplication>

using namespace ChannelFixture;
using namespace HAIPage;

namespace {

constexpr int kChannels = 4;
constexpr int kTagLines = 5;

class DevCfgHAITest : public ChannelPageTest<CDevCfgHAI> {
protected:
    void SetUp() override
    {
        ChannelPageTest::SetUp();
        ShowPage(kHSAI, kChannels, kTagLines);
    }
    HighSpeedAISetting Stored()
    {
        HighSpeedAISetting record;
        EXPECT_EQ(harness.model().GetHighSpeedAISetting(kHSAI.slot, record), 1);
        return record;
    }
};

TEST(DevCfgHAITemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(DevCfgHAITest, TheRateLimitsTheRecordCounts)
{
    const std::vector<quint32> numbers = ChannelRules::SamplingNumbersOrBuiltIn(Stored().SamplingNumbers);
    EXPECT_EQ(Text(kLabelRateRange), QStringLiteral("(%1-%2)").arg(numbers[1]).arg(numbers[2]));
    harness.model().SetHighSpeedAIChannelSetting(kHSAI.slot, 0, 2000, Stored().Channels[0].Setting);
    ShowPage(kHSAI, kChannels, kTagLines);
    SelectChannels({1});
    harness.Set({{kEditRate, QString("5000")}});
    LeaveEdit(harness.page(), kEditRate);
    EXPECT_EQ(Text(kEditPre), "3");
    EXPECT_EQ(Text(kLabelRecordLimit), "Pre Record+Post Record <= 6");

    const struct {
        const char* pre;
        const char* post;
        bool stored;
    } cases[] = {{"4", "3", false}, {"3", "3", true}, {"6", "0", true}, {"0", "7", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pre) + "+" + c.post);
        harness.Forget();
        harness.Set({{kEditPre, QString(c.pre)}, {kEditPost, QString(c.post)}});
        harness.Press(kButtonApply);
        if (c.stored) {
            EXPECT_TRUE(harness.messages().isEmpty());
            EXPECT_EQ(Stored().SamplingRate, 5000u);
            EXPECT_EQ(Stored().Channels[1].Setting.ForeInterval, QString(c.pre).toUInt());
            EXPECT_EQ(Stored().Channels[1].Setting.BackInterval, QString(c.post).toUInt());
        } else {
            EXPECT_EQ(harness.messages(), QStringList{LoadLangString(664)});
            EXPECT_TRUE(harness.logLines().isEmpty());
        }
    }
}

TEST_F(DevCfgHAITest, AChangedRateResetsEveryChannelsCountsToThree)
{
    harness.model().SetHighSpeedAIAllChannels(kHSAI.slot, 1, 1);
    ShowPage(kHSAI, kChannels, kTagLines);
    SelectChannels({0});
    EXPECT_EQ(Text(kEditPre), "1");
    harness.Set({{kEditRate, QString("2000")}});
    harness.Press(kButtonApply); // straight from the rate edit
    const HighSpeedAISetting stored = Stored();
    EXPECT_EQ(stored.SamplingRate, 2000u);
    for (const HighSpeedAIChannel& channel : stored.Channels) {
        EXPECT_EQ(channel.Setting.ForeInterval, 3u);
        EXPECT_EQ(channel.Setting.BackInterval, 3u);
    }
    EXPECT_EQ(harness.logLines(), QStringList{FormatLangString(618, QStringLiteral("Slot 5"), 1)});
}

// The user types the rate and clicks Apply: the press takes the focus from the rate edit first.
TEST_F(DevCfgHAITest, ARateTypedThenAppliedWithTheMouseResetsEveryChannelInTheModel)
{
    harness.model().SetHighSpeedAIAllChannels(kHSAI.slot, 100, 100);
    ShowPage(kHSAI, kChannels, kTagLines);
    SelectChannels({0});
    QWidget* window = harness.page().window();
    window->activateWindow();
    for (int tries = 0; tries < 50 && !window->isActiveWindow(); ++tries)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QWidget* rate = harness.page().control(kEditRate);
    rate->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(rate->hasFocus());
    harness.Set({{kEditRate, QString("2000")}});
    harness.page().control(kButtonApply)->setFocus(Qt::MouseFocusReason);
    ASSERT_FALSE(rate->hasFocus());
    harness.Press(kButtonApply);
    const HighSpeedAISetting stored = Stored();
    EXPECT_EQ(stored.SamplingRate, 2000u);
    for (const HighSpeedAIChannel& channel : stored.Channels) {
        EXPECT_EQ(channel.Setting.ForeInterval, 3u);
        EXPECT_EQ(channel.Setting.BackInterval, 3u);
    }
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(harness.logLines(), QStringList{FormatLangString(618, QStringLiteral("Slot 5"), 1)});
}

TEST_F(DevCfgHAITest, ARateOutsideItsRangeIsNeverStored)
{
    const std::vector<quint32> numbers = ChannelRules::SamplingNumbersOrBuiltIn(Stored().SamplingNumbers);
    const quint32 before = Stored().SamplingRate;
    for (const QString& rate : {QStringLiteral("0"), QString::number(numbers[2] + 1)}) {
        SCOPED_TRACE(rate.toStdString());
        ShowPage(kHSAI, kChannels, kTagLines);
        harness.Set({{kEditRate, rate}});
        harness.Press(kButtonApply);
        EXPECT_EQ(harness.messages(), QStringList{FormatLangString(386, numbers[1], numbers[2])});
        EXPECT_EQ(Stored().SamplingRate, before);
    }
    harness.Screenshot(QStringLiteral("channel-hsai-page"));
}

} // namespace
