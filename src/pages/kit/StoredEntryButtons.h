#pragma once
// The Add, Modify and Delete steps of a list whose entries the model stores one at a time (the
// commands of a Modbus device, the tag sets of the Modbus slave), where CListDetailPage's
// write-the-whole-vector does not fit. Each step reads the detail controls into an entry, checks
// it, hands it to the model's own operation, refills the list with the row selected and logs
// 616, 618 or 619. The page keeps its controls and rules and gives them as hooks:
//
//   StoredEntryButtons<Command> commands_{*this, kListCommands,
//       {.limit = 512, .limitMessage = kStringTooMany, .confirmDelete = true}, // StoredEntryRules
//       {.count = [this] { return int(commands().size()); },
//        .read = [this] { return readCommand(); },                       // the controls, read
//        .check = [this](const Command& c, int row) { ... },             // row: -1 on Add; false after its box
//        .add = [this](const Command& c) { return model_.AddCommand(c); },
//        .modify = [this](int row, const Command& c) { return model_.SetCommand(row, c); },
//        .remove = [this](const QList<int>& rows) { ... },               // ascending
//        .rowTexts = [this](int row) { return QStringList{...}; },        // after the row number
//        .shown = [this] { showSelectedCommand(); },                     // optional
//        .logName = [this] { return logPrefix(); },
//        .log = [this](const QString& line) { owner_->AddLogLine(line); }}};
//   bool AddCommand() { return commands_.Add(); } // and the page wires its buttons to these

#include "ListPageStrings.h"
#include "TextFormat.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class CListCtrlEx;
class DialogControls;

// Which row Modify changes: the first selected one, after the list's box (614 empty, 613 none
// selected) when there is none; or, without a box, only a row selected alone.
enum class ModifiedRow { FirstSelected, OnlySelected };

struct StoredEntryRules {
    int limit = 0;              // at most this many entries; 0: no limit
    unsigned limitMessage = 0;  // the box at the limit, formatted with the limit
    bool confirmDelete = false; // Delete asks first
    ModifiedRow modifiedRow = ModifiedRow::FirstSelected;
};

// The part that does not depend on the entry type.
class StoredEntryButtonsBase {
public:
    CListCtrlEx& List() const;

protected:
    StoredEntryButtonsBase(DialogControls& dialog, int list, StoredEntryRules rules)
        : dialog_(dialog), list_(list), rules_(rules)
    {}
    ~StoredEntryButtonsBase() = default;

    void FillQuietly(int count, const std::function<QStringList(int row)>& rowTexts) const;
    void Select(int row) const;
    // At the limit, after its box.
    bool Full(int count) const;
    // The row Modify changes by the rules; -1 (after the box when they warn) when there is none.
    int RowToModify() const;
    // The selected rows to delete (ascending), confirmed when the rules ask; none after the boxes.
    QList<int> RowsToDelete() const;
    // The row to select once the rows are gone: the position of the last one removed, or the
    // last row; -1 when none is left.
    static int RowAfterRemoval(int countBefore, const QList<int>& rows);

private:
    DialogControls& dialog_;
    int list_;
    StoredEntryRules rules_;
};

template <class Entry>
class StoredEntryButtons : public StoredEntryButtonsBase {
public:
    struct Hooks {
        std::function<int()> count; // the entries the model holds
        std::function<Entry()> read;
        // Optional: checks and writes the page's own fields outside the entries; false after its
        // box. Add runs it once the entry passed; Modify first, whatever row is selected.
        std::function<bool()> writePageFields;
        std::function<bool(const Entry&, int row)> check; // the page's rules; -1 on Add; false after its box
        std::function<bool(const Entry&)> add;            // the model's operations; false: refused
        std::function<bool(int row, const Entry&)> modify;
        std::function<void(const QList<int>& rows)> remove; // ascending
        std::function<QStringList(int row)> rowTexts;       // a stored entry's texts after its row number
        std::function<void()> shown; // optional: the list was refilled, its row selected (signals on)
        std::function<QString()> logName;
        std::function<void(const QString&)> log;
    };

    StoredEntryButtons(DialogControls& dialog, int list, StoredEntryRules rules, Hooks hooks)
        : StoredEntryButtonsBase(dialog, list, rules), hooks_(std::move(hooks))
    {}

    // The list from the model, quietly, then the row selected (none: -1) with its signals.
    void Refill(int selectRow) const
    {
        FillQuietly(hooks_.count(), hooks_.rowTexts);
        Select(selectRow);
        if (hooks_.shown)
            hooks_.shown();
    }

    // Each true when the model was changed.
    bool Add()
    {
        if (Full(hooks_.count())) {
            Refill(hooks_.count() - 1);
            return false;
        }
        const Entry entry = hooks_.read();
        if (!hooks_.check(entry, -1) || !pageFieldsWritten() || !hooks_.add(entry))
            return false;
        const int count = hooks_.count();
        Refill(count - 1);
        log(kStringEntryAdded, count);
        return true;
    }

    bool Modify()
    {
        std::optional<Entry> entry;
        if (hooks_.writePageFields) {
            entry = hooks_.read();
            if (!pageFieldsWritten())
                return false;
        }
        const int row = RowToModify();
        if (row < 0)
            return false;
        if (!entry)
            entry = hooks_.read();
        if (!hooks_.check(*entry, row) || !hooks_.modify(row, *entry))
            return false;
        Refill(row);
        log(kStringEntryModified, row + 1);
        return true;
    }

    bool Delete()
    {
        const QList<int> rows = RowsToDelete();
        if (rows.isEmpty())
            return false;
        const int before = hooks_.count();
        hooks_.remove(rows);
        Refill(RowAfterRemoval(before, rows));
        log(kStringEntriesDeleted);
        return true;
    }

private:
    bool pageFieldsWritten() const { return !hooks_.writePageFields || hooks_.writePageFields(); }

    template <class... Numbers>
    void log(unsigned stringId, Numbers... numbers) const
    {
        if (hooks_.log)
            hooks_.log(FormatLangString(stringId, hooks_.logName(), numbers...));
    }

    Hooks hooks_;
};
