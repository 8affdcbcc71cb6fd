// The tag map: filters applied only by the filter button, the mode and service rules, renaming
// of tags that services use, the reset after a new or opened project.
#include "CListCtrlEx.h"
#include "CTagsDlg.h"
#include "CTagsMapDlg.h"
#include "FilledProject.h"
#include "LanguagePack.h"
#include "PageHarness.h"
#include "ServiceStatusTags.h"
#include "TagMapTree.h"
#include "TypeIds.h"

#include <QComboBox>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

using namespace TagMapIds;

class TagMapPageTest : public ::testing::Test {
protected:
    void SetUp() override { harness.Show(NodeFor(102, "Tag Map")); }
    CListCtrlEx& list() { return *harness.page().item<CListCtrlEx>(kListTags); }
    QStringList names()
    {
        QStringList texts;
        for (int row = 0; row < list().GetItemCount(); ++row)
            texts << list().GetItemText(row, kColumnName);
        return texts;
    }
    static QStringList namesOf(const std::vector<TagRecord>& tags)
    {
        QStringList out;
        for (const TagRecord& tag : tags)
            out << tag.TagName;
        return out;
    }
    PageHarness<CTagsMapDlg> harness;
};

TEST_F(TagMapPageTest, ControlsMatchTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(TagMapPageTest, ShowListsEveryTagAndDrawsTheController)
{
    EXPECT_EQ(names(), namesOf(harness.model().Tags.All()));
    const auto* tree = harness.page().item<QTreeWidget>(kTree);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_GT(tree->topLevelItem(0)->childCount(), 0);
    EXPECT_FALSE(harness.page().control(kButtonFilter)->isEnabled());
    EXPECT_FALSE(harness.Screenshot(QStringLiteral("tag-map-page")).isEmpty());
}

TEST_F(TagMapPageTest, FilterWaitsForItsButtonAlsoAcrossShows)
{
    const QStringList all = names();
    harness.Set({{kComboKind, 1}}); // by slot: the first slot is chosen
    EXPECT_EQ(names(), all);
    EXPECT_TRUE(harness.page().control(kButtonFilter)->isEnabled());
    harness.Show(NodeFor(102, "Tag Map"));
    EXPECT_EQ(names(), all);
    EXPECT_TRUE(harness.page().control(kButtonFilter)->isEnabled());
    harness.Press(kButtonFilter);
    const int slot = harness.page().Filter().target;
    std::vector<TagRecord> expected;
    for (const TagRecord& tag : harness.model().Tags.All())
        if (tag.SlotIndex == slot)
            expected.push_back(tag);
    EXPECT_EQ(names(), namesOf(expected));
    EXPECT_FALSE(harness.page().control(kButtonFilter)->isEnabled());
}

TEST(TagMapFilterTest, ModeRulesAndServiceIds)
{
    struct Case {
        int type, mode;
        QList<int> passing; // resource types 0..8 that pass
    };
    const std::vector<Case> cases = {
        {ChannelType::DigitalInput, 1, {0}},
        {ChannelType::DigitalInput, 2, {1, 2, 3, 4, 6, 7, 8}},
        {ChannelType::DigitalInput, 3, {5, 6, 7, 8}},
        {ChannelType::DigitalInputOutput, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
        {ChannelType::DigitalInputOutput, 2, {2, 3, 4, 5}},
        {ChannelType::DigitalInputOutput, 5, {7, 8}},
        {ChannelType::DigitalOutput, 4, {0, 3, 4, 5, 6, 7, 8}},
        {ChannelType::Relay, 5, {1, 2, 3, 4, 5, 6, 7, 8}},
        {ChannelType::DigitalOutput, 2, {}},
    };
    for (const Case& row : cases) {
        QList<int> passed;
        for (int rt = 0; rt <= 8; ++rt)
            if (ModePasses(row.type, row.mode, rt))
                passed << rt;
        EXPECT_EQ(passed, row.passing) << row.type << " mode " << row.mode;
    }
    TagRecord tag;
    tag.RelatedServices = {{ServiceId::TavoTagLink, 0}};
    EXPECT_TRUE(ServiceUseMatches(tag, ServiceId::Tavo));
    EXPECT_FALSE(ServiceUseMatches(tag, ServiceId::SnmpAgent));
    EXPECT_TRUE((TagMapFilter{TagMapFilter::kByService, TagMapFilter::kAllServices}).Passes(tag));
    EXPECT_FALSE((TagMapFilter{TagMapFilter::kByService, TagMapFilter::kAllServices}).Passes(TagRecord{}));
}

TEST_F(TagMapPageTest, RenamesATagInUseAndRefusesATakenName)
{
    harness.model().AddTagServiceUse(harness.model().Tags[0].ResID, ServiceId::ModbusSlave, 0);
    harness.Show(NodeFor(102, "Tag Map"));
    list().SelectRow(0);
    harness.Set({{kEditName, QStringLiteral("Renamed_1")}});
    harness.Press(kButtonRename);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(harness.model().Tags[0].TagName, "Renamed_1");
    EXPECT_EQ(names().first(), "Renamed_1");

    list().SelectRow(0);
    harness.Set({{kEditName, harness.model().Tags[1].TagName.toUpper()}});
    harness.Press(kButtonRename);
    EXPECT_EQ(harness.messages().size(), 1);
    EXPECT_EQ(harness.model().Tags[0].TagName, "Renamed_1");
    EXPECT_EQ(harness.page().itemText(kEditName), "Renamed_1");
}

// The tree's nodes below the item whose item data is the value, depth first.
QTreeWidgetItem* childWithData(QTreeWidgetItem* parent, int value)
{
    for (int i = 0; parent && i < parent->childCount(); ++i) {
        QTreeWidgetItem* child = parent->child(i);
        if (child->data(0, Qt::UserRole).toInt() == value)
            return child;
        if (QTreeWidgetItem* deeper = child->data(0, Qt::UserRole).toInt() == TagMapTree::kInternalRegistersId
                                          ? childWithData(child, value)
                                          : nullptr)
            return deeper;
    }
    return nullptr;
}

QStringList childTexts(const QTreeWidgetItem* parent)
{
    QStringList texts;
    for (int i = 0; i < parent->childCount(); ++i)
        texts << parent->child(i)->text(0);
    return texts;
}

bool isHighlighted(const QTreeWidgetItem* item)
{
    return item->background(0).style() != Qt::NoBrush;
}

TEST_F(TagMapPageTest, ExpandingABranchShowsItsChannelsAndLeaves)
{
    auto* tree = harness.page().item<QTreeWidget>(kTree);
    const std::vector<TagRecord>& tags = harness.model().Tags.All();
    // A tag with a channel whose group was not opened by the row selected on show.
    const TagRecord* other = nullptr;
    QTreeWidgetItem* group = nullptr;
    for (const TagRecord& tag : tags) {
        group = childWithData(childWithData(tree->topLevelItem(0), tag.SlotIndex), tag.ChannelTypeId);
        if (tag.ChannelIndex != kNoChannelIndex && group && !group->isExpanded()) {
            other = &tag;
            break;
        }
    }
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(group->childCount(), 0);
    EXPECT_EQ(group->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);

    group->setExpanded(true);
    QTreeWidgetItem* channel = childWithData(group, other->ChannelIndex);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->text(0), QStringLiteral("Channel%1").arg(other->ChannelIndex));
    channel->setExpanded(true);
    QStringList expected;
    for (const TagRecord& tag : tags)
        if (tag.SlotIndex == other->SlotIndex && tag.ChannelTypeId == other->ChannelTypeId &&
            tag.ChannelIndex == other->ChannelIndex)
            expected << tag.TagName;
    EXPECT_EQ(childTexts(channel), expected);
    group->setExpanded(false);
    group->setExpanded(true);
    EXPECT_EQ(childTexts(channel), expected); // made once
}

// A service item number read from a file may be the largest there is; the tree counts from 1.
TEST_F(TagMapPageTest, AServiceItemAtTheTopOfTheRangeIsDrawnWithItsNumber)
{
    bool first = true;
    harness.model().Tags.EditEach([&first](TagRecord& tag) {
        if (std::exchange(first, false))
            tag.RelatedServices.push_back(MakeIntPair(ServiceId::Dnp3Point, std::numeric_limits<qint32>::max()));
    });
    harness.Show(NodeFor(102, "Tag Map"));
    const auto* tree = harness.page().item<QTreeWidget>(kTree);
    EXPECT_EQ(tree->findItems(QStringLiteral("No.2147483648:"), Qt::MatchStartsWith | Qt::MatchRecursive).size(), 1);
}

TEST_F(TagMapPageTest, SelectingATagHighlightsItsPlacesUntilTheTreeIsTouched)
{
    const int row = static_cast<int>(harness.model().Tags.size()) - 1;
    const TagRecord tag = harness.model().Tags[row];
    harness.model().AddTagServiceUse(tag.ResID, ServiceId::ModbusSlave, 0);
    harness.Show(NodeFor(102, "Tag Map"));
    auto* tree = harness.page().item<QTreeWidget>(kTree);
    list().SelectRow(row);
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->currentItem()->text(0), tag.TagName);
    const QList<QTreeWidgetItem*> found = tree->findItems(tag.TagName, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 2); // under its channel and under the service item
    for (const QTreeWidgetItem* leaf : found) {
        EXPECT_TRUE(isHighlighted(leaf));
        for (const QTreeWidgetItem* parent = leaf->parent(); parent; parent = parent->parent())
            EXPECT_TRUE(parent->isExpanded()) << parent->text(0).toStdString();
    }

    tree->setCurrentItem(tree->topLevelItem(0));
    for (const QTreeWidgetItem* leaf : found)
        EXPECT_FALSE(isHighlighted(leaf));
}

