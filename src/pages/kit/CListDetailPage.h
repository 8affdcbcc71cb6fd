#pragma once
// The list-and-detail shape: a page over a vector of entries of the model, shown in a main list
// with the selected entry in bound detail controls. Add, Modify and Delete validate the entry and
// write the whole vector into the model at once (no Apply), with log lines 616, 618 and 619.
//
// The shape keeps the rules every list page shares: the entry limit, the entry name (empty 647,
// a duplicate ignoring case 648, more than 64 bytes 610; on Modify the selected entry is not its
// own duplicate), the entry number (last entry's + 1, 0 for the first), the delete confirmation
// and the index correction while deleting several rows (an entry may refuse, which stops the
// deletion at it), and the automatic service tags an entry owns (created on Add, released on
// Delete, each tag logged with 732 / 681).
//
//   class CAlarmEmail : public CListDetailPage<ALARM_MAIL_ITEM> {
//   public:
//       explicit CAlarmEmail(IPageHost* host)
//           : CListDetailPage(kTemplate, host, {kListEntries, kButtonAdd, kButtonModify, kButtonDelete})
//       {
//           SetNameField(kEditName, kLabelName, &ALARM_MAIL_ITEM::Name);
//           SetIndexField(&ALARM_MAIL_ITEM::Index);
//           SetEntryLimit(32, LoadLangString(kStringTooManyEntries));
//           SetTagHooks(registerMailTags, releaseMailTags);      // model operations
//           Bindings().Bind(kEditSubject, kLabelSubject, &ALARM_MAIL_ITEM::Subject, AsText(128));
//       }
//   protected:
//       std::vector<ALARM_MAIL_ITEM> ReadEntries(const CDataCenter& m) const override;
//       void WriteEntries(CDataCenter& m, const std::vector<ALARM_MAIL_ITEM>& e) override;
//       QStringList RowTexts(const ALARM_MAIL_ITEM& e) const override { return {e.Name, e.Subject}; }
//   };

#include "CListCtrlEx.h"
#include "CPropertyUIDialog.h"
#include "ConfirmDeleteDlg.h"
#include "EntryIndex.h"
#include "EntryTabs.h"
#include "IBoundPage.h"
#include "ListPageStrings.h"
#include "ListRows.h"
#include "PageBindings.h"
#include "RowMoves.h"
#include "TextFormat.h"
#include "Validation.h"
#include "ValidationReport.h"

#include <QStringList>

#include <algorithm>
#include <functional>
#include <vector>

struct ListDetailIds {
    int list = 0;
    int addButton = 0;
    int modifyButton = 0;
    int deleteButton = 0;
};

template <class Entry>
class CListDetailPage : public CPropertyUIDialog, public IBoundPage {
public:
    // What a tag hook did: the names of the tags created or released.
    using TagHook = std::function<QStringList(CDataCenter& model, const Entry& entry)>;

    const std::vector<Entry>& Entries() const { return entries_; }
    // The name edit first, then the detail controls, then the tabs.
    std::vector<BoundForm> BoundForms() const override
    {
        BoundForm own{this, bindings_.Controls()};
        if (name_)
            own.controls.insert(own.controls.begin(), nameEdit_);
        std::vector<BoundForm> forms{own};
        tabs_.AddBoundForms(forms);
        return forms;
    }

    // The first selected row, -1 when none is.
    int SelectedRow() const { return list() ? list()->GetFirstSelectedRow() : -1; }
    void SelectRow(int row)
    {
        if (CListCtrlEx* rows = list(); rows && row >= 0 && row < rows->GetItemCount())
            rows->SelectRow(row);
    }

    // The buttons' actions; each true when the model was changed.
    bool AddEntry()
    {
        CDataCenter* model = GetDataCenter();
        if (!model)
            return false;
        if ((limit_ > 0 && static_cast<int>(entries_.size()) >= limit_) || !HasNextEntryIndex()) {
            ShowMessageBox(limitMessage_, MB_OK | MB_ICONWARNING);
            return false;
        }
        Entry entry = NewEntry();
        if (!readChecked(entry, -1))
            return false;
        if (index_)
            entry.*index_ = NextEntryIndex();
        QStringList created;
        if (!CreateEntryTags(*model, entry, created))
            return false;
        entries_.push_back(std::move(entry));
        const int row = static_cast<int>(entries_.size()) - 1;
        WritePageFields(*model); // its log line comes before the new tags' lines
        logTags(kStringTagCreated, created);
        writeAndShow(*model, row);
        AddLogLine(FormatLangString(kStringEntryAdded, LogName(), row + 1));
        return true;
    }

