// The working tag list with addresses on a small item type: chosen tags merged (skipped when
// listed, replacing items of another type, refused whole), removal and moves with the layout
// and the selection after them, the start edit, and the box for a press without a selection.
#include "AddressedTagList.h"
#include "CDialogBase.h"
#include "CListCtrlEx.h"
#include "KitTemplates.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "ListRows.h"
#include "PageHarness.h"

#include <QLineEdit>
#include <QVector>
#include <gtest/gtest.h>

namespace {

// A tag at an address; tags of one list share a width (their type), laid out one after the other.
struct Slot {
    QString key;
    int width = 1;
    int address = 0;
};

constexpr ControlId kList{70, ControlType::List};
constexpr ControlId kChoose{71, ControlType::Button};
constexpr ControlId kRemove{72, ControlType::Button};
constexpr ControlId kUp{73, ControlType::Button};
constexpr ControlId kDown{74, ControlType::Button};
constexpr ControlId kStart{75, ControlType::Edit};

TagRecord tagOf(const char* key, int width)
{
    TagRecord tag;
    tag.ResID = QString::fromUtf8(key);
    tag.DataTypeCode = width;
    return tag;
}

class SlotDialog : public CDialogBase {
public:
    explicit SlotDialog(AddressedTagControls controls)
        : CDialogBase(KitTemplate(9300, {{kList, 0, 0},
                                         {kChoose, 1, 0, "Add"},
                                         {kRemove, 1, 1, "Remove"},
                                         {kUp, 1, 2, "Up"},
                                         {kDown, 1, 3, "Down"},
                                         {kStart, 2, 0}})),
          tags(*this, held, controls, hooks())
    {}

    QVector<Slot> held;
    AddressedTagList<QVector<Slot>> tags;
    QList<AddressedTagChange> changes;
    bool refuse = false;
    bool keepAddresses = false;

    QStringList column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < tags.List().GetItemCount(); ++row)
            texts << tags.List().GetItemText(row, column);
        return texts;
    }

protected:
    bool OnInitDialog() override
    {
        for (int column = 0; column < 3; ++column)
            item<CListCtrlEx>(kList)->InsertColumn(column, QString(), 60);
        item<CListCtrlEx>(kList)->setSelectionMode(QAbstractItemView::ExtendedSelection);
        tags.Connect();
        return true;
    }

private:
    AddressedTagList<QVector<Slot>>::Hooks hooks()
    {
        return {.accepts = [this](const std::vector<TagRecord>&) { return !refuse; },
                .replaces = [this](const TagRecord& first) { return held.front().width != first.DataTypeCode; },
                .key = [](const Slot& slot) { return slot.key; },
                .make =
                    [](const TagRecord& tag) {
                        return Slot{tag.ResID, tag.DataTypeCode, -1};
                    },
                .layout =
                    [this](AddressedTagChange change) {
                        changes << change;
                        if (change == AddressedTagChange::Moved)
                            return;
                        const int start = itemText(kStart).toInt();
                        for (int i = 0; i < held.size(); ++i)
                            held[i].address = start + i * held[i].width;
                    },
                .keepAtRow = [this](Slot& moved,
                                    const Slot& before) { moved.address = keepAddresses ? before.address : -1; },
                .rowTexts =
                    [this](int row) {
                        return QStringList{held[row].key, QString::number(held[row].address)};
                    }};
    }
};

class AddressedTagListTest : public testing::Test {
protected:
    void build(AddressedTagControls controls = {})
    {
        controls.list = kList;
        controls.choose = kChoose;
        controls.remove = kRemove;
        controls.up = kUp;
        controls.down = kDown;
        controls.start = kStart;
        dialog = std::make_unique<SlotDialog>(controls);
        ASSERT_TRUE(dialog->Create());
        dialog->setItemText(kStart, QStringLiteral("10"));
        dialog->tags.Append({tagOf("A", 2), tagOf("B", 2), tagOf("C", 2)});
    }

    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scoped{boxes};
    std::unique_ptr<SlotDialog> dialog;
};