// A channel of the table's first digital-input tag leaves its mode: its tags go from the table.
// The position of the first tag after them, before they went.
size_t removeTagsOfAChannelMode(CDataCenter& model)
{
    const std::vector<TagRecord>& tags = model.Tags.All();
    const auto first = std::find_if(tags.begin(), tags.end(), [](const TagRecord& tag) {
        return tag.ChannelTypeId == ChannelType::DigitalInput && tag.ChannelIndex != kNoChannelIndex;
    });
    if (first == tags.end())
        return 0;
    const TagRecord channelTag = *first;
    const std::vector<TagDefinition> definitions =
        model.CollectResourceTags(channelTag.SlotIndex, channelTag.ChannelTypeId, channelTag.ChannelIndex);
    int oldKey = -1;
    int newKey = -1;
    for (const TagDefinition& definition : definitions) {
        if (definition.ResourceText == channelTag.ResID)
            oldKey = definition.ChMode;
    }
    for (const TagDefinition& definition : definitions) {
        if (definition.ChMode != oldKey)
            newKey = definition.ChMode;
    }
    if (oldKey < 0 || newKey < 0)
        return 0;
    size_t after = static_cast<size_t>(first - tags.begin());
    while (after < tags.size() && tags[after].SlotIndex == channelTag.SlotIndex &&
           tags[after].ChannelTypeId == channelTag.ChannelTypeId)
        ++after;
    model.RebuildChannelTags(channelTag.SlotIndex, channelTag.ChannelTypeId, channelTag.ChannelIndex, definitions,
                             oldKey, newKey);
    return after;
}

