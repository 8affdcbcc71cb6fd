// The TAVO tag page driven as a user would: tags added and removed, the form over the selected
// tags and its rules (one update kind always, the interval's range, system and read-only tags),
// and Apply with the tag uses it leaves, through a save and reopen.
#include "CTAVOTagSelectionDlg.h"

#include "CTagSelectDlg.h"
#include "CTagSelectDlgIds.h"

#include "../alarm/AlarmPageFixture.h"
#include "ProjectReopen.h"
#include "TypeIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace TavoTagIds;

namespace {

const QString kTrigger = QStringLiteral("0.0.116.3"); // the service's control tag in the shipped settings
const QString kOutput = QStringLiteral("3.1.0");      // a digital output: its direction can be chosen
const QString kOutput2 = QStringLiteral("3.4.0");
const QString kInput = QStringLiteral("1.2.0");         // a digital input: read only
const QString kSystem = QStringLiteral("0.1013.0.4.0"); // not watchable for changes

class TavoTagSelectionPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        TagRecord system;
        system.Construct(QStringLiteral("S0_SYS_Watchdog"), {}, QStringLiteral("SYS"), 1013, kSystem, 1, 1, 1);
        harness.model().AppendTag(system);
        harness.Show(node);
    }

    CTAVOTagSelectionDlg& page() { return harness.page(); }
    CListCtrlEx& list() { return *page().item<CListCtrlEx>(kListTags); }
    TagRecord Tag(const QString& address)
    {
        TagRecord tag;
        EXPECT_TRUE(harness.model().FindTagByName(address, tag)) << address.toStdString();
        return tag;
    }
    int PositionOf(const QString& address) { return harness.model().Tags.FirstPositionAt(address); }
    // The control tag's uses by the tags that follow it.
    std::vector<TagServiceLink> ControlUses()
    {
        std::vector<TagServiceLink> uses;
        for (const TagServiceLink& use : Tag(kTrigger).RelatedServices) {
            if (use.ServiceId == ServiceId::TavoControlTagLink)
                uses.push_back(use);
        }
        return uses;
    }
    void Choose(std::initializer_list<QString> addresses)
    {
        std::vector<TagRecord> chosen;
        for (const QString& address : addresses)
            chosen.push_back(Tag(address));
        page().OnTagsChosen(chosen);
    }
    void Select(std::initializer_list<int> rows) { SelectListRows(list(), rows); }
    QStringList Rows()
    {
        QStringList names;
        for (int row = 0; row < list().GetItemCount(); ++row)
            names << list().GetItemText(row, 0);
        return names;
    }
    const TagRecordExtra& Listed(int row) { return page().PushedTags().at(size_t(row)).Tavo; }
    bool Checked(int id) { return page().isItemChecked(id); }
    bool Enabled(int id) { return page().control(id)->isEnabled(); }
    int ComboIndex(int id) { return page().item<QComboBox>(id)->currentIndex(); }
    // Pushes the tags by applying them from the page, each with the form's settings as set.
    void PushAndApply(std::initializer_list<QString> addresses)
    {
        Choose(addresses);
        harness.Press(kButtonApply);
    }

    PageHarness<CTAVOTagSelectionDlg> harness;
    const TreeNodeInfo node = NodeFor(ServiceId::TavoTagLink, QStringLiteral("TAVO Tags"));
};

TEST_F(TavoTagSelectionPageTest, TheTemplateHoldsThePagesControls)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(TavoTagSelectionPageTest, ANewProjectListsNothingAndTheFormIsResetAndDisabled)
{
    EXPECT_EQ(list().GetItemCount(), 0);
    EXPECT_EQ(page().itemText(kStaticControlTag), QStringLiteral("TAVOUpdateTrigger"));
    EXPECT_EQ(page().itemText(kEditInterval), QStringLiteral("60"));
    for (int id : {kCheckInterval.id, kEditInterval.id, kComboUnit.id, kCheckOnChange.id, kCheckControlTag.id,
                   kComboDirection.id, kButtonRemove.id})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(kButtonApply));
    EXPECT_FALSE(Checked(kCheckInterval) || Checked(kCheckOnChange) || Checked(kCheckControlTag));
}

