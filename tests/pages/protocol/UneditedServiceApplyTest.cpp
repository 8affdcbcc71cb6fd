// Apply on a service page the user has not edited changes no saved byte: the tags keep their
// uses in the order they had, also when another service uses the same tag after this one.
#include "CDNP3SelectTagDlg.h"
#include "CDnp3SelTagPage.h"
#include "CListCtrlEx.h"
#include "CSNMPAgentTagSelect.h"
#include "ListRows.h"
#include "PageHarness.h"
#include "ProjectReopen.h"
#include "TypeIds.h"

#include <gtest/gtest.h>

namespace {

const TagServiceLink kLaterUse = MakeIntPair(ServiceId::ModbusSlave, 0);

TEST(UneditedServiceApplyTest, TheSnmpAgentTagPageKeepsTheUsesAsTheyAre)
{
    using namespace SnmpAgentTagPage;
    PageHarness<CSNMPAgentTagSelect> harness;
    CDataCenter& model = harness.model();
    std::vector<TagRecord> tags;
    model.GetTagList(tags, 1, 0);
    ASSERT_GE(tags.size(), 3u);
    harness.Show(NodeFor(ServiceId::SnmpAgentLink2, QStringLiteral("SNMP Agent Tags")));
    harness.page().OnTagsChosen({tags[0], tags[1], tags[2]});
    harness.Press(kButtonApply);
    model.AddTagServiceUse(tags[0].ResID, kLaterUse);
    const QByteArray before = SaveAndReopenInPlaceBytes(model);

    harness.Show(NodeFor(ServiceId::SnmpAgentLink2, QStringLiteral("SNMP Agent Tags")));
    harness.Press(kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(SavedProjectBytes(model), before);
}

TEST(UneditedServiceApplyTest, TheDnp3PointsPageKeepsThePointsAsTheyAre)
{
    using namespace Dnp3PointTab;
    PageHarness<CDNP3SelectTagDlg> harness;
    CDataCenter& model = harness.model();
    harness.Show(NodeFor(130, QStringLiteral("DNP3 Points")));
    for (int position = 0; position < harness.page().TabCount(); ++position) {
        SCOPED_TRACE(position);
        harness.page().ShowTab(position);
        CDnp3SelTagPage& tab = harness.page().Tab(position);
        std::vector<TagRecord> tags;
        model.GetTagsForDnp3PointType(tab.ObjectType(), tags);
        if (tags.size() > 2)
            tags.resize(2);
        tab.AddTags(tags);
        for (const TagRecord& tag : tags)
            model.AddTagServiceUse(tag.ResID, kLaterUse);
        const QByteArray before = SaveAndReopenInPlaceBytes(model);
        harness.Show(NodeFor(130, QStringLiteral("DNP3 Points")));
        harness.page().ShowTab(position);
        auto* list = tab.item<CListCtrlEx>(kListPoints);
        SelectListRows(*list, {0, 1});
        harness.Forget();
        PressButton(tab, kButtonApply);
        EXPECT_TRUE(harness.messages().isEmpty());
        EXPECT_EQ(SavedProjectBytes(model), before);
        list->clearSelection(); // Apply then writes the tab's variations only
        PressButton(tab, kButtonApply);
        EXPECT_EQ(SavedProjectBytes(model), before);
    }
}

} // namespace
