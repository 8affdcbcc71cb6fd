#pragma once
// A working list of tags laid out at addresses one after the other from a start address (the
// tags of a Modbus command, the items of a Modbus slave set), with its list control, its add,
// remove, up and down buttons and its start-address edit. The list does the row work: chosen
// tags of another type replace the items, tags listed already are skipped, selected rows are
// removed or moved, the rows are refilled and reselected. The page keeps the layout rule of its
// model (ModbusCommandLayout, ModbusSlaveMap) and hands it over as hooks:
//
//   AddressedTagList<QVector<Item>> tags_{*this, working_.Items,
//       {.list = kListTags, .choose = kButtonAddTags, .remove = kButtonRemoveTags,
//        .up = kButtonTagUp, .down = kButtonTagDown, .start = kEditStart},
//       {.choose = [this] { ChooseTags(); },                     // chosen tags come back in Append
//        .replaces = [this](const TagRecord& first) { ... },    // the items give way to these tags
//        .key = [](const Item& item) { return item.Tag; },
//        .make = [this](const TagRecord& tag) { return Item{...}; },
//        .layout = [this](AddressedTagChange) { ... },          // addresses laid out again
//        .rowTexts = [this](int row) { return QStringList{...}; }}};
//   tags_.Connect(); // in OnInitDialog

#include "ControlId.h"
#include "RowMoves.h"
#include "TagPickList.h"
#include "TagRecord.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <vector>

class CListCtrlEx;
class DialogControls;

// What changed before the layout hook runs.
enum class AddressedTagChange { Added, Replaced, Removed, Moved, StartEdited };

// The controls of the list (kNoControl where the page has none) and how it answers a button
// pressed without a selected row: quietly, or with the "no entry selected" box.
struct AddressedTagControls {
    int list = 0;
    int choose = 0;
    int remove = 0;
    int up = 0;
    int down = 0;
    int start = 0; // the start-address edit: leaving it lays the items out again
    bool warnWithoutSelection = false;
    bool selectAfterRemoval = true; // the row at the last removed position, or the last row
};

// The part that does not depend on the item type.
class AddressedTagListBase {
public:
    // Wires the buttons and the start edit; call once the controls are built.
    void Connect();
    CListCtrlEx& List() const;

protected:
    AddressedTagListBase(DialogControls& dialog, AddressedTagControls controls) : dialog_(dialog), controls_(controls)
    {}
    virtual ~AddressedTagListBase() = default;

    virtual void Choose() = 0;
    virtual void RemoveSelected() = 0;
    virtual void MoveSelected(int step) = 0;
    virtual void StartEdited() = 0;
    // The selected rows; none (after the box when the list warns) when nothing is selected.
    QList<int> SelectedRows() const;
    void Reselect(const QList<int>& rows) const;
    bool SelectsAfterRemoval() const { return controls_.selectAfterRemoval; }

private:
    DialogControls& dialog_;
    AddressedTagControls controls_;
};

template <class Items> // std::vector<Item> or QVector<Item>
class AddressedTagList : public AddressedTagListBase {
public:
    using Item = typename Items::value_type;

    struct Hooks {
        std::function<void()> choose;                               // opens the chooser (its tags: Append)
        std::function<bool(const std::vector<TagRecord>&)> accepts; // optional: false refuses the choice whole
        std::function<bool(const TagRecord& first)> replaces;       // the listed items give way to these tags
        std::function<QString(const Item&)> key;                    // the item's tag key (ResID)
        std::function<Item(const TagRecord&)> make;                 // a new item for a chosen tag
        // Optional: the model's own rule appending the chosen tags not listed yet, instead of
        // key and make; the number appended.
        std::function<int(const std::vector<TagRecord>&)> merge;
        std::function<void(AddressedTagChange)> layout;                 // lays the items out again
        std::function<void(Item& moved, const Item& before)> keepAtRow; // optional: fields a moved row keeps
        std::function<int()> rowCount;                                  // optional: rows shown (default: the items)
        std::function<QStringList(int row)> rowTexts;                   // a row's texts after its number
    };

    AddressedTagList(DialogControls& dialog, Items& items, AddressedTagControls controls, Hooks hooks)
        : AddressedTagListBase(dialog, controls), items_(items), hooks_(std::move(hooks)),
          picks_({.address = hooks_.key, .make = hooks_.make})
    {}

    // Appends the chosen tags not listed yet; tags the items give way to replace them first.
    // The number of items appended; 0 when the choice is empty or refused.
    int Append(const std::vector<TagRecord>& chosen)
    {
        if (chosen.empty() || (hooks_.accepts && !hooks_.accepts(chosen)))
            return 0;
        const bool replaced = !items_.empty() && hooks_.replaces && hooks_.replaces(chosen.front());
        if (replaced)
            items_.clear();
        const int added = hooks_.merge ? hooks_.merge(chosen) : picks_.Append(items_, chosen);
        changed(replaced ? AddressedTagChange::Replaced : AddressedTagChange::Added);
        return added;
    }

    void RemoveSelected() override
    {
        const QList<int> rows = SelectedRows();
        if (rows.isEmpty())
            return;
        const int next = RemoveRows(items_, rows);
        changed(AddressedTagChange::Removed);
        if (next >= 0 && SelectsAfterRemoval())
            Reselect({next});
    }

    void MoveSelected(int step) override
    {
        const QList<int> rows = SelectedRows();
        if (rows.isEmpty())
            return;
        const Items before = items_;
        const QList<int> moved = MoveRows(items_, rows, step);
        if (hooks_.keepAtRow) {
            for (qsizetype row = 0; row < static_cast<qsizetype>(items_.size()); ++row)
                hooks_.keepAtRow(items_[row], before[row]);
        }
        changed(AddressedTagChange::Moved);
        Reselect(moved);
    }

    void Refill() const
    {
        const int rows = hooks_.rowCount ? hooks_.rowCount() : static_cast<int>(items_.size());
        FillNumberedRows(List(), rows, hooks_.rowTexts);
    }

protected:
    void Choose() override
    {
        if (hooks_.choose)
            hooks_.choose();
    }
    void StartEdited() override { changed(AddressedTagChange::StartEdited); }

private:
    void changed(AddressedTagChange change)
    {
        if (hooks_.layout)
            hooks_.layout(change);
        Refill();
    }

    Items& items_;
    Hooks hooks_;
    TagPickList<Item> picks_;
};