TEST_F(TavoTagSelectionPageTest, ChosenTagsAreAddedOnceWithTheDefaultUpdateKind)
{
    Choose({kOutput, kInput});
    Choose({kInput, kOutput2});
    EXPECT_EQ(Rows(), (QStringList{Tag(kOutput).TagName, Tag(kInput).TagName, Tag(kOutput2).TagName}));
    EXPECT_EQ(Listed(0), (TagRecordExtra{1, 60, 0, 0, 0, 1, {}, {}})) << "interval, as DefaultSettings.ini says";
    EXPECT_EQ(Listed(1).Access, 0) << "a read-only tag is pushed one way";
    EXPECT_EQ(Tag(kOutput).PublishToTavo, 0) << "nothing reaches the model before Apply";
    Select({0});
    harness.Screenshot(QStringLiteral("tavo-tags-page"));
    harness.Show(node);
    EXPECT_EQ(list().GetItemCount(), 0) << "shown again: what was not applied is dropped";
}

TEST_F(TavoTagSelectionPageTest, TheChooserDeliversWhileOpenAndTheFirstNewRowIsSelected)
{
    Choose({kOutput});
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<CTagSelectDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        auto* tags = chooser->item<CListCtrlEx>(kListTagSelect);
        for (const QList<int>& rows : {QList<int>{0, 1}, QList<int>{1, 2}}) { // OK twice: it stays open
            SelectListRows(*tags, rows);
            for (int row : rows)
                offered << tags->GetItemText(row, 1);
            chooser->control(IDOK)->setFocus();
            qobject_cast<QAbstractButton*>(chooser->control(IDOK))->click();
        }
        static_cast<QDialog*>(chooser)->reject(); // Cancel
    });
    harness.Press(kButtonSelect);
    offered.removeDuplicates();
    ASSERT_EQ(offered.size(), 3);
    EXPECT_EQ(Rows(), QStringList{Tag(kOutput).TagName} + offered);
    EXPECT_EQ(list().GetSelectedRows(), QList<int>{1});
    EXPECT_TRUE(Enabled(kButtonRemove));
    EXPECT_TRUE(Checked(kCheckInterval)) << "the form shows the selected new row";
}

TEST_F(TavoTagSelectionPageTest, UncheckingTheOnlyUpdateKindChecksItAgain)
{
    Choose({kOutput});
    Select({0});
    const struct {
        const char* name;
        int only; // the one kind checked before the click
    } cases[] = {{"interval", kCheckInterval}, {"on change", kCheckOnChange}, {"control tag", kCheckControlTag}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int box : {kCheckInterval.id, kCheckOnChange.id, kCheckControlTag.id})
            harness.Set({{box, true}});
        for (int box : {kCheckInterval.id, kCheckOnChange.id, kCheckControlTag.id}) {
            if (box != c.only)
                harness.Set({{box, false}});
        }
        const TagRecordExtra before = Listed(0);
        page().item<QCheckBox>(c.only)->click();
        EXPECT_TRUE(Checked(c.only));
        EXPECT_EQ(Listed(0), before) << "nothing written";
    }
}

TEST_F(TavoTagSelectionPageTest, TheUpdateKindsAndDirectionAreWrittenIntoTheSelectedTags)
{
    Choose({kOutput, kOutput2});
    Select({0});
    harness.Set({{kCheckControlTag, true}, {kCheckInterval, false}, {kComboDirection, 0}});
    EXPECT_EQ(Listed(0), (TagRecordExtra{0, 0, 0, 0, 1, 0, QStringLiteral("TAVOUpdateTrigger"), kTrigger}));
    EXPECT_FALSE(Enabled(kEditInterval)) << "the interval fields follow their box";

    // Two selected: the form shows the upper one, a change goes into both.
    Select({1, 0});
    EXPECT_TRUE(Checked(kCheckControlTag));
    EXPECT_FALSE(Checked(kCheckInterval));
    harness.Set({{kCheckOnChange, true}});
    EXPECT_EQ(Listed(1), Listed(0));
    EXPECT_EQ(Listed(1).OnChangeUpdate, 1);
    EXPECT_EQ(Listed(1).ControlTagUpdate, 1);
}

