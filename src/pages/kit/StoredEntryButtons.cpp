#include "StoredEntryButtons.h"

#include "CListCtrlEx.h"
#include "ConfirmDeleteDlg.h"
#include "DialogControls.h"
#include "LanguagePack.h"
#include "ListRows.h"
#include "MessageBoxService.h"
#include "RowMoves.h"

#include <QSignalBlocker>

#include <vector>

CListCtrlEx& StoredEntryButtonsBase::List() const
{
    return *dialog_.item<CListCtrlEx>(list_);
}

void StoredEntryButtonsBase::FillQuietly(int count, const std::function<QStringList(int row)>& rowTexts) const
{
    const QSignalBlocker quiet(List());
    FillNumberedRows(List(), count, rowTexts);
}

void StoredEntryButtonsBase::Select(int row) const
{
    SelectListRows(List(), {row});
}

bool StoredEntryButtonsBase::Full(int count) const
{
    if (rules_.limit <= 0 || count < rules_.limit)
        return false;
    ShowMessageBox(FormatLangString(rules_.limitMessage, rules_.limit), MB_OK | MB_ICONWARNING);
    return true;
}

int StoredEntryButtonsBase::RowToModify() const
{
    if (rules_.modifiedRow == ModifiedRow::OnlySelected) {
        const QList<int> rows = List().GetSelectedRows();
        return rows.size() == 1 ? rows.front() : -1;
    }
    const QList<int> rows = RowsToChange(List());
    return rows.isEmpty() ? -1 : rows.front();
}

QList<int> StoredEntryButtonsBase::RowsToDelete() const
{
    const QList<int> rows = RowsToChange(List());
    if (rows.isEmpty() || !rules_.confirmDelete)
        return rows;
    ConfirmDeleteDlg confirm(List().window());
    return confirm.DoModal() == IDYES ? rows : QList<int>{};
}

int StoredEntryButtonsBase::RowAfterRemoval(int countBefore, const QList<int>& rows)
{
    std::vector<char> entries(static_cast<size_t>(std::max(countBefore, 0)));
    return RemoveRows(entries, rows);
}
