// The SNMP-trap alarm page with its profile and tag tabs: fresh entries, the 8-tag and 16-entry
// limits, the message tokens and variables, and the (143, position) uses after deletes.
#include "CAlarmSNMPTrapDlg.h"
#include "CSNMPProfilePage.h"
#include "CSNMPSelectTagsPage.h"

#include "AlarmPageFixture.h"
#include "TypeIds.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace AlarmSnmpTrapIds;

namespace {

class AlarmSnmpTrapPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 10; ++i) {
            const TagRecord tag = MakeTestTag(QStringLiteral("Watch%1").arg(i), QStringLiteral("0.99.%1").arg(i));
            harness.model().AppendTag(tag);
            tags.push_back(tag);
        }
        page().SetTagChooser([this] { return chosen; });
        harness.Show(node);
    }
    CAlarmSNMPTrapDlg& page() { return harness.page(); }
    CSNMPProfilePage& profile() { return page().ProfileTab(); }
    const ALARM_SNMP_TRAP_SETTINGS& service() { return harness.model().AlarmSnmpTrap; }

    void Add(const QString& name, std::vector<TagRecord> watched = {})
    {
        page().item<CListCtrlEx>(kListEntries)->clearSelection(); // the tabs show a new entry
        SetControl(profile(), {SnmpProfileIds::kEditName, name});
        chosen = std::move(watched);
        page().TagsTab().AddTags();
        harness.Press(kButtonAdd);
    }
    bool carriesOnly(const QString& address, int position)
    {
        TagRecord tag;
        if (!harness.model().FindTagByAddress(address, tag))
            return false;
        int traps = 0;
        for (const TagServiceLink& link : tag.RelatedServices)
            traps += link.ServiceId == ServiceId::AlarmSnmpTrap ? 1 : 0;
        return traps == 1 && CarriesUse(harness.model(), address, ServiceId::AlarmSnmpTrap, position);
    }

    ScopedDeleteConfirmationSkipped unasked;
    PageHarness<CAlarmSNMPTrapDlg> harness;
    const TreeNodeInfo node = NodeFor(ServiceId::AlarmSnmpTrap, QStringLiteral("SNMP Trap"));
    std::vector<TagRecord> tags;
    std::vector<TagRecord> chosen;
};

} // namespace

TEST_F(AlarmSnmpTrapPageTest, TheTemplatesHoldThePageAndTabControls)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
    ExpectControlsMatchTemplate(SnmpProfileIds::kTemplate, SnmpProfileIds::kControls);
    ExpectControlsMatchTemplate(SnmpSelectTagsIds::kTemplate, SnmpSelectTagsIds::kControls);
}

TEST_F(AlarmSnmpTrapPageTest, AFreshEntryHasUnsetHostsDefaultCommunitiesAndTrapOne)
{
    EXPECT_EQ(profile().itemText(SnmpProfileIds::kIpHost1), "0.0.0.0");
    EXPECT_EQ(profile().itemText(SnmpProfileIds::kIpHost2), "0.0.0.0");
    EXPECT_EQ(profile().itemText(SnmpProfileIds::kEditCommunity1), "tarnel");
    EXPECT_EQ(profile().item<QComboBox>(SnmpProfileIds::kComboSpecificTrap)->currentIndex(), 0);
    EXPECT_FALSE(profile().isItemChecked(SnmpProfileIds::kCheckMessage));
    EXPECT_FALSE(profile().control(SnmpProfileIds::kEditMessage)->isEnabled()) << "the message is off";

    Add(QStringLiteral("Trap A"), {tags[0]});
    ASSERT_EQ(service().Entries.size(), 1);
    const ALARM_SNMP_TRAP_ITEM_SETTINGS& entry = service().Entries[0];
    EXPECT_EQ(entry.Profile.SpecificTrap, 1);
    EXPECT_EQ(entry.Profile.Hostname_1, "0.0.0.0");
    EXPECT_EQ(entry.Profile.Community_2, "tarnel");
    EXPECT_EQ(entry.TagAddresses, QStringList{"0.99.0"});
    EXPECT_EQ(entry.TriggerTag, "0.0.143.1");
    EXPECT_TRUE(carriesOnly("0.0.143.1", 0));
    EXPECT_TRUE(carriesOnly("0.99.0", 0));
    EXPECT_EQ(harness.logLines(), TagLines(kStringTagCreated, {"TrapTrigger_0", "TrapStatus_0"})
                                      << FormatLangString(kStringEntryAdded, node.shownText, 1));
    harness.Screenshot(QStringLiteral("alarm-snmp-trap-profile-tab"));
    page().item<QTabWidget>(kTabs)->setCurrentIndex(1);
    harness.Screenshot(QStringLiteral("alarm-snmp-trap-tags-tab"));
}