TEST_F(TavoTagSelectionPageTest, TheIntervalIsCheckedWhenTheEditIsLeft)
{
    Choose({kOutput});
    Select({0});
    const QString rangeMessage = FormatLangString(CTAVOTagSelectionDlg::kStringIntervalRange, 1, 65535);
    const struct {
        const char* typed;
        const char* shown;
        quint32 stored;
        bool refused;
    } cases[] = {
        {"0", "1", 1, true},          {"65536", "1", 1, true},          {"", "1", 1, true},
        {"4294967297", "1", 1, true}, // would wrap round to 1 in 32 bits
        {"1", "1", 1, false},         {"65535", "65535", 65535, false}, {"30", "30", 30, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        harness.Forget();
        harness.Set({{kEditInterval, QString::fromUtf8(c.typed)}});
        EXPECT_TRUE(harness.messages().isEmpty()) << "typing alone says nothing";
        LeaveControl(page(), kEditInterval);
        EXPECT_EQ(harness.messages(), c.refused ? QStringList{rangeMessage} : QStringList{});
        if (c.refused) {
            EXPECT_EQ(harness.boxes().boxes().at(0).flags & MB_ICONSTOP, unsigned(MB_ICONSTOP));
        }
        EXPECT_EQ(page().itemText(kEditInterval), QString::fromUtf8(c.shown));
        EXPECT_EQ(Listed(0).Interval, c.stored);
    }
    // Apply without leaving the edit still never stores a bad interval.
    harness.Forget();
    harness.Set({{kEditInterval, QStringLiteral("0")}});
    harness.Press(kButtonApply);
    EXPECT_EQ(harness.messages(), QStringList{rangeMessage});
    EXPECT_EQ(Tag(kOutput).Tavo.Interval, 1u);
}

TEST_F(TavoTagSelectionPageTest, SystemAndReadOnlyTagsLimitTheForm)
{
    // As a file can hold it: a system tag pushed on change only.
    harness.model().AddTavoTagUses(kSystem, TagRecordExtra{0, 0, 0, 1, 0, 0, {}, {}});
    harness.model().AddTavoTagUses(kOutput, TagRecordExtra{0, 0, 1, 1, 0, 1, {}, {}});
    harness.Show(node);
    ASSERT_EQ(Rows().size(), 2);
    const int outputRow = Rows().indexOf(Tag(kOutput).TagName);
    const int systemRow = Rows().indexOf(Tag(kSystem).TagName);

    Select({outputRow});
    EXPECT_TRUE(Enabled(kCheckOnChange));
    EXPECT_TRUE(Checked(kCheckOnChange));
    EXPECT_TRUE(Enabled(kComboDirection));
    EXPECT_EQ(ComboIndex(kComboDirection), 1);

    Select({systemRow});
    EXPECT_FALSE(Enabled(kCheckOnChange));
    EXPECT_FALSE(Checked(kCheckOnChange));
    EXPECT_TRUE(Checked(kCheckInterval)) << "on change only falls back to interval";
    EXPECT_EQ(page().itemText(kEditInterval), QStringLiteral("60"));
    EXPECT_FALSE(Enabled(kComboDirection)) << "read only";
    EXPECT_EQ(ComboIndex(kComboDirection), 0);

    // One system tag among the selection is enough; the write drops on change from both.
    Select({outputRow, systemRow});
    EXPECT_FALSE(Enabled(kCheckOnChange));
    harness.Set({{kEditInterval, QStringLiteral("15")}});
    LeaveControl(page(), kEditInterval);
    harness.Press(kButtonApply);
    for (const QString& address : {kOutput, kSystem}) {
        EXPECT_EQ(Tag(address).Tavo.OnChangeUpdate, 0) << address.toStdString();
        EXPECT_EQ(Tag(address).Tavo.IntervalUpdate, 1) << address.toStdString();
        EXPECT_EQ(Tag(address).Tavo.Interval, 15u) << address.toStdString();
    }
}

TEST_F(TavoTagSelectionPageTest, ApplyLeavesExactlyThePushAndControlUses)
{
    Choose({kOutput, kInput, kOutput2});
    Select({0});
    harness.Set({{kCheckControlTag, true}});
    Select({2});
    harness.Set({{kCheckControlTag, true}, {kCheckInterval, false}});
    harness.Press(kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_TRUE(harness.logLines().isEmpty());
    for (const QString& address : {kOutput, kInput, kOutput2}) {
        EXPECT_EQ(Tag(address).PublishToTavo, 1);
        EXPECT_EQ(Tag(address).RelatedServices, std::vector<TagServiceLink>{MakeIntPair(ServiceId::TavoTagLink, 0)});
    }
    EXPECT_EQ(ControlUses(),
              (std::vector<TagServiceLink>{MakeIntPair(ServiceId::TavoControlTagLink, PositionOf(kOutput)),
                                           MakeIntPair(ServiceId::TavoControlTagLink, PositionOf(kOutput2))}));

    // Removing a tag touches the model only at Apply.
    Select({0});
    harness.Press(kButtonRemove);
    EXPECT_EQ(Rows(), (QStringList{Tag(kInput).TagName, Tag(kOutput2).TagName}));
    EXPECT_EQ(Tag(kOutput).PublishToTavo, 1);
    harness.Press(kButtonApply);
    EXPECT_EQ(Tag(kOutput).PublishToTavo, 0);
    EXPECT_TRUE(Tag(kOutput).RelatedServices.empty());
    EXPECT_EQ(ControlUses(),
              std::vector<TagServiceLink>{MakeIntPair(ServiceId::TavoControlTagLink, PositionOf(kOutput2))});

    // Everything removed: no push flag, no settings, no TAVO use is left anywhere.
    Select({0, 1});
    harness.Press(kButtonRemove);
    harness.Press(kButtonApply);
    for (const TagRecord& tag : harness.model().Tags.All()) {
        EXPECT_EQ(tag.PublishToTavo, 0) << tag.TagName.toStdString();
        EXPECT_EQ(tag.Tavo, TagRecordExtra{}) << tag.TagName.toStdString();
        EXPECT_FALSE(CarriesUse(harness.model(), tag.ResID, ServiceId::TavoTagLink, 0));
        for (const TagServiceLink& use : tag.RelatedServices)
            EXPECT_NE(use.ServiceId, ServiceId::TavoControlTagLink) << tag.TagName.toStdString();
    }
}

TEST_F(TavoTagSelectionPageTest, SaveAndReopenKeepsWhatThePageWrote)
{
    Choose({kOutput, kInput, kOutput2});
    Select({0});
    harness.Set({{kEditInterval, QStringLiteral("45")}, {kComboUnit, 2}});
    LeaveControl(page(), kEditInterval);
    Select({1});
    harness.Set({{kCheckOnChange, true}, {kCheckInterval, false}});
    Select({2});
    harness.Set({{kCheckControlTag, true}, {kComboDirection, 0}});
    harness.Press(kButtonApply);

    const std::unique_ptr<CDataCenter> reopened = SaveAndReopen(harness.model());
    for (const QString& address : {kOutput, kInput, kOutput2, kTrigger}) {
        SCOPED_TRACE(address.toStdString());
        TagRecord saved, read;
        ASSERT_TRUE(harness.model().FindTagByName(address, saved));
        ASSERT_TRUE(reopened->FindTagByName(address, read));
        EXPECT_EQ(read.PublishToTavo, saved.PublishToTavo);
        EXPECT_EQ(read.Tavo, saved.Tavo);
        EXPECT_EQ(read.RelatedServices, saved.RelatedServices);
    }
    EXPECT_EQ(Tag(kOutput).Tavo, (TagRecordExtra{1, 45, 2, 0, 0, 1, {}, {}}));
}

} // namespace
