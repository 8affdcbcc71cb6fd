// Refused channels and sensors gathered into one box, and the frame gathering every refused
// channel of one Apply while writing the others.
#include "ChannelRefusals.h"
#include "CDevCfgDO.h"
#include "ChannelPageFixture.h"
#include "LanguagePack.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "TypeIds.h"

#include <functional>

using namespace ChannelFixture;

namespace {

TEST(ChannelRefusalsTest, EveryRefusalIsALineOfOneBoxEndedByTheClosingText)
{
    const QString closing = LoadLangString(ChannelRefusals::kStringRefused);
    struct Case {
        const char* name;
        std::function<void(ChannelRefusals&)> add;
        QStringList boxes;
        ChannelRefusals::Order order = ChannelRefusals::Order::LinesFirst;
    };
    const Case cases[] = {
        {"nothing refused", [](ChannelRefusals&) {}, {}},
        {"two channels",
         [](ChannelRefusals& refused) {
             refused.AddChannel(1);
             refused.AddChannel(3);
         },
         {QStringLiteral("Ch-1\nCh-3\n") + closing}},
        {"a sensor range",
         [](ChannelRefusals& refused) { refused.AddSensors(2, 4); },
         {QStringLiteral("Sensor index from 2 to 4\n") + closing}},
        {"the common text first",
         [](ChannelRefusals& refused) {
             refused.AddChannel(1);
             refused.AddChannel(3);
         },
         {closing + QStringLiteral("\nCh-1\nCh-3\n")},
         ChannelRefusals::Order::CommonTextFirst},
    };
    for (const Case& c : cases) {
        RecordingMessageBoxService boxes;
        ScopedMessageBoxService installed(boxes);
        ChannelRefusals refused(c.order);
        c.add(refused);
        EXPECT_EQ(refused.ShowIfAny(), !c.boxes.isEmpty()) << c.name;
        EXPECT_EQ(boxes.texts(), c.boxes) << c.name;
    }
}

class ChannelFrameRefusalTest : public ChannelPageTest<CDevCfgDO> {
protected:
    void SetUp() override
    {
        ChannelPageTest::SetUp();
        ShowPage(kDO, kChannels, kTagLines);
    }
    DOChannel Stored(int channel)
    {
        OutputModuleSlotRecord record;
        EXPECT_EQ(harness.model().GetDOSetting(kDO.slot, record), 1);
        return record.Channels.at(size_t(channel));
    }
    void UseTagsOfKey(int channel, int key)
    {
        for (const TagDefinition& definition : Stored(channel).TagDefinitions)
            if (definition.ChMode == key)
                harness.model().AddTagServiceUse(definition.ResourceText, ServiceId::ModbusSlave, 0);
    }

    static constexpr int kChannels = 16;
    static constexpr int kTagLines = 4;
};

// A refused channel reloads the page's copy; the channels after it still take the editors.
TEST_F(ChannelFrameRefusalTest, EveryRefusedChannelOfAnApplyIsNamedInOneBox)
{
    UseTagsOfKey(1, 0);
    UseTagsOfKey(3, 0);
    SelectChannels({0, 1, 2, 3, 4});
    harness.Set({{DOPage::kComboMode, 1}});
    harness.Press(DOPage::kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{QStringLiteral("Ch-1\nCh-3\n") + LoadLangString(760)});
    for (int channel : {0, 2, 4})
        EXPECT_EQ(Stored(channel).Setting.Mode, 1) << channel;
    for (int channel : {1, 3})
        EXPECT_EQ(Stored(channel).Setting.Mode, 0) << channel;
}

} // namespace
