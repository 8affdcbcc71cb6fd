// The tags page: the table of every tag, renaming with its rules, the picked-tag batches, clear
// and copy.
#include "CListCtrlEx.h"
#include "CTagsDlg.h"
#include "LanguagePack.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "TypeIds.h"
#include "Validation.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

using namespace TagsPageIds;

const QString kNameLabel = QStringLiteral("Tag name");

class TagsPageTest : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_GE(harness.model().Tags.size(), 3u) << "the harness project has too few tags";
        harness.Show(NodeFor(100, "Tags"));
    }
    CListCtrlEx& list() { return *harness.page().item<CListCtrlEx>(kListTags); }
    QStringList column(int c)
    {
        QStringList texts;
        for (int row = 0; row < list().GetItemCount(); ++row)
            texts << list().GetItemText(row, c);
        return texts;
    }
    QStringList namesOf(const std::vector<TagRecord>& tags) const
    {
        QStringList names;
        for (const TagRecord& tag : tags)
            names << tag.TagName;
        return names;
    }
    const TagRecord& tag(size_t position) { return harness.model().Tags[position]; }

    PageHarness<CTagsDlg> harness;
};

TEST_F(TagsPageTest, ControlsMatchTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(TagsPageTest, ShowListsEveryTagInTableOrder)
{
    EXPECT_EQ(column(kColumnName), namesOf(harness.model().Tags.All()));
    EXPECT_EQ(column(0).first(), "1");
    EXPECT_EQ(column(0).last(), QString::number(harness.model().Tags.size()));
    EXPECT_EQ(list().GetFirstSelectedRow(), 0);
    EXPECT_EQ(harness.page().itemText(kEditName), tag(0).TagName);
    for (int row = 0; row < list().GetItemCount(); ++row) {
        const TagRecord& record = tag(static_cast<size_t>(row));
        SCOPED_TRACE(record.TagName.toStdString());
        EXPECT_EQ(list().GetItemText(row, kColumnChannel).isEmpty(), record.ChannelIndex == kNoChannelIndex);
        EXPECT_EQ(list().GetItemText(row, kColumnUsed).isEmpty(), record.RelatedServices.empty());
    }
}

TEST_F(TagsPageTest, ProjectWithoutTagsShowsEmptyTableAndDetails)
{
    harness.model().Tags.clear();
    harness.Show(NodeFor(100, "Tags"));
    EXPECT_EQ(list().GetItemCount(), 0);
    EXPECT_TRUE(harness.page().itemText(kEditName).isEmpty());
    EXPECT_TRUE(harness.page().itemText(kStaticSlot).isEmpty());
}

TEST_F(TagsPageTest, RenameRules)
{
    struct Case {
        const char* name;
        std::function<QString(TagsPageTest&)> newName;
        bool usedByService;
        QStringList messages; // empty: renamed
    };
    const QString taken = FormatItemErrorLine(kNameLabel);
    const QString characters = LoadLangString(kStringTagNameCharacters) + QStringLiteral("\r\n");
    const std::vector<Case> cases = {
        {"new valid name", [](TagsPageTest&) { return QStringLiteral("Pump_Run1"); }, false, {}},
        {"case-only change", [](TagsPageTest& t) { return t.tag(0).TagName.toUpper(); }, false, {}},
        {"another tag's name in other case",
         [](TagsPageTest& t) { return t.tag(1).TagName.toLower(); },
         false,
         {taken}},
        {"blank inside", [](TagsPageTest&) { return QStringLiteral("Pump Run"); }, false, {characters}},
        {"hyphen", [](TagsPageTest&) { return QStringLiteral("Pump-Run"); }, false, {characters}},
        {"empty", [](TagsPageTest&) { return QString(); }, false, {FormatInvalidItemLine(kNameLabel)}},
        {"tag in use",
         [](TagsPageTest&) { return QStringLiteral("Pump_Run2"); },
         true,
         {LoadLangString(kStringTagInUseNoRename) + QStringLiteral("\r\n")}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        if (row.usedByService)
            harness.model().AddTagServiceUse(tag(0).ResID, ServiceId::ModbusSlave, 0);
        harness.Show(NodeFor(100, "Tags"));
        const QString oldName = tag(0).TagName;
        const QString newName = row.newName(*this);
        harness.Set({{kEditName, newName}});
        harness.Press(kButtonRename);
        EXPECT_EQ(harness.messages(), row.messages);
        const QString expected = row.messages.isEmpty() ? newName : oldName;
        EXPECT_EQ(tag(0).TagName, expected);
        EXPECT_EQ(list().GetItemText(0, kColumnName), expected);
        EXPECT_EQ(harness.page().itemText(kEditName), expected);
        EXPECT_TRUE(harness.logLines().isEmpty());
        if (row.usedByService)
            harness.model().RemoveTagServiceUse(tag(0).ResID, MakeIntPair(ServiceId::ModbusSlave, 0));
    }
}

TEST_F(TagsPageTest, RenameWithoutOneSelectedRowShows613)
{
    list().clearSelection();
    harness.Press(kButtonRename);
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(613)});
}

TEST_F(TagsPageTest, PickedBatchesReplaceThenAppendNumberedOn)
{
    const std::vector<TagRecord> first = {tag(2), tag(0)};
    const std::vector<TagRecord> second = {tag(1), tag(2)};
    harness.page().OnTagsSelected(first);
    EXPECT_EQ(column(kColumnName), namesOf(first));
    harness.page().OnTagsSelected(second);
    EXPECT_EQ(column(kColumnName), namesOf(first) + namesOf(second)); // tag 2 twice: not merged
    EXPECT_EQ(column(0), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(list().GetFirstSelectedRow(), 0);
}

TEST_F(TagsPageTest, AfterClearTheNextBatchIsAppendedToTheEmptyTable)
{
    harness.Press(kButtonClear);
    EXPECT_EQ(list().GetItemCount(), 0);
    harness.page().OnTagsSelected({tag(1)});
    EXPECT_EQ(column(kColumnName), QStringList{tag(1).TagName});
    harness.page().OnTagsSelected({tag(0)});
    EXPECT_EQ(column(kColumnName), (QStringList{tag(1).TagName, tag(0).TagName}));
}

TEST_F(TagsPageTest, DoubleClickCopiesTheNameAndLogs)
{
    list().setCurrentIndex(list().model()->index(1, kColumnName));
    emit list().doubleClicked(list().model()->index(1, kColumnName));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), tag(1).TagName);
    EXPECT_EQ(harness.logLines(), QStringList{FormatLangString(kStringTagCopied, tag(1).TagName)});
}

TEST_F(TagsPageTest, ScreenshotOfTheTable)
{
    EXPECT_FALSE(harness.Screenshot(QStringLiteral("tags-page")).isEmpty());
}

} // namespace