TEST_F(TagMapPageTest, RenameAfterATagWentElsewhereWithAFilterPendingRenamesTheTagOfTheRow)
{
    harness.Set({{kComboKind, 1}}); // pending: the list keeps every tag
    harness.Hide();
    const size_t row = [&] {
        const std::vector<TagRecord> before = harness.model().Tags.All();
        const size_t position = removeTagsOfAChannelMode(harness.model());
        return position < before.size() ? position : 0;
    }();
    ASSERT_GT(row, 0u) << "no channel whose mode change removes tags";
    harness.Show(NodeFor(102, "Tag Map"));
    ASSERT_TRUE(harness.page().IsFilterPending());
    const QString shownName = list().GetItemText(static_cast<int>(row), kColumnName);
    const TagRecord* shown = harness.model().Tags.FirstNamed(shownName);
    ASSERT_NE(shown, nullptr) << "the row's tag is still in the table";
    const QString address = shown->ResID;
    const std::vector<TagRecord> others = harness.model().Tags.All();

    list().SelectRow(static_cast<int>(row));
    EXPECT_EQ(harness.page().itemText(kEditName), shownName);
    harness.Set({{kEditName, QStringLiteral("Renamed_Row")}});
    harness.Press(kButtonRename);

    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(harness.model().Tags.FirstAt(address)->TagName, "Renamed_Row");
    EXPECT_EQ(list().GetItemText(static_cast<int>(row), kColumnName), "Renamed_Row");
    int renamed = 0;
    for (size_t position = 0; position < others.size(); ++position)
        renamed += harness.model().Tags[position].TagName != others[position].TagName;
    EXPECT_EQ(renamed, 1);
}

