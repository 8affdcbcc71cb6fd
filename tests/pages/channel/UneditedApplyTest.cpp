// A module as placed is valid: its page, shown and applied without an edit, refuses nothing and
// leaves the saved project as it was.
#include "CDevCfgAO.h"
#include "CDevCfgHAI.h"
#include "CDevSettingCellularDlg.h"
#include "ChannelPageFixture.h"
#include "ProjectReopen.h"

using namespace ChannelFixture;

namespace {

// Every channel selected (a page without a channel list has nothing to select), then Apply.
template <class Page>
void ExpectUneditedApplyChangesNothing(const PlacedModule& placed, int channels, int tagLines, int applyId,
                                       bool hasChannelList = true)
{
    SCOPED_TRACE(placed.module);
    PageHarness<Page> harness;
    ASSERT_TRUE(BuildEveryModuleProject(harness.model()));
    const QByteArray before = SavedProjectBytes(harness.model());
    harness.Show(NodeOf(placed, channels, tagLines));
    if constexpr (requires(Page& page) { page.SelectChannels(QList<int>{}); }) {
        if (hasChannelList) {
            QList<int> all;
            for (int channel = 0; channel < channels; ++channel)
                all << channel;
            harness.page().SelectChannels(all);
        }
    }
    harness.Press(applyId);
    EXPECT_EQ(harness.messages(), QStringList());
    EXPECT_EQ(harness.logLines().size(), hasChannelList ? channels : 1);
    EXPECT_EQ(SavedProjectBytes(harness.model()), before);
}

TEST(UneditedApplyTest, APlacedModulesPageAppliesItsOwnDefaults)
{
    ExpectUneditedApplyChangesNothing<CDevCfgAO>(kAO, 4, 4, AOPage::kButtonApply);
    ExpectUneditedApplyChangesNothing<CDevCfgHAI>(kHSAI, 4, 5, HAIPage::kButtonApply);
    ExpectUneditedApplyChangesNothing<CDevSettingCellularDlg>(kCellular, 1, 6, CellularPage::kButtonApply, false);
}

} // namespace