TEST_F(AlarmSnmpTrapPageTest, TenChosenTagsListEightWithTheLimitMessage)
{
    chosen = tags;
    page().TagsTab().AddTags();
    EXPECT_EQ(page().TagsTab().SelectedTags().size(), 8u);
    EXPECT_EQ(harness.messages(), QStringList{"More than 8 tags were selected, only first 8 tags have been included"});
    EXPECT_FALSE(page().TagsTab().control(SnmpSelectTagsIds::kButtonAdd)->isEnabled());

    harness.Forget();
    chosen = {tags[0]};
    SelectListRows(*page().TagsTab().item<CListCtrlEx>(SnmpSelectTagsIds::kListTags), {7});
    page().TagsTab().RemoveSelectedTags();
    page().TagsTab().AddTags();
    EXPECT_EQ(page().TagsTab().SelectedTags().size(), 7u) << "a listed tag is not added again";
    EXPECT_TRUE(page().TagsTab().control(SnmpSelectTagsIds::kButtonAdd)->isEnabled());
    EXPECT_TRUE(harness.messages().isEmpty());
}

TEST_F(AlarmSnmpTrapPageTest, ASeventeenthEntryAndDuplicateNamesAreRefused)
{
    for (int i = 0; i < 16; ++i)
        Add(QStringLiteral("Trap%1").arg(i));
    ASSERT_EQ(service().Entries.size(), 16);
    harness.Forget();
    Add(QStringLiteral("Trap16"));
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(751, 16)});

    harness.Forget();
    harness.page().ProfileTab().setFocus();
    page().SelectRow(3);
    SetControl(profile(), {SnmpProfileIds::kEditName, QStringLiteral("TRAP4")});
    harness.Press(kButtonModify);
    EXPECT_EQ(harness.messages(), QStringList{FormatItemErrorLine("Trap name")});
    SetControl(profile(), {SnmpProfileIds::kEditName, QStringLiteral("TRAP3")});
    harness.Press(kButtonModify);
    EXPECT_EQ(service().Entries[3].Profile.TrapName, "TRAP3") << "its own name in another case";
}

TEST_F(AlarmSnmpTrapPageTest, UsesFollowTheEntriesAfterADeleteAndAModify)
{
    Add(QStringLiteral("T0"), {tags[0], tags[1]});
    Add(QStringLiteral("T1"), {tags[1], tags[2]});
    Add(QStringLiteral("T2"), {tags[2], tags[3]});
    page().SelectRow(1);
    harness.Press(kButtonDelete);
    ASSERT_EQ(service().Entries.size(), 2);

    // the entry now in position 1 (T2) watches tags 3 and 4 instead of 2 and 3
    page().SelectRow(1);
    SelectListRows(*page().TagsTab().item<CListCtrlEx>(SnmpSelectTagsIds::kListTags), {0});
    page().TagsTab().RemoveSelectedTags();
    chosen = {tags[4]};
    page().TagsTab().AddTags();
    harness.Press(kButtonModify);

    EXPECT_EQ(service().Entries[1].TagAddresses, QStringList({"0.99.3", "0.99.4"}));
    EXPECT_TRUE(carriesOnly("0.99.0", 0));
    EXPECT_TRUE(carriesOnly("0.99.1", 0));
    EXPECT_TRUE(carriesOnly("0.99.3", 1));
    EXPECT_TRUE(carriesOnly("0.99.4", 1));
    EXPECT_TRUE(carriesOnly("0.2.143.1", 1));
    EXPECT_TRUE(carriesOnly("0.2.143.2", 1));
    TagRecord released;
    ASSERT_TRUE(harness.model().FindTagByAddress("0.99.2", released));
    EXPECT_TRUE(released.RelatedServices.empty());
    EXPECT_EQ(page().NextEntryIndex(), 3);
}

TEST_F(AlarmSnmpTrapPageTest, TheMessageShowsTagNamesAndInsertsVariablesWithinItsLength)
{
    ALARM_SNMP_TRAP_ITEM_SETTINGS entry;
    entry.SetDefaults();
    entry.Profile.TrapName = QStringLiteral("Stored");
    entry.Profile.MessageEnable = 1;
    entry.Profile.MessageTrap = QStringLiteral("{{0.99.5}} at {{Time}}");
    harness.model().AlarmSnmpTrap.Entries.push_back(entry);
    harness.Show(node);
    EXPECT_EQ(profile().itemText(SnmpProfileIds::kEditMessage), "{{Watch5}} at {{Time}}");
    harness.Press(kButtonModify);
    EXPECT_EQ(service().Entries[0].Profile.MessageTrap, "{{0.99.5}} at {{Time}}") << "stored back unchanged";

    auto* message = profile().item<QPlainTextEdit>(SnmpProfileIds::kEditMessage);
    const QString full(512 - 8, QChar(u'x'));
    SetControl(profile(), {SnmpProfileIds::kEditMessage, full});
    message->moveCursor(QTextCursor::End);
    profile().InsertVariable(0); // "{{Day}}": 7 characters
    EXPECT_EQ(message->toPlainText(), full + "{{Day}}");
    profile().InsertVariable(1); // "{{Time}}" would give 512 + 8
    EXPECT_EQ(message->toPlainText().size(), 511);
}