TEST_F(TagMapPageTest, AServiceStatusTagHangsDirectlyUnderItsServiceAndOtherUsesUnderTheirItem)
{
    struct Case {
        StatusTagSource source;
        int serviceNode;
    };
    const std::vector<Case> cases = {{StatusTagSource::AlarmMail, ServiceId::AlarmMail},
                                     {StatusTagSource::ModbusMaster, ServiceId::ModbusMaster},
                                     {StatusTagSource::DataLogging, ServiceId::DataLogging},
                                     {StatusTagSource::SnmpAgent, ServiceId::SnmpAgentLink},
                                     {StatusTagSource::Tavo, ServiceId::TavoServer}};
    const QString prefix = QStringLiteral("0.0.");
    const QString mailStatus =
        prefix + harness.model().ServiceResourceTexts[StatusTagPosition(StatusTagSource::AlarmMail)].ResourceId;
    harness.model().AddTagServiceUse(mailStatus, ServiceId::ModbusSlave, 0); // also mapped to an item
    harness.Show(NodeFor(102, "Tag Map"));
    auto* tree = harness.page().item<QTreeWidget>(kTree);
    for (const Case& row : cases) {
        const QString address =
            prefix + harness.model().ServiceResourceTexts[StatusTagPosition(row.source)].ResourceId;
        SCOPED_TRACE(address.toStdString());
        const int position = harness.model().Tags.FirstPositionAt(address);
        ASSERT_GE(position, 0) << "the project has the status tag";
        list().SelectRow(position);
        const QList<QTreeWidgetItem*> leaves =
            tree->findItems(harness.model().Tags[position].TagName, Qt::MatchExactly | Qt::MatchRecursive);
        QList<int> parents;
        for (const QTreeWidgetItem* leaf : leaves) {
            if (leaf->parent() && leaf->parent()->parent() == tree->topLevelItem(0))
                parents << leaf->parent()->data(0, Qt::UserRole).toInt();
        }
        EXPECT_TRUE(parents.contains(row.serviceNode)) << "not directly under its service node";
    }
    // The mail status tag's Modbus slave use hangs under that service's item, not its node.
    const QString mailName = harness.model().Tags.FirstAt(mailStatus)->TagName;
    int underItem = 0;
    for (const QTreeWidgetItem* leaf : tree->findItems(mailName, Qt::MatchExactly | Qt::MatchRecursive)) {
        const QTreeWidgetItem* item = leaf->parent();
        underItem += item && item->parent() &&
                     item->parent()->data(0, Qt::UserRole).toInt() == ServiceId::ModbusSlave;
    }
    EXPECT_EQ(underItem, 1);
}

TEST_F(TagMapPageTest, ResetFiltersShowsEveryTagAgain)
{
    harness.Set({{kComboKind, 2}});
    harness.Press(kButtonFilter);
    harness.page().ResetFilters();
    EXPECT_EQ(harness.page().Filter().kind, TagMapFilter::kAll);
    EXPECT_FALSE(harness.page().IsFilterPending());
    EXPECT_TRUE(harness.page().control(kComboTarget)->isHidden());
    harness.Show(NodeFor(102, "Tag Map"));
    EXPECT_EQ(names(), namesOf(harness.model().Tags.All()));
}

} // namespace

namespace {

// Both tag pages on the largest project there is, pictured for a look by eye.
TEST(TagPagesLargestProjectTest, ScreenshotsOfTagsPageAndTagMap)
{
    PageHarness<CTagsMapDlg> map;
    map.model().ResetProjectData();
    ASSERT_TRUE(FilledProject::BuildLargestProject(map.model()));
    map.Show(NodeFor(102, "Tag Map"));
    EXPECT_EQ(map.page().item<CListCtrlEx>(kListTags)->GetItemCount(), static_cast<int>(map.model().Tags.size()));
    EXPECT_FALSE(map.Screenshot(QStringLiteral("tag-map-largest-project")).isEmpty());

    PageHarness<CTagsDlg> tags;
    tags.model().ResetProjectData();
    ASSERT_TRUE(FilledProject::BuildLargestProject(tags.model()));
    tags.Show(NodeFor(100, "Tags"));
    EXPECT_FALSE(tags.Screenshot(QStringLiteral("tags-page-largest-project")).isEmpty());
}

} // namespace
