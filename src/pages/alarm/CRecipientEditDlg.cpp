#include "CRecipientEditDlg.h"

#include "CListCtrlEx.h"
#include "ConfirmDeleteDlg.h"
#include "LanguagePack.h"
#include "ListRows.h"
#include "MessageBoxService.h"
#include "TextFormat.h"

#include <algorithm>

namespace {

constexpr unsigned kStringColumnNumber = 360;
constexpr unsigned kStringColumnName = 361;
constexpr unsigned kStringBadContactName = 9252;
constexpr int kNumberColumnWidth = 40;

} // namespace

CRecipientEditDlg::CRecipientEditDlg(const RecipientEditorKind& kind, const QString& joinedAddresses,
                                     const QString& joinedNames, QWidget* parent)
    : CDialogBase(kind.templateId, parent), kind_(kind), recipients_(RecipientList::Split(joinedAddresses, joinedNames))
{}

CListCtrlEx* CRecipientEditDlg::list() const
{
    return item<CListCtrlEx>(kind_.list);
}

bool CRecipientEditDlg::OnInitDialog()
{
    if (CListCtrlEx* rows = list()) {
        rows->setSelectionMode(QAbstractItemView::ExtendedSelection);
        rows->InsertColumn(0, LoadLangString(kStringColumnNumber), kNumberColumnWidth);
        rows->InsertColumn(1, LoadLangString(kStringColumnName), 0);
        rows->InsertColumn(2, LoadLangString(kind_.addressColumnString), 0);
        QObject::connect(rows, &CListCtrlEx::itemSelectionChanged, this, [this] { onSelectionChanged(); });
    }
    onClicked(kind_.addButton, [this] { onAdd(); });
    onClicked(kind_.modifyButton, [this] { onModify(); });
    onClicked(kind_.deleteButton, [this] { onDelete(); });
    onClicked(kind_.okButton, [this] { OnOK(); });
    refill();
    return true;
}

void CRecipientEditDlg::showEvent(QShowEvent* event)
{
    CDialogBase::showEvent(event);
    fitColumns();
}

// The name and address columns share the width after the number column.
void CRecipientEditDlg::fitColumns()
{
    if (CListCtrlEx* rows = list()) {
        const int textWidth = std::max(0, (rows->viewport()->width() - kNumberColumnWidth) / 2);
        rows->SetColumnWidth(1, textWidth);
        rows->SetColumnWidth(2, textWidth);
    }
}

void CRecipientEditDlg::refill()
{
    if (CListCtrlEx* rows = list()) {
        FillNumberedRows(*rows, recipients_.Count(), [this](int row) {
            return QStringList{recipients_.Names.value(row), recipients_.Addresses.value(row)};
        });
        rows->clearSelection();
    }
    setItemText(kind_.addressEdit, QString());
    setItemText(kind_.nameEdit, QString());
}

void CRecipientEditDlg::onSelectionChanged()
{
    const CListCtrlEx* rows = list();
    const int row = rows ? rows->GetFirstSelectedRow() : -1;
    const bool shown = row >= 0 && row < recipients_.Count();
    setItemText(kind_.nameEdit, shown ? recipients_.Names.value(row) : QString());
    setItemText(kind_.addressEdit, shown ? recipients_.Addresses.value(row) : QString());
}

bool CRecipientEditDlg::readEdits(QString& address, QString& name)
{
    address = itemText(kind_.addressEdit).trimmed();
    name = itemText(kind_.nameEdit).trimmed();
    if (!kind_.isValidAddress || !kind_.isValidAddress(address)) {
        ShowMessageBox(LoadLangString(kind_.badAddressString), MB_OK | MB_ICONWARNING);
        control(kind_.addressEdit)->setFocus();
        return false;
    }
    // A separator inside a name would shift every later name onto the wrong address.
    if (!IsValidContactName(name)) {
        ShowMessageBox(LoadLangString(kStringBadContactName), MB_OK | MB_ICONWARNING);
        control(kind_.nameEdit)->setFocus();
        return false;
    }
    return true;
}

void CRecipientEditDlg::onAdd()
{
    if (recipients_.Count() >= kind_.maxRecipients) {
        ShowMessageBox(FormatLangString(kind_.limitString, kind_.maxRecipients), MB_OK | MB_ICONWARNING);
        return;
    }
    if (itemText(kind_.addressEdit).trimmed().isEmpty()) {
        refill();
        return;
    }
    QString address;
    QString name;
    if (!readEdits(address, name))
        return;
    recipients_.Append(address, name);
    refill();
}

void CRecipientEditDlg::onModify()
{
    if (itemText(kind_.addressEdit).trimmed().isEmpty())
        return;
    QString address;
    QString name;
    if (!readEdits(address, name))
        return;
    const QList<int> rows = list() ? list()->GetSelectedRows() : QList<int>();
    if (rows.size() != 1)
        return;
    recipients_.Replace(rows.first(), address, name);
    refill();
}

void CRecipientEditDlg::onDelete()
{
    QList<int> rows = list() ? list()->GetSelectedRows() : QList<int>();
    if (rows.isEmpty())
        return;
    ConfirmDeleteDlg confirm(this);
    if (confirm.DoModal() != IDYES)
        return;
    std::sort(rows.begin(), rows.end());
    int removed = 0;
    for (int row : rows)
        recipients_.RemoveAt(row - removed++);
    refill();
}

void CRecipientEditDlg::OnOK()
{
    addresses_ = recipients_.JoinedAddresses();
    names_ = recipients_.JoinedNames();
    displayText_ = recipients_.DisplayText();
    EndDialog(IDOK);
}
