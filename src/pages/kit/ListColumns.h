#pragma once
// The columns of a list page: column 0 the row number, 40 pixels wide; the others share the rest
// of the list's width equally. Also sets grid lines and full-row selection.

#include <QStringList>

#include <span>

class CListCtrlEx;

inline constexpr int kNumberColumnWidth = 40;

void InsertNumberedColumns(CListCtrlEx& list, const QStringList& titles);
// Titles from the language pack's strings.
void InsertNumberedColumns(CListCtrlEx& list, std::span<const unsigned> titleStringIds);

// Columns of fixed widths, titles from the language pack's strings; a shorter width list repeats
// its last width (one width for the number column and one for the others: {40, 110}).
void InsertColumns(CListCtrlEx& list, std::span<const unsigned> titleStringIds, std::span<const int> widths);

// The one "Tag Name" column of a tab's list of picked tags, as wide as the list; rows can be
// selected together for removal.
void InsertTagNameColumn(CListCtrlEx& list);
