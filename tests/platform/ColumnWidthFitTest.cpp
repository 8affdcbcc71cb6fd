// Column widths that follow the list's real width: built before the list has a size, then shown
// and resized as a pane does.
#include "ColumnWidthFit.h"

#include "CListCtrlEx.h"

#include <QHeaderView>
#include <gtest/gtest.h>

namespace {

TEST(ColumnWidthFitTest, FixedColumnsKeepTheirWidthAndTheOthersShareTheRestOnShowAndResize)
{
    CListCtrlEx list;
    for (int column = 0; column < 4; ++column)
        list.InsertColumn(column, QStringLiteral("C%1").arg(column), 20);
    // As a page does it: before the list is laid out.
    FitColumnsToWidth(list, {{.pixels = 30}, {.share = 2}, {.share = 1}, {.share = 1}});
    for (int listWidth : {430, 830, 330}) {
        SCOPED_TRACE(listWidth);
        list.resize(listWidth, 200);
        list.show();
        const int width = list.viewport()->width();
        const int rest = width - 30;
        EXPECT_EQ(list.GetColumnWidth(0), 30);
        EXPECT_EQ(list.GetColumnWidth(1), rest / 2);
        EXPECT_EQ(list.GetColumnWidth(2), rest / 4);
        const int total =
            list.GetColumnWidth(0) + list.GetColumnWidth(1) + list.GetColumnWidth(2) + list.GetColumnWidth(3);
        EXPECT_EQ(total, width) << "the last column reaches the edge";
    }
}

TEST(ColumnWidthFitTest, AColumnWithPixelsAndAShareGetsBoth)
{
    CListCtrlEx list;
    for (int column = 0; column < 3; ++column)
        list.InsertColumn(column, QStringLiteral("C%1").arg(column), 20);
    FitColumnsToWidth(list, {{.pixels = 30}, {.pixels = 4, .share = 1}, {.share = 1}});
    list.resize(500, 200);
    list.show();
    const int rest = list.viewport()->width() - 34;
    EXPECT_EQ(list.GetColumnWidth(1), 4 + rest / 2);
    EXPECT_EQ(list.GetColumnWidth(0) + list.GetColumnWidth(1) + list.GetColumnWidth(2), list.viewport()->width());
}

TEST(ColumnWidthFitTest, ASecondCallReplacesTheWidths)
{
    CListCtrlEx list;
    list.InsertColumn(0, QStringLiteral("Name"), 10);
    list.InsertColumn(1, QStringLiteral("Tag"), 10);
    list.resize(400, 200);
    list.show();
    FitColumnsToWidth(list, {{.share = 1}, {.share = 1}});
    EXPECT_EQ(list.GetColumnWidth(0), list.viewport()->width() / 2);
    FitColumnsToWidth(list, {{.pixels = 100}, {.share = 1}});
    EXPECT_EQ(list.GetColumnWidth(0), 100);
    list.resize(500, 200);
    EXPECT_EQ(list.GetColumnWidth(0), 100);
}

} // namespace
