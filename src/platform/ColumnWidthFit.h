#pragma once
// Keeps a list's column widths in step with the list's real width, on show and on every resize
// (widths computed when a page is built see a list that has no size yet): fixed columns keep
// their pixels, the others share what is left by weight, and the last column stretches to the
// list's edge. A column with both has its pixels plus its share.
//
//   FitColumnsToWidth(*list, {{.pixels = 30}, {.share = 1}, {.share = 1}, {.share = 1}});

#include <vector>

class CListCtrlEx;

struct ColumnWidth {
    int pixels = 0; // fixed pixels, on top of the column's share
    int share = 0;  // a weight of the width the fixed pixels leave
};

// For the list's columns, in order; a second call replaces the widths.
void FitColumnsToWidth(CListCtrlEx& list, std::vector<ColumnWidth> widths);
