// Add, Modify and Delete over a list whose entries a small model stores one at a time: the entry
// checked before it is stored, the model's refusal, the limit, the page's own fields (after the
// entry on Add, first on Modify), the row Modify takes by its rule, the rows deleted with the
// row selected after them and the confirmation, and the log lines.
#include "StoredEntryButtons.h"
#include "CDialogBase.h"
#include "CListCtrlEx.h"
#include "ConfirmDeleteIds.h"
#include "KitTemplates.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "ListRows.h"
#include "PageHarness.h"
#include "TextFormat.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr ControlId kList{80, ControlType::List};
constexpr ControlId kName{81, ControlType::Edit};
constexpr ControlId kField{82, ControlType::Edit}; // a page field outside the entries
constexpr unsigned kLimitMessage = 751;
const QString kLogName = QStringLiteral("Pumps");
const QString kBadName = QStringLiteral("bad");
const QString kBadNameBox = QStringLiteral("bad name");
const QString kEmptyFieldBox = QStringLiteral("empty field");

// The model: entries are names, stored one at a time; the page field is a text beside them.
class PumpDialog : public CDialogBase {
public:
    PumpDialog(StoredEntryRules rules, bool withPageField)
        : CDialogBase(KitTemplate(9310, {{kList, 0, 0}, {kName, 1, 0}, {kField, 2, 0}})),
          buttons(*this, kList, rules, hooks(withPageField))
    {}

    QStringList stored;
    QString field;
    bool modelRefuses = false;
    QStringList steps; // the hooks in the order they ran
    QList<int> checkedRows;
    QList<int> removedRows;
    QStringList log;
    QList<QList<int>> shownSelections; // the selection whenever the page was told the list is refilled
    StoredEntryButtons<QString> buttons;

    QStringList shown() const
    {
        QStringList names;
        for (int row = 0; row < buttons.List().GetItemCount(); ++row)
            names << buttons.List().GetItemText(row, 1);
        return names;
    }

protected:
    bool OnInitDialog() override
    {
        for (int column = 0; column < 2; ++column)
            item<CListCtrlEx>(kList)->InsertColumn(column, QString(), 60);
        item<CListCtrlEx>(kList)->setSelectionMode(QAbstractItemView::ExtendedSelection);
        buttons.Refill(-1);
        return true;
    }

private:
    StoredEntryButtons<QString>::Hooks hooks(bool withPageField)
    {
        StoredEntryButtons<QString>::Hooks hooks{
            .count = [this] { return static_cast<int>(stored.size()); },
            .read =
                [this] {
                    steps << "read";
                    return itemText(kName);
                },
            .check =
                [this](const QString& name, int row) {
                    steps << "check";
                    checkedRows << row;
                    if (name == kBadName)
                        ShowMessageBox(kBadNameBox, MB_OK);
                    return name != kBadName;
                },
            .add =
                [this](const QString& name) {
                    if (!modelRefuses)
                        stored << name;
                    return !modelRefuses;
                },
            .modify =
                [this](int row, const QString& name) {
                    stored[row] = name;
                    return true;
                },
            .remove =
                [this](const QList<int>& rows) {
                    removedRows = rows;
                    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
                        stored.removeAt(*row);
                },
            .rowTexts = [this](int row) { return QStringList{stored[row]}; },
            .shown = [this] { shownSelections << buttons.List().GetSelectedRows(); },
            .logName = [] { return kLogName; },
            .log = [this](const QString& line) { log << line; }};
        if (withPageField) {
            hooks.writePageFields = [this] {
                steps << "fields";
                if (itemText(kField).isEmpty()) {
                    ShowMessageBox(kEmptyFieldBox, MB_OK);
                    return false;
                }
                field = itemText(kField);
                return true;
            };
        }
        return hooks;
    }
};

class StoredEntryButtonsTest : public testing::Test {
protected:
    // A, B, C stored; the name edit holds name, the page field edit "on".
    PumpDialog& build(StoredEntryRules rules = {}, bool withPageField = false, const QString& name = "N")
    {
        dialog = std::make_unique<PumpDialog>(rules, withPageField);
        dialog->stored = {"A", "B", "C"};
        EXPECT_TRUE(dialog->Create());
        dialog->setItemText(kName, name);
        dialog->setItemText(kField, QStringLiteral("on"));
        boxes.Clear();
        return *dialog;
    }
    QList<int> selected() const { return dialog->buttons.List().GetSelectedRows(); }

    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scoped{boxes};
    std::unique_ptr<PumpDialog> dialog;
};

