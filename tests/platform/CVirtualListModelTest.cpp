// A list whose rows are keys into its owner's data: texts made only for the cells shown, the
// list's columns and widths kept, sorting and selection as with stored rows, the row numbers.
#include "CListCtrlEx.h"
#include "CVirtualListModel.h"

#include <QApplication>
#include <QHeaderView>
#include <gtest/gtest.h>

#include <numeric>

namespace {

// Column 0 the number, column 1 "name<key>", column 2 the key's last digit.
class KeyRows : public CVirtualListModel {
public:
    using CVirtualListModel::CVirtualListModel;
    mutable int made = 0;

protected:
    QString CellText(quint32 key, int column) const override
    {
        ++made;
        return column == 1 ? QStringLiteral("name%1").arg(key) : QString::number(key % 10);
    }
};

class VirtualListTest : public testing::Test {
protected:
    void SetUp() override
    {
        list.InsertColumn(0, QStringLiteral("No."), 40);
        list.InsertColumn(1, QStringLiteral("Name"), 120);
        rows.SetNumberColumn(0);
        list.SetVirtualRows(&rows);
        list.InsertColumn(2, QStringLiteral("Digit"), 70);
        for (int column : {1, 2})
            list.SetColumnSortType(column, CListCtrlEx::kSortToggle, kCompareText); // first click ascending
    }
    QStringList column(int c) const
    {
        QStringList texts;
        for (int row = 0; row < list.GetItemCount(); ++row)
            texts << list.model()->data(list.model()->index(row, c)).toString();
        return texts;
    }

    CListCtrlEx list;
    KeyRows rows;
};

TEST_F(VirtualListTest, ShowsTheOwnersTextsNumberedInTheListsColumns)
{
    rows.AppendRows({7, 3});
    rows.AppendRows({12});
    EXPECT_EQ(list.model(), &rows);
    EXPECT_EQ(list.GetColumnCount(), 3);
    EXPECT_EQ(list.model()->headerData(2, Qt::Horizontal).toString(), "Digit");
    EXPECT_EQ(list.GetColumnWidth(1), 120); // kept across the change of table
    EXPECT_EQ(list.GetColumnWidth(2), 70);
    EXPECT_EQ(column(0), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(column(1), (QStringList{"name7", "name3", "name12"}));
    EXPECT_EQ(list.GetItemText(2, 2), "2");
    EXPECT_EQ(list.GetItemData(1), 3u);
    EXPECT_FALSE(list.SetItemText(0, 1, QStringLiteral("stored"))); // texts are the owner's
    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(VirtualListTest, HeaderClicksSortKeysWithTheirNumbersAndSelectionUntilRenumbered)
{
    rows.AppendRows({21, 5, 13, 5});
    list.SelectRow(2); // key 13
    emit list.horizontalHeader()->sectionClicked(2); // by last digit, stable
    EXPECT_EQ(column(1), (QStringList{"name21", "name13", "name5", "name5"}));
    EXPECT_EQ(column(0), (QStringList{"1", "3", "2", "4"}));
    EXPECT_EQ(list.GetSelectedRows(), QList<int>{1});
    emit list.horizontalHeader()->sectionClicked(2);
    EXPECT_EQ(column(1), (QStringList{"name5", "name5", "name13", "name21"}));
    EXPECT_EQ(list.GetItemData(list.GetFirstSelectedRow()), 13u);
    rows.Renumber();
    EXPECT_EQ(column(0), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(rows.RowOfKey(13), 2);
    EXPECT_EQ(rows.RowOfKey(99), -1);
}

TEST_F(VirtualListTest, ALongListMakesTextsOnlyForTheCellsItPaints)
{
    std::vector<quint32> keys(10000);
    std::iota(keys.begin(), keys.end(), 0u);
    rows.AppendRows(keys);
    list.resize(300, 200);
    list.show();
    QApplication::processEvents();
    EXPECT_GT(rows.made, 0);
    EXPECT_LT(rows.made, 1000) << "texts were made for rows that are not shown";
}

} // namespace