    bool ModifyEntry()
    {
        CDataCenter* model = GetDataCenter();
        if (!model || WarnIfListEmpty())
            return false;
        if (pageFieldsApart_ && !checkAndWritePageFields(*model))
            return false;
        const int row = SelectedRow();
        if (row < 0 || row >= static_cast<int>(entries_.size())) {
            if (pageFieldsApart_)
                return true; // the page's fields alone were applied
            ShowMessageBox(LoadLangString(kStringNoEntrySelected), MB_OK | MB_ICONWARNING);
            return false;
        }
        Entry entry = entries_[row];
        if (!readChecked(entry, row))
            return false;
        CompleteModifiedEntry(*model, entries_[row], entry);
        OnEntryReplaced(*model, entries_[row], entry);
        entries_[row] = std::move(entry);
        if (!pageFieldsApart_)
            WritePageFields(*model);
        writeAndShow(*model, row);
        AddLogLine(FormatLangString(kStringEntryModified, LogName(), row + 1));
        return true;
    }

    bool DeleteEntries()
    {
        CDataCenter* model = GetDataCenter();
        if (!model || WarnIfListEmpty())
            return false;
        QList<int> rows = list()->GetSelectedRows();
        if (rows.isEmpty()) {
            ShowMessageBox(LoadLangString(kStringNoEntrySelected), MB_OK | MB_ICONWARNING);
            return false;
        }
        if (!ConfirmDelete())
            return false;
        std::sort(rows.begin(), rows.end());
        // Rows go in list order; an entry that refuses stops the deletion there.
        QList<int> removed;
        for (int row : rows) {
            if (row < 0 || row >= static_cast<int>(entries_.size()))
                continue;
            const QString refusal = DeleteRefusal(entries_[row]);
            if (!refusal.isEmpty()) {
                ShowMessageBox(refusal, MB_OK | MB_ICONWARNING);
                break;
            }
            if (releaseTags_)
                logTags(kStringTagReleased, releaseTags_(*model, entries_[row]));
            OnEntryRemoved(*model, entries_[row]);
            OnEntryRemovedAt(*model, entries_[row], row - static_cast<int>(removed.size()));
            removed << row;
        }
        writeAndShow(*model, RemoveRows(entries_, removed));
        AddLogLine(FormatLangString(kStringEntriesDeleted, LogName()));
        return !removed.isEmpty();
    }

    // The number the next entry gets: the last entry's + 1, 0 for the first.
    int NextEntryIndex() const
    {
        if (!index_ || entries_.empty())
            return 0;
        return EntryIndexAfter(entries_.back().*index_);
    }
    // False when the last entry holds the largest number (read from a file): Add is refused.
    bool HasNextEntryIndex() const
    {
        return !index_ || entries_.empty() || HasEntryIndexAfter(entries_.back().*index_);
    }

    // The entry-name rules for a name typed in the control: not empty (647), not another entry's
    // ignoring case (648; row is the entry's own row on Modify, -1 on Add), at most 64 bytes (610).
    // nameOf gives an entry's name when it is not the name field.
    void CheckEntryName(const QString& name, int row, const QString& label, QWidget* edit, ValidationReport& report,
                        const std::function<QString(const Entry&)>& nameOf = {}) const
    {
        if (name.trimmed().isEmpty()) {
            report.Add(FormatInvalidItemLine(label), edit);
            return;
        }
        for (int i = 0; (name_ || nameOf) && i < static_cast<int>(entries_.size()); ++i) {
            const QString other = nameOf ? nameOf(entries_[i]) : entries_[i].*name_;
            if (i != row && QString::compare(other, name, Qt::CaseInsensitive) == 0) {
                report.Add(FormatItemErrorLine(label), edit);
                break;
            }
        }
        if (!FitsByteLength(name, kEntryNameByteLimit))
            report.Add(FormatLimitErrorLine(label, kEntryNameByteLimit), edit);
    }

protected:
    CListDetailPage(unsigned templateId, IPageHost* host, ListDetailIds ids)
        : CPropertyUIDialog(templateId, host), ids_(ids)
    {}
    CListDetailPage(DialogTemplate dialogTemplate, IPageHost* host, ListDetailIds ids)
        : CPropertyUIDialog(std::move(dialogTemplate), host), ids_(ids)
    {}

