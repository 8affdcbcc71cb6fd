// The SNMP agent tag page: entries numbered from the start number, the 1024-entry limit, moves,
// the start number's range, entries of tags that are gone, and the tag uses written by Apply.
#include "CListCtrlEx.h"
#include "CSNMPAgentTagSelect.h"
#include "ListRows.h"
#include "PageHarness.h"
#include "TypeIds.h"
#include "Validation.h"

#include <gtest/gtest.h>

#include <QBrush>
#include <algorithm>

using namespace SnmpAgentTagPage;

namespace {

const TagServiceLink kAgentUse = MakeIntPair(ServiceId::SnmpAgentLink2, 0);

class SNMPAgentTagSelectTest : public testing::Test {
protected:
    void SetUp() override
    {
        harness.model().GetTagList(tags, 1, 0);
        ASSERT_GE(tags.size(), 12u);
    }
    void Show() { harness.Show(NodeFor(145, QStringLiteral("SNMP Agent Tags"))); }
    CListCtrlEx& List() { return *harness.page().item<CListCtrlEx>(kListTags); }
    QStringList Column(int column)
    {
        QStringList texts;
        for (int row = 0; row < List().GetItemCount(); ++row)
            texts << List().GetItemText(row, column);
        return texts;
    }
    std::vector<quint32> Oids()
    {
        std::vector<quint32> oids;
        for (const SNMP_AGENT_TAG_ITEM& item : harness.page().Items())
            oids.push_back(item.OID);
        return oids;
    }
    std::vector<TagRecord> Tags(size_t first, size_t count) const
    {
        return {tags.begin() + long(first), tags.begin() + long(first + count)};
    }
    bool UsedByAgent(const QString& address)
    {
        TagRecord tag;
        if (!harness.model().FindTagByName(address, tag))
            return false;
        return std::find(tag.RelatedServices.begin(), tag.RelatedServices.end(), kAgentUse) !=
               tag.RelatedServices.end();
    }
    void SelectRows(const QList<int>& rows) { SelectListRows(List(), rows); }

