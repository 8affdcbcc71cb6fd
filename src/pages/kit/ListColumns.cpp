#include "ListColumns.h"

#include "CListCtrlEx.h"
#include "LanguagePack.h"

#include <QHeaderView>

#include <algorithm>

void InsertNumberedColumns(CListCtrlEx& list, const QStringList& titles)
{
    list.setShowGrid(true);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    const int others = std::max<int>(1, static_cast<int>(titles.size()) - 1);
    const int width = std::max(0, list.viewport()->width() - kNumberColumnWidth) / others;
    for (int column = 0; column < titles.size(); ++column)
        list.InsertColumn(column, titles[column], column == 0 ? kNumberColumnWidth : width);
    // The list gets its width only once the page is laid out: the other columns share it then.
    for (int column = 1; column < titles.size(); ++column)
        list.horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
}

void InsertTagNameColumn(CListCtrlEx& list)
{
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.InsertColumn(0, QStringLiteral("Tag Name"), list.viewport()->width());
    list.horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
}

void InsertNumberedColumns(CListCtrlEx& list, std::span<const unsigned> titleStringIds)
{
    QStringList titles;
    for (unsigned id : titleStringIds)
        titles << LoadLangString(id);
    InsertNumberedColumns(list, titles);
}

void InsertColumns(CListCtrlEx& list, std::span<const unsigned> titleStringIds, std::span<const int> widths)
{
    for (size_t column = 0; column < titleStringIds.size(); ++column) {
        const int width = widths.empty() ? 0 : widths[std::min(column, widths.size() - 1)];
        list.InsertColumn(static_cast<int>(column), LoadLangString(titleStringIds[column]), width);
    }
}