    // ---- set up in the page's constructor ----
    // The detail controls other than the name.
    PageBindings<Entry>& Bindings() { return bindings_; }
    const PageBindings<Entry>& Bindings() const { return bindings_; }
    // Tab pages editing the same entry, filled, validated and gathered with the detail controls.
    EntryTabs<Entry>& Tabs() { return tabs_; }
    // The entry's name: its edit, its label for the messages, its field.
    void SetNameField(ControlId edit, FieldLabel label, QString Entry::*name)
    {
        nameEdit_ = edit;
        nameLabel_ = std::move(label);
        name_ = name;
    }
    // The page's fields outside the entries are checked in a box of their own: on Add after the
    // entry passed; on Modify first, and written before the entry is checked (also with no row
    // selected, when they are all that Modify applies).
    void SetPageFieldsApart() { pageFieldsApart_ = true; }
    // The detail controls in the order the page's rules name them: every rule of one Add or Modify
    // is reported in one box in that order (ValidationReport::SetFieldOrder).
    void SetFieldOrder(std::initializer_list<int> controlIds) { fieldOrder_ = controlIds; }
    // The entry's own number, given on Add.
    void SetIndexField(qint32 Entry::*index) { index_ = index; }
    // At most limit entries; Add beyond them shows the message. 0: no limit.
    void SetEntryLimit(int limit, QString message)
    {
        limit_ = limit;
        limitMessage_ = std::move(message);
    }
    // The model operations that create and release an entry's automatic tags.
    void SetTagHooks(TagHook registerTags, TagHook releaseTags)
    {
        registerTags_ = std::move(registerTags);
        releaseTags_ = std::move(releaseTags);
    }

    // ---- hooks ----
    virtual std::vector<Entry> ReadEntries(const CDataCenter& model) const = 0;
    virtual void WriteEntries(CDataCenter& model, const std::vector<Entry>& entries) = 0;
    // The row's texts after the row number in column 0.
    virtual QStringList RowTexts(const Entry& entry) const = 0;
    // What Add starts from.
    virtual Entry NewEntry() const { return Entry{}; }
    // The page's own rules; row is the entry's row on Modify, -1 on Add.
    virtual void CheckEntry(const Entry& entry, int row, ValidationReport& report) const {}
    // Rules of the page's controls outside the entry, reported before the entry's name.
    virtual void CheckPageFields(int row, ValidationReport& report) const {}
    // On Add and Modify, before the entries: the page's fields outside the entries.
    virtual void WritePageFields(CDataCenter& model) {}
    // On Add, before the entry is kept: its automatic tags (the tag hook by default). False when
    // they could not be made: the entry is dropped, the page has told the user.
    virtual bool CreateEntryTags(CDataCenter& model, Entry& entry, QStringList& created)
    {
        if (registerTags_)
            created = registerTags_(model, entry);
        return true;
    }
    // The name in the log lines.
    virtual QString LogName() const { return GetNodeInfo().shownText; }
    // Asked before entries are deleted.
    virtual bool ConfirmDelete()
    {
        ConfirmDeleteDlg dialog(this);
        return dialog.DoModal() == IDYES;
    }
    // Modify may still complete the entry it stores (tags that its new settings need).
    virtual void CompleteModifiedEntry(CDataCenter& model, const Entry& before, Entry& after) {}
    // Modify is about to replace the entry (the model still holds before).
    virtual void OnEntryReplaced(CDataCenter& model, const Entry& before, const Entry& after) {}
    // Why the entry cannot be deleted (shown in a message box; the deletion stops at it); empty: it can.
    virtual QString DeleteRefusal(const Entry& entry) const { return {}; }
    // The entry is about to leave the list (after its tags were released).
    virtual void OnEntryRemoved(CDataCenter& model, const Entry& entry) {}
    // The same with the entry's position among the entries still listed: the rows deleted before
    // it are gone already, as for services that number their items by position.
    virtual void OnEntryRemovedAt(CDataCenter& model, const Entry& entry, int position) {}
    // After the detail controls show an entry (null: none selected), still busy.
    virtual void OnEntryShown(const Entry* entry) {}