TEST_F(AddressedTagListTest, ChosenTagsAreMergedOrReplaceTheItemsOfAnotherType)
{
    struct Case {
        const char* name;
        std::vector<TagRecord> chosen;
        bool refuse;
        QStringList keys;
        QStringList addresses;
        AddressedTagChange change;
    };
    const Case cases[] = {
        {"listed tags are skipped and take no address",
         {tagOf("B", 2), tagOf("D", 2), tagOf("D", 2)},
         false,
         {"A", "B", "C", "D"},
         {"10", "12", "14", "16"},
         AddressedTagChange::Added},
        {"another type replaces the items",
         {tagOf("E", 1), tagOf("F", 1)},
         false,
         {"E", "F"},
         {"10", "11"},
         AddressedTagChange::Replaced},
        {"a refused choice changes nothing",
         {tagOf("G", 1)},
         true,
         {"A", "B", "C"},
         {"10", "12", "14"},
         AddressedTagChange::Added},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        build();
        dialog->refuse = c.refuse;
        dialog->changes.clear();
        dialog->tags.Append(c.chosen);
        EXPECT_EQ(dialog->column(1), c.keys);
        EXPECT_EQ(dialog->column(2), c.addresses);
        EXPECT_EQ(dialog->changes, c.refuse ? QList<AddressedTagChange>{} : QList<AddressedTagChange>{c.change});
    }
    dialog->tags.Append({});
    EXPECT_TRUE(dialog->changes.isEmpty()) << "an empty choice is no change";
}

TEST_F(AddressedTagListTest, RemovedRowsCloseTheGapAndTheRowAfterIsSelected)
{
    struct Case {
        const char* name;
        QList<int> rows;
        bool selectAfter;
        QStringList keys;
        QStringList addresses;
        QList<int> selected;
    };
    const Case cases[] = {
        {"the middle row", {1}, true, {"A", "C"}, {"10", "12"}, {1}},
        {"the last row: the new last row", {2}, true, {"A", "B"}, {"10", "12"}, {1}},
        {"two rows", {0, 2}, true, {"B"}, {"10"}, {0}},
        {"without selecting after", {1}, false, {"A", "C"}, {"10", "12"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        build({.selectAfterRemoval = c.selectAfter});
        SelectListRows(dialog->tags.List(), c.rows);
        PressButton(*dialog, kRemove);
        EXPECT_EQ(dialog->column(1), c.keys);
        EXPECT_EQ(dialog->column(2), c.addresses);
        EXPECT_EQ(dialog->tags.List().GetSelectedRows(), c.selected);
    }
}

TEST_F(AddressedTagListTest, MovedRowsStaySelectedAndMayKeepTheAddressOfTheirRow)
{
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep ? "addresses stay with the rows" : "addresses move with the tags");
        build();
        dialog->keepAddresses = keep;
        SelectListRows(dialog->tags.List(), {1, 2});
        PressButton(*dialog, kUp);
        EXPECT_EQ(dialog->column(1), (QStringList{"B", "C", "A"}));
        EXPECT_EQ(dialog->column(2), keep ? (QStringList{"10", "12", "14"}) : (QStringList{"-1", "-1", "-1"}));
        EXPECT_EQ(dialog->tags.List().GetSelectedRows(), (QList<int>{0, 1}));
        PressButton(*dialog, kUp);
        EXPECT_EQ(dialog->column(1), (QStringList{"B", "C", "A"})) << "a block at the top stays";
        SelectListRows(dialog->tags.List(), {0});
        PressButton(*dialog, kDown);
        EXPECT_EQ(dialog->column(1), (QStringList{"C", "B", "A"}));
    }
}

TEST_F(AddressedTagListTest, LeavingTheStartEditLaysTheItemsOutFromIt)
{
    build();
    dialog->setItemText(kStart, QStringLiteral("100"));
    emit dialog->item<QLineEdit>(kStart)->editingFinished();
    EXPECT_EQ(dialog->column(2), (QStringList{"100", "102", "104"}));
    EXPECT_EQ(dialog->changes.back(), AddressedTagChange::StartEdited);
}

TEST_F(AddressedTagListTest, APressWithoutSelectionIsQuietOrWarned)
{
    for (const bool warn : {false, true}) {
        SCOPED_TRACE(warn ? "warned" : "quiet");
        build({.warnWithoutSelection = warn});
        boxes.Clear();
        dialog->tags.List().clearSelection();
        dialog->changes.clear();
        for (const ControlId button : {kRemove, kUp, kDown})
            PressButton(*dialog, button);
        EXPECT_EQ(dialog->column(1), (QStringList{"A", "B", "C"}));
        EXPECT_TRUE(dialog->changes.isEmpty());
        const QString noSelection = LoadLangString(kStringNoEntrySelected);
        EXPECT_EQ(boxes.texts(), warn ? (QStringList{noSelection, noSelection, noSelection}) : QStringList{});
    }
}

} // namespace
