#include "ListRows.h"

#include "CListCtrlEx.h"
#include "CPropertyUIDialog.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "MessageBoxService.h"

#include <QItemSelectionModel>

void FillNumberedRows(CListCtrlEx& list, int count, const std::function<QStringList(int row)>& rowTexts)
{
    list.DeleteAllItems();
    for (int row = 0; row < count; ++row) {
        list.InsertItem(row, QString::number(row + 1));
        const QStringList texts = rowTexts(row);
        for (int column = 0; column < texts.size(); ++column)
            list.SetItemText(row, column + 1, texts[column]);
    }
}

void SelectListRows(CListCtrlEx& list, const QList<int>& rows)
{
    list.clearSelection();
    QItemSelectionModel* selection = list.selectionModel();
    for (int row : rows) {
        if (row >= 0 && row < list.GetItemCount())
            selection->select(list.model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    if (!rows.isEmpty() && rows.first() >= 0 && rows.first() < list.GetItemCount())
        selection->setCurrentIndex(list.model()->index(rows.first(), 0), QItemSelectionModel::NoUpdate);
}

QList<int> RowsToChange(const CListCtrlEx& list)
{
    if (list.GetItemCount() == 0) {
        ShowMessageBox(LoadLangString(CPropertyUIDialog::kStringListEmpty), MB_OK);
        return {};
    }
    const QList<int> rows = list.GetSelectedRows();
    if (rows.isEmpty())
        ShowMessageBox(LoadLangString(kStringNoEntrySelected), MB_OK | MB_ICONWARNING);
    return rows;
}