    void OnControlsBuilt() override
    {
        onClicked(ids_.addButton, [this] { AddEntry(); });
        onClicked(ids_.modifyButton, [this] { ModifyEntry(); });
        onClicked(ids_.deleteButton, [this] { DeleteEntries(); });
        if (CListCtrlEx* rows = listControl())
            QObject::connect(rows, &CListCtrlEx::itemSelectionChanged, this, [this] { showSelectedEntry(); });
        CPropertyUIDialog::OnControlsBuilt();
    }

    void OnPageShown() override
    {
        SetMainListId(ids_.list);
        if (const CDataCenter* model = GetDataCenter())
            entries_ = ReadEntries(*model);
        refill();
        SelectFirstListItem(ids_.list);
        showSelectedEntry();
    }

private:
    CListCtrlEx* listControl() const
    {
        return hasControl(ids_.list) ? qobject_cast<CListCtrlEx*>(control(ids_.list)) : nullptr;
    }
    CListCtrlEx* list() const { return listControl(); }

    // Reads the detail controls into the entry and checks it: every rule, the page's own ones on
    // what the controls hold even when a field failed, in one report; false after the report.
    bool readChecked(Entry& entry, int row)
    {
        ValidationReport report;
        QList<const QWidget*> order;
        for (int id : fieldOrder_)
            order << (hasControl(id) ? control(id) : nullptr);
        report.SetFieldOrder(order);
        if (!pageFieldsApart_)
            CheckPageFields(row, report);
        checkName(row, report);
        bindings_.Validate(*this, report);
        tabs_.Validate(report);
        Entry typed = entry;
        if (name_)
            typed.*name_ = itemText(nameEdit_);
        bindings_.Store(*this, typed);
        tabs_.Gather(typed);
        CheckEntry(typed, row, report);
        if (report.ShowIfAny())
            return false;
        if (pageFieldsApart_ && row < 0 && !checkPageFieldsApart(row))
            return false;
        entry = std::move(typed);
        return true;
    }

    bool checkPageFieldsApart(int row) const
    {
        ValidationReport report;
        CheckPageFields(row, report);
        return !report.ShowIfAny();
    }

    bool checkAndWritePageFields(CDataCenter& model)
    {
        if (!checkPageFieldsApart(SelectedRow()))
            return false;
        WritePageFields(model);
        return true;
    }

    void checkName(int row, ValidationReport& report) const
    {
        if (!name_ || !hasControl(nameEdit_))
            return;
        CheckEntryName(itemText(nameEdit_), row, nameLabel_.Text(*this), control(nameEdit_), report);
    }

    void logTags(unsigned stringId, const QStringList& names) const
    {
        for (const QString& name : names)
            AddLogLine(FormatLangString(stringId, name));
    }

    void writeAndShow(CDataCenter& model, int row)
    {
        WriteEntries(model, entries_);
        entries_ = ReadEntries(model);
        refill();
        if (row >= 0)
            SelectRow(row);
        showSelectedEntry();
    }

    void refill()
    {
        CListCtrlEx* rows = list();
        if (!rows)
            return;
        BusyGuard busy(Busy());
        FillNumberedRows(*rows, static_cast<int>(entries_.size()), [this](int row) { return RowTexts(entries_[row]); });
    }

    void showSelectedEntry()
    {
        if (IsBusy())
            return;
        BusyGuard busy(Busy());
        const int row = SelectedRow();
        const bool selected = row >= 0 && row < static_cast<int>(entries_.size());
        const Entry shown = selected ? entries_[row] : NewEntry();
        if (name_)
            setItemText(nameEdit_, selected ? shown.*name_ : QString());
        bindings_.Fill(*this, shown);
        tabs_.ShowEntry(shown);
        OnEntryShown(selected ? &entries_[row] : nullptr);
    }

    ListDetailIds ids_;
    PageBindings<Entry> bindings_;
    EntryTabs<Entry> tabs_;
    std::vector<Entry> entries_;
    ControlId nameEdit_{0, ControlType::Edit};
    FieldLabel nameLabel_{QString()};
    QString Entry::*name_ = nullptr;
    qint32 Entry::*index_ = nullptr;
    int limit_ = 0;
    QString limitMessage_;
    bool pageFieldsApart_ = false;
    QList<int> fieldOrder_;
    TagHook registerTags_;
    TagHook releaseTags_;
};
