#include "ListColumns.h"

#include "CListCtrlEx.h"
#include "LanguagePack.h"

#include <algorithm>

void InsertNumberedColumns(CListCtrlEx& list, const QStringList& titles)
{
    list.setShowGrid(true);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    const int others = std::max<int>(1, static_cast<int>(titles.size()) - 1);
    const int width = std::max(0, list.viewport()->width() - kNumberColumnWidth) / others;
    for (int column = 0; column < titles.size(); ++column)
        list.InsertColumn(column, titles[column], column == 0 ? kNumberColumnWidth : width);
}

void InsertNumberedColumns(CListCtrlEx& list, std::span<const unsigned> titleStringIds)
{
    QStringList titles;
    for (unsigned id : titleStringIds)
        titles << LoadLangString(id);
    InsertNumberedColumns(list, titles);
}
