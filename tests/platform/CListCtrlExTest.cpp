#include "CListCtrlEx.h"

#include "UiDriving.h"

#include <QHeaderView>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

QStringList column(const CListCtrlEx& list, int c)
{
    QStringList texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.append(list.GetItemText(row, c));
    return texts;
}

void fill(CListCtrlEx& list, const QStringList& texts)
{
    list.DeleteAllItems();
    for (const QString& text : texts)
        list.InsertItem(list.GetItemCount(), text);
}

TEST(ListCompareTest, EachKindComparesAsItsColumnNeeds)
{
    const struct {
        int kind;
        const char* first;
        const char* second;
        int expected; // sign
    } cases[] = {
        {kCompareNone, "b", "a", 0},
        {kCompareInteger, "10", "9", 1},
        {kCompareInteger, "", "0", 0},       // empty reads as 0
        {kCompareInteger, "12abc", "12", 0}, // leading digits only
        {kCompareInteger, "-3", "2", -1},
        {kCompareInteger, "2147483648", "-2147483648", 1}, // no overflow of a difference
        {kCompareReal, "1.5", "1.25", 1},
        {kCompareReal, "", "0.0", 0},
        {kCompareText, "10", "9", -1},
        {kCompareText, "a", "B", 1}, // case-sensitive: 'B' < 'a'
        {42, "a", "B", 1},           // unknown kinds compare as text
        {kCompareTextNoCase, "a", "B", -1},
        {kCompareTextNoCase, "abc", "ABC", 0},
        {kCompareMixed, "10", "9", 1},      // plain integers as numbers
        {kCompareMixed, "007", "7", -1},    // "007" is not its printed 7: text
        {kCompareMixed, "AI10", "AI9", -1}, // text
        {kCompareMixed, "0", "5", -1},      // 0 is not a non-zero integer: text
        {kCompareMixedNoCase, "b10", "B9", -1},
        {kCompareMixedNoCase, "100", "20", 1},
        {kCompareDateTime, "2024-3-5 14:02:09", "2024-03-05 9:00:00", 1},
        {kCompareDateTime, "2024/01/31", "2024-1-31", 0},
        {kCompareDateTime, "", "2024-1-1", -1}, // no date sorts first
        {kCompareDateTime, "", "nonsense", 0},
        {kCompareDateTime, "08:00:00", "17:30:00", -1},
    };
    for (const auto& c : cases) {
        const int result = CompareListTexts(c.kind, QString::fromUtf8(c.first), QString::fromUtf8(c.second));
        const int sign = (result > 0) - (result < 0);
        EXPECT_EQ(sign, c.expected) << "kind " << c.kind << ": " << c.first << " vs " << c.second;
    }
}

