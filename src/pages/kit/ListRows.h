#pragma once
// Filling a list control: one row per item, column 0 the row number from 1, then the item's texts.

#include <QStringList>

#include <functional>

class CListCtrlEx;

// Refills the list with count rows; rowTexts(i) gives the texts of row i after its number.
void FillNumberedRows(CListCtrlEx& list, int count, const std::function<QStringList(int row)>& rowTexts);
// Selects the rows (and makes the first current); others are deselected.
void SelectListRows(CListCtrlEx& list, const QList<int>& rows);
// The selected rows (ascending) of a list whose entries are about to be modified or deleted;
// none, after its box, when the list is empty (614) or no row is selected (613).
QList<int> RowsToChange(const CListCtrlEx& list);