TEST_F(StoredEntryButtonsTest, AddStoresACheckedEntrySelectsItAndLogsTheCount)
{
    const struct {
        const char* name;
        QString typed;
        bool modelRefuses;
        int limit;
        QStringList stored;
        QList<int> selected;
        QStringList boxes;
        QStringList log;
    } cases[] = {
        {"a good entry",
         "N",
         false,
         0,
         {"A", "B", "C", "N"},
         {3},
         {},
         {FormatLangString(kStringEntryAdded, kLogName, 4)}},
        {"the check refuses", kBadName, false, 0, {"A", "B", "C"}, {}, {kBadNameBox}, {}},
        {"the model refuses", "N", true, 0, {"A", "B", "C"}, {}, {}, {}},
        {"below the limit",
         "N",
         false,
         4,
         {"A", "B", "C", "N"},
         {3},
         {},
         {FormatLangString(kStringEntryAdded, kLogName, 4)}},
        {"at the limit: the last row is shown",
         "N",
         false,
         3,
         {"A", "B", "C"},
         {2},
         {FormatLangString(kLimitMessage, 3)},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PumpDialog& pumps = build({.limit = c.limit, .limitMessage = kLimitMessage}, false, c.typed);
        pumps.modelRefuses = c.modelRefuses;
        EXPECT_EQ(pumps.buttons.Add(), c.stored.size() == 4);
        EXPECT_EQ(pumps.stored, c.stored);
        EXPECT_EQ(pumps.shown(), c.stored);
        EXPECT_EQ(selected(), c.selected);
        EXPECT_EQ(boxes.texts(), c.boxes);
        EXPECT_EQ(pumps.log, c.log);
        if (c.limit == 3)
            EXPECT_TRUE(pumps.steps.isEmpty()) << "a full list reads nothing";
        else
            EXPECT_EQ(pumps.checkedRows, QList<int>{-1});
    }
}

TEST_F(StoredEntryButtonsTest, ModifyTakesTheRowByItsRule)
{
    const struct {
        const char* name;
        ModifiedRow rule;
        QStringList storedBefore;
        QList<int> rows;
        QStringList stored;
        QStringList boxes;
        QStringList log;
    } cases[] = {
        {"the first of two selected rows",
         ModifiedRow::FirstSelected,
         {"A", "B", "C"},
         {1, 2},
         {"A", "N", "C"},
         {},
         {FormatLangString(kStringEntryModified, kLogName, 2)}},
        {"no selected row: the box",
         ModifiedRow::FirstSelected,
         {"A", "B", "C"},
         {},
         {"A", "B", "C"},
         {LoadLangString(613)},
         {}},
        {"an empty list: its box", ModifiedRow::FirstSelected, {}, {}, {}, {LoadLangString(614)}, {}},
        {"a row selected alone",
         ModifiedRow::OnlySelected,
         {"A", "B", "C"},
         {2},
         {"A", "B", "N"},
         {},
         {FormatLangString(kStringEntryModified, kLogName, 3)}},
        {"two rows: quietly nothing", ModifiedRow::OnlySelected, {"A", "B", "C"}, {0, 1}, {"A", "B", "C"}, {}, {}},
        {"no row: quietly nothing", ModifiedRow::OnlySelected, {"A", "B", "C"}, {}, {"A", "B", "C"}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PumpDialog& pumps = build({.modifiedRow = c.rule});
        pumps.stored = c.storedBefore;
        pumps.buttons.Refill(-1);
        SelectListRows(pumps.buttons.List(), c.rows);
        const bool changed = pumps.stored != c.stored;
        EXPECT_EQ(pumps.buttons.Modify(), changed);
        EXPECT_EQ(pumps.stored, c.stored);
        EXPECT_EQ(pumps.shown(), c.stored);
        EXPECT_EQ(boxes.texts(), c.boxes);
        EXPECT_EQ(pumps.log, c.log);
        if (changed) {
            EXPECT_EQ(pumps.checkedRows, QList<int>{c.rows.front()}) << "checked as the row it replaces";
            EXPECT_EQ(selected(), QList<int>{c.rows.front()});
        }
    }
    PumpDialog& pumps = build();
    pumps.setItemText(kName, kBadName);
    SelectListRows(pumps.buttons.List(), {0});
    EXPECT_FALSE(pumps.buttons.Modify());
    EXPECT_EQ(pumps.stored, (QStringList{"A", "B", "C"})) << "a refused entry is not stored";
    EXPECT_TRUE(pumps.log.isEmpty());
}

TEST_F(StoredEntryButtonsTest, PageFieldsAreWrittenOnceTheEntryPassesOnAddAndFirstOnModify)
{
    const struct {
        const char* name;
        bool modify;
        QString typed;
        QString field;
        QList<int> rows;
        QStringList steps;
        QString fieldAfter;
        QStringList boxes;
    } cases[] = {
        {"Add: entry, then fields", false, "N", "on", {}, {"read", "check", "fields"}, "on", {}},
        {"Add: a refused entry keeps the fields", false, kBadName, "on", {}, {"read", "check"}, "", {kBadNameBox}},
        {"Add: refused fields store no entry", false, "N", "", {}, {"read", "check", "fields"}, "", {kEmptyFieldBox}},
        {"Modify: fields, then the entry", true, "N", "on", {1}, {"read", "fields", "check"}, "on", {}},
        {"Modify: fields even without a row", true, "N", "on", {}, {"read", "fields"}, "on", {}},
        {"Modify: refused fields stop it", true, "N", "", {1}, {"read", "fields"}, "", {kEmptyFieldBox}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PumpDialog& pumps = build({.modifiedRow = ModifiedRow::OnlySelected}, true, c.typed);
        pumps.setItemText(kField, c.field);
        SelectListRows(pumps.buttons.List(), c.rows);
        const bool stored = c.modify ? pumps.buttons.Modify() : pumps.buttons.Add();
        EXPECT_EQ(pumps.steps, c.steps);
        EXPECT_EQ(pumps.field, c.fieldAfter);
        EXPECT_EQ(boxes.texts(), c.boxes);
        EXPECT_EQ(stored, c.steps.size() == 3 && c.boxes.isEmpty());
        EXPECT_EQ(pumps.stored.contains("N"), stored);
    }
}

TEST_F(StoredEntryButtonsTest, DeleteRemovesTheSelectedRowsAndSelectsTheRowAfter)
{
    const struct {
        const char* name;
        QList<int> rows;
        QStringList stored;
        QList<int> selected;
    } cases[] = {
        {"the middle row: the next takes its place", {1}, {"A", "C"}, {1}},
        {"the last row: the new last row", {2}, {"A", "B"}, {1}},
        {"rows selected out of order go in ascending", {2, 0}, {"B"}, {0}},
        {"every row: none left", {0, 1, 2}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PumpDialog& pumps = build();
        SelectListRows(pumps.buttons.List(), c.rows);
        pumps.shownSelections.clear();
        EXPECT_TRUE(pumps.buttons.Delete());
        QList<int> ascending = c.rows;
        std::sort(ascending.begin(), ascending.end());
        EXPECT_EQ(pumps.removedRows, ascending);
        EXPECT_EQ(pumps.stored, c.stored);
        EXPECT_EQ(pumps.shown(), c.stored);
        EXPECT_EQ(selected(), c.selected);
        EXPECT_EQ(pumps.shownSelections, QList<QList<int>>{c.selected}) << "told once the row is selected";
        EXPECT_EQ(pumps.log, QStringList{FormatLangString(kStringEntriesDeleted, kLogName)});
    }
    PumpDialog& pumps = build();
    EXPECT_FALSE(pumps.buttons.Delete());
    EXPECT_EQ(boxes.texts(), QStringList{LoadLangString(613)});
    EXPECT_EQ(pumps.stored, (QStringList{"A", "B", "C"}));
    EXPECT_TRUE(pumps.log.isEmpty());
}

TEST_F(StoredEntryButtonsTest, AnsweringNoToTheConfirmationKeepsTheRows)
{
    PumpDialog& pumps = build({.confirmDelete = true});
    SelectListRows(pumps.buttons.List(), {1});
    bool asked = false;
    QTimer answer; // dies with the test: it cannot fire into a later one
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&asked] {
        auto* question = dynamic_cast<DialogControls*>(QApplication::activeModalWidget());
        asked = question && question->templateId() == kTemplateConfirmDelete;
        if (asked)
            PressButton(*question, kButtonConfirmDeleteNo);
        else if (QApplication::activeModalWidget())
            QApplication::activeModalWidget()->close();
    });
    answer.start(0);
    EXPECT_FALSE(pumps.buttons.Delete());
    EXPECT_TRUE(asked);
    EXPECT_EQ(pumps.stored, (QStringList{"A", "B", "C"}));
    EXPECT_TRUE(pumps.removedRows.isEmpty());
    EXPECT_TRUE(pumps.log.isEmpty());

    ScopedDeleteConfirmationSkipped unasked;
    EXPECT_TRUE(pumps.buttons.Delete());
    EXPECT_EQ(pumps.stored, (QStringList{"A", "C"}));
}

} // namespace