class CListCtrlExTest : public testing::Test {
protected:
    void SetUp() override
    {
        list.InsertColumn(0, QStringLiteral("Name"), 80);
        list.InsertColumn(1, QStringLiteral("Value"), 60);
        list.InsertColumn(2, QStringLiteral("When"), 60);
        const QStringList names{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")};
        const QStringList values{QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("-1")};
        const QStringList dates{QStringLiteral("2024-1-2"), QStringLiteral("2023-12-31"), QStringLiteral("2024-1-1")};
        for (int i = 0; i < 3; ++i) {
            list.InsertItem(i, names[i]);
            list.SetItemText(i, 1, values[i]);
            list.SetItemText(i, 2, dates[i]);
            list.SetItemData(i, static_cast<quint32>(100 + i));
        }
    }
    CListCtrlEx list;
};

TEST_F(CListCtrlExTest, SortsAscendingDescendingAndToggling)
{
    ASSERT_TRUE(list.SetColumnSortType(1, CListCtrlEx::kSortAscending, kCompareInteger));
    ASSERT_TRUE(list.SortByColumn(1, true)); // a fixed direction ignores the toggle
    EXPECT_EQ(column(list, 1), (QStringList{"-1", "9", "10"}));
    ASSERT_TRUE(list.SortByColumn(1, true));
    EXPECT_EQ(column(list, 1), (QStringList{"-1", "9", "10"}));
    // The owner value travels with its row.
    EXPECT_EQ(list.GetItemData(0), 102u);

    ASSERT_TRUE(list.SetColumnSortType(2, CListCtrlEx::kSortDescending, kCompareDateTime));
    ASSERT_TRUE(list.SortByColumn(2, false));
    EXPECT_EQ(column(list, 2), (QStringList{"2024-1-2", "2024-1-1", "2023-12-31"}));
    EXPECT_EQ(list.GetSortColumn(), 2);
    EXPECT_EQ(list.horizontalHeader()->sortIndicatorSection(), 2);
    EXPECT_EQ(list.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);

    ASSERT_TRUE(list.SetColumnSortType(0, CListCtrlEx::kSortToggle, kCompareText));
    ASSERT_TRUE(list.SortByColumn(0, true)); // first click: ascending
    EXPECT_EQ(column(list, 0), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(list.horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    ASSERT_TRUE(list.SortByColumn(0, true)); // second: descending
    EXPECT_EQ(column(list, 0), (QStringList{"c", "b", "a"}));
    ASSERT_TRUE(list.SortByColumn(0, false)); // re-sort without turning round
    EXPECT_EQ(column(list, 0), (QStringList{"c", "b", "a"}));
}

TEST_F(CListCtrlExTest, HeaderClicksSortAndAColumnWithoutFlagsStaysAsItIs)
{
    list.show();
    list.SetColumnSortType(1, CListCtrlEx::kSortToggle, kCompareInteger);
    EXPECT_FALSE(list.SetColumnSortType(0, 0, kCompareText));
    emit list.horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(column(list, 1), (QStringList{"-1", "9", "10"}));

    emit list.horizontalHeader()->sectionClicked(0);
    EXPECT_FALSE(list.SortByColumn(0, true));
    EXPECT_EQ(column(list, 1), (QStringList{"-1", "9", "10"}));
    EXPECT_EQ(list.GetSortColumn(), 1);
    EXPECT_EQ(list.horizontalHeader()->sortIndicatorSection(), 1); // the arrow stays where it was
    EXPECT_FALSE(list.SortByColumn(7, true));
}

TEST_F(CListCtrlExTest, SelectionFollowsItsRowWhenSorted)
{
    list.SelectRow(1); // "a"
    list.SetColumnSortType(0, CListCtrlEx::kSortAscending, kCompareText);
    list.SortByColumn(0, false);
    EXPECT_EQ(list.GetSelectedRows(), QList<int>{0});
    EXPECT_EQ(list.GetItemText(list.GetFirstSelectedRow(), 0), QStringLiteral("a"));
}

TEST_F(CListCtrlExTest, CellColoursWinOverRowColoursAsDrawn)
{
    const QColor base = list.palette().color(QPalette::Base);
    const QColor text = list.palette().color(QPalette::Text);
    list.SetItemColor(0, Qt::yellow, Qt::blue);
    list.SetCellColor(0, 1, Qt::red, QColor());   // own background, default text
    list.SetCellColor(0, 2, QColor(), Qt::green); // own text on the list's default background
    list.SetCellColor(5, 0, Qt::red, Qt::red);    // out of range: ignored
    const auto colours = [&](int row, int c) {
        const QModelIndex index = list.model()->index(row, c);
        return std::pair{index.data(Qt::BackgroundRole).value<QBrush>().color(),
                         index.data(Qt::ForegroundRole).value<QBrush>().color()};
    };
    EXPECT_EQ(colours(0, 0), (std::pair{QColor(Qt::yellow), QColor(Qt::blue)}));
    EXPECT_EQ(colours(0, 1), (std::pair{QColor(Qt::red), text}));
    EXPECT_EQ(colours(0, 2), (std::pair{base, QColor(Qt::green)}));
    EXPECT_EQ(colours(1, 0), (std::pair{base, text}));
}

TEST_F(CListCtrlExTest, ColumnMenuHidesAndShowsColumnsKeepingTheirWidth)
{
    EXPECT_EQ(list.CreateColumnMenu(&list), nullptr); // off until the owner turns it on
    list.SetColumnMenuEnabled(true);
    list.SetColumnHideable(0, false);
    std::unique_ptr<QMenu> menu(list.CreateColumnMenu(&list));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Value"));
    EXPECT_TRUE(menu->actions()[0]->isChecked());

    menu->actions()[0]->trigger(); // hide "Value"
    EXPECT_FALSE(list.IsColumnShown(1));
    EXPECT_FALSE(list.SetColumnWidth(1, 200)); // a hidden column takes no width
    list.AutoSizeColumn(-1, true);

    std::unique_ptr<QMenu> again(list.CreateColumnMenu(&list));
    EXPECT_FALSE(again->actions()[0]->isChecked());
    again->actions()[0]->trigger(); // show it again
    EXPECT_TRUE(list.IsColumnShown(1));
    EXPECT_EQ(list.GetColumnWidth(1), 60);
}

TEST_F(CListCtrlExTest, OnlyCtrlWithTheKeypadPlusFitsTheColumns)
{
    list.show();
    list.SetItemText(0, 0, QStringLiteral("a rather long name that needs a wider column"));
    UiDriving::KeyClick(&list, Qt::Key_Plus, Qt::ControlModifier, QStringLiteral("+"));
    EXPECT_EQ(list.GetColumnWidth(0), 80);
    UiDriving::KeyClick(&list, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, QStringLiteral("+"));
    EXPECT_GT(list.GetColumnWidth(0), 150);
}

TEST_F(CListCtrlExTest, DividerDoubleClickFitsTheContentsNotTheHeader)
{
    list.show();
    list.InsertColumn(3, QStringLiteral("A very long header title for a short column"), 40);
    list.SetItemText(0, 3, QStringLiteral("x"));
    emit list.horizontalHeader()->sectionHandleDoubleClicked(3);
    EXPECT_LT(list.GetColumnWidth(3), list.horizontalHeader()->sectionSizeHint(3));
    list.AutoSizeColumn(3, true);
    EXPECT_EQ(list.GetColumnWidth(3), list.horizontalHeader()->sectionSizeHint(3));
}

TEST_F(CListCtrlExTest, ColumnsAndRowsCanBeRemoved)
{
    list.SetColumnSortType(2, CListCtrlEx::kSortAscending, kCompareDateTime);
    list.SortByColumn(2, false);
    EXPECT_TRUE(list.DeleteColumn(0));
    EXPECT_EQ(list.GetSortColumn(), 1); // follows its column
    EXPECT_EQ(list.GetColumnTitle(0), QStringLiteral("Value"));
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_FALSE(list.DeleteItem(5));
    EXPECT_EQ(list.GetItemData(5), 0u);
    EXPECT_TRUE(list.DeleteAllColumns());
    EXPECT_EQ(list.GetColumnCount(), 0);
    fill(list, {});
    EXPECT_EQ(list.GetItemCount(), 0);
}

} // namespace

// A report list shows one line of text per row, also after its font changes.
TEST_F(CListCtrlExTest, RowsAreOneLineOfTextHigh)
{
    constexpr int kMostPadding = 6;
    EXPECT_GE(list.rowHeight(0), list.fontMetrics().height());
    EXPECT_LE(list.rowHeight(0), list.fontMetrics().height() + kMostPadding);
    QFont larger = list.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    list.setFont(larger);
    list.InsertItem(list.GetItemCount(), QStringLiteral("d"));
    const int last = list.GetItemCount() - 1;
    EXPECT_GE(list.rowHeight(last), list.fontMetrics().height());
    EXPECT_LE(list.rowHeight(last), list.fontMetrics().height() + kMostPadding);
}