    PageHarness<CSNMPAgentTagSelect> harness;
    std::vector<TagRecord> tags;
};

TEST(SNMPAgentTagSelectTemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(SNMPAgentTagSelectTest, EntriesAreNumberedFromTheStartNumberAndColumnZeroShowsTheOid)
{
    Show();
    harness.Set({{kEditStart, QStringLiteral("100")}});
    harness.page().OnTagsChosen(Tags(0, 3));
    EXPECT_EQ(Oids(), (std::vector<quint32>{100, 101, 102}));
    EXPECT_EQ(Column(0), (QStringList{"100", "101", "102"}));
    harness.page().OnTagsChosen(Tags(1, 1));
    EXPECT_EQ(Oids().size(), 3u) << "a published tag is not added twice";

    SelectRows({1});
    harness.Press(kButtonRemove);
    EXPECT_EQ(Oids(), (std::vector<quint32>{100, 101}));
    EXPECT_EQ(Column(1), (QStringList{tags[0].TagName, tags[2].TagName}));

    harness.Press(kButtonApply);
    Show();
    EXPECT_EQ(Column(0), (QStringList{"100", "101"})) << "shown again: the numbers, not positions";
    EXPECT_EQ(harness.page().itemText(kEditStart), QStringLiteral("100"));
    harness.Screenshot(QStringLiteral("snmp-agent-tags-page"));
}

TEST_F(SNMPAgentTagSelectTest, MovesSwapTheTagsWhilePositionsKeepTheirNumbers)
{
    Show();
    harness.page().OnTagsChosen(Tags(0, 3));
    const struct {
        const char* name;
        QList<int> selected;
        int button;
        QStringList names;
    } cases[] = {
        {"first row up: nothing", {0}, kButtonUp, {tags[0].TagName, tags[1].TagName, tags[2].TagName}},
        {"last row down: nothing", {2}, kButtonDown, {tags[0].TagName, tags[1].TagName, tags[2].TagName}},
        {"middle row up", {1}, kButtonUp, {tags[1].TagName, tags[0].TagName, tags[2].TagName}},
        {"the same row down again", {0}, kButtonDown, {tags[0].TagName, tags[1].TagName, tags[2].TagName}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SelectRows(c.selected);
        harness.Press(c.button);
        EXPECT_EQ(Column(1), c.names);
        EXPECT_EQ(Column(0), (QStringList{"0", "1", "2"}));
    }
}

TEST_F(SNMPAgentTagSelectTest, TheLimitStopsAdditionsAndDisablesSelect)
{
    QVector<SNMP_AGENT_TAG_ITEM> table;
    for (int i = 0; i < 1020; ++i)
        table.push_back({QStringLiteral("Old%1").arg(i), QStringLiteral("9.9.%1").arg(i), 0, quint32(i)});
    harness.model().SnmpAgent.TagTable = table;
    Show();
    EXPECT_TRUE(harness.page().control(kButtonSelect)->isEnabled());
    harness.page().OnTagsChosen(Tags(0, 10));
    EXPECT_EQ(harness.page().Items().size(), 1024u);
    EXPECT_EQ(harness.messages(), QStringList{QStringLiteral(
                                      "More than 1024 tags were selected, only first 1024 tags have been included")});
    EXPECT_FALSE(harness.page().control(kButtonSelect)->isEnabled());
    EXPECT_EQ(harness.page().Items().back().TagResID, tags[3].ResID);
}

TEST_F(SNMPAgentTagSelectTest, TheStartNumberMustLieInItsRange)
{
    Show();
    harness.page().OnTagsChosen(Tags(0, 2));
    const QString rangeLine = FormatRangeErrorLine(QStringLiteral("Start number"), 0, 65535);
    for (const char* bad : {"-1", "65536", "abc"}) {
        SCOPED_TRACE(bad);
        harness.Forget();
        harness.Set({{kEditStart, QString(bad)}});
        harness.Press(kButtonApply);
        EXPECT_EQ(harness.messages(), QStringList{rangeLine});
        EXPECT_TRUE(harness.model().SnmpAgent.TagTable.isEmpty());
    }
    harness.Forget();
    harness.Set({{kEditStart, QStringLiteral("65535")}});
    harness.Press(kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(harness.model().SnmpAgent.TagTable.at(1).OID, 65536u);
}

TEST_F(SNMPAgentTagSelectTest, EntriesOfMissingTagsStayListedInGrey)
{
    harness.model().SnmpAgent.TagTable = {{tags[0].TagName, tags[0].ResID, 1, 5},
                                          {QStringLiteral("Gone"), QStringLiteral("9.9.9"), 0, 6}};
    Show();
    ASSERT_EQ(List().GetItemCount(), 2);
    EXPECT_EQ(Column(1), (QStringList{tags[0].TagName, QStringLiteral("Gone")}));
    EXPECT_EQ(List().listModel().data(List().listModel().index(1, 0), Qt::BackgroundRole).value<QBrush>().color(),
              QColor(210, 210, 210));
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.model().SnmpAgent.TagTable.size(), 2) << "what is listed is what Apply writes";
}

TEST_F(SNMPAgentTagSelectTest, ApplyMovesTheAgentsUseToTheListedTags)
{
    harness.model().SnmpAgent.TagTable = {{tags[5].TagName, tags[5].ResID, 1, 0}};
    harness.model().AddTagServiceUse(tags[5].ResID, kAgentUse);
    Show();
    harness.page().OnTagsChosen(Tags(0, 2));
    SelectRows({0});
    harness.Press(kButtonRemove);
    harness.Press(kButtonApply);
    EXPECT_FALSE(UsedByAgent(tags[5].ResID));
    EXPECT_TRUE(UsedByAgent(tags[0].ResID));
    EXPECT_TRUE(UsedByAgent(tags[1].ResID));
    EXPECT_TRUE(harness.logLines().isEmpty());
}

} // namespace
