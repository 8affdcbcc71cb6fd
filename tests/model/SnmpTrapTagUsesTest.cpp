// The uses (143, position) of the SNMP-trap alarm entries: made with the entry, moved down when an
// entry before it is deleted, never doubled on a tag.
#include "SnmpTrapTagUses.h"
#include "CAutoResource.h"
#include "DefaultSettingsFolder.h"
#include "TagEngineFixture.h"
#include "TypeIds.h"

#include <gtest/gtest.h>

using namespace TagFixture;

namespace {

const QByteArray kTrapSettings = R"([AlarmSNMP]
AlarmSNMPTriggerResourceID=143.1
AlarmSNMPTriggerName=TrapTrigger
AlarmSNMPStatusResourceID=143.2
AlarmSNMPStatusName=TrapStatus
)";

class SnmpTrapTagUsesTest : public DefaultSettingsFolder {
protected:
    void SetUp() override
    {
        DefaultSettingsFolder::SetUp();
        UseDefaultSettings(kTrapSettings);
        CAutoResource::ReleaseInstance();
        for (const char* name : {"A", "B", "C", "D"})
            model.AppendTag(MakeTag(name, QStringLiteral("1.0.%1").arg(QChar(name[0]))));
    }
    void TearDown() override
    {
        DefaultSettingsFolder::TearDown();
        CAutoResource::ReleaseInstance();
    }

    // Adds an entry as the page does: the next number, the tags, then the entry into the list.
    void AddEntry(QStringList watched)
    {
        ALARM_SNMP_TRAP_ITEM_SETTINGS entry;
        const auto& entries = model.AlarmSnmpTrap.Entries;
        entry.Index = entries.isEmpty() ? 0 : entries.back().Index + 1;
        entry.TagAddresses = std::move(watched);
        std::vector<CDataCenter::TagChange> created;
        ASSERT_TRUE(SnmpTrapTagUses::CreateEntryTags(model, entry, static_cast<int>(entries.size()), created));
        model.AlarmSnmpTrap.Entries.push_back(entry);
    }

    std::vector<TagServiceLink> usesOf(const QString& address) const
    {
        const TagRecord* tag = TagAt(model, address);
        return tag ? tag->RelatedServices : std::vector<TagServiceLink>{};
    }

    CDataCenter model;
};

TagServiceLink trapUse(int position)
{
    return {ServiceId::AlarmSnmpTrap, position};
}

} // namespace

TEST_F(SnmpTrapTagUsesTest, AnEntrysTagsCarryItsPosition)
{
    AddEntry({"1.0.A", "1.0.B"});
    const auto& entry = model.AlarmSnmpTrap.Entries[0];
    EXPECT_EQ(entry.TriggerTag, "0.0.143.1");
    EXPECT_EQ(entry.StatusTag, "0.0.143.2");
    EXPECT_EQ(entry.TagDefinitions.size(), 2);
    for (const QString& address : {entry.TriggerTag, entry.StatusTag, QString("1.0.A"), QString("1.0.B")})
        EXPECT_EQ(usesOf(address), Links({trapUse(0)})) << address.toStdString();
    EXPECT_EQ(model.GetTagNameByAddress("0.0.143.1"), "TrapTrigger_0");
}

TEST_F(SnmpTrapTagUsesTest, DeletingAnEntryMovesTheLaterPositionsDown)
{
    AddEntry({"1.0.A"});
    AddEntry({"1.0.A", "1.0.B"});
    AddEntry({"1.0.B", "1.0.C"});
    const auto removed = SnmpTrapTagUses::DeleteEntry(model, 1);
    EXPECT_EQ(removed,
              (std::vector<CDataCenter::TagChange>{{"TrapTrigger_1", "0.1.143.1"}, {"TrapStatus_1", "0.1.143.2"}}));
    ASSERT_EQ(model.AlarmSnmpTrap.Entries.size(), 2);
    EXPECT_EQ(model.AlarmSnmpTrap.Entries[1].Index, 2) << "entries keep their numbers";
    EXPECT_EQ(usesOf("1.0.A"), Links({trapUse(0)}));
    EXPECT_EQ(usesOf("1.0.B"), Links({trapUse(1)}));
    EXPECT_EQ(usesOf("1.0.C"), Links({trapUse(1)}));
    EXPECT_EQ(usesOf("0.2.143.1"), Links({trapUse(1)}));
    EXPECT_EQ(model.IsTagAddressUsed("0.1.143.1"), 0);

    // the entry now in position 1 changes its watched tags
    SnmpTrapTagUses::ReplaceWatchedTags(model, 1, {"1.0.B", "1.0.C"}, {"1.0.C", "1.0.D"});
    EXPECT_EQ(usesOf("1.0.B"), Links({}));
    EXPECT_EQ(usesOf("1.0.C"), Links({trapUse(1)})) << "a pair the tag carries is not added again";
    EXPECT_EQ(usesOf("1.0.D"), Links({trapUse(1)}));
    EXPECT_EQ(usesOf("1.0.A"), Links({trapUse(0)}));
}

TEST_F(SnmpTrapTagUsesTest, ATakenTagNameMakesNothing)
{
    model.AppendTag(MakeTag("TrapStatus_0", "5.5.5"));
    ALARM_SNMP_TRAP_ITEM_SETTINGS entry;
    entry.TagAddresses = {"1.0.A"};
    std::vector<CDataCenter::TagChange> created;
    EXPECT_FALSE(SnmpTrapTagUses::CreateEntryTags(model, entry, 0, created));
    EXPECT_TRUE(created.empty());
    EXPECT_EQ(model.IsTagAddressUsed("0.0.143.1"), 0);
    EXPECT_TRUE(usesOf("1.0.A").empty());
    EXPECT_TRUE(entry.TriggerTag.isEmpty());
}
