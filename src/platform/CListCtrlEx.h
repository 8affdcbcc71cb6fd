#pragma once
// The report list of the pages and dialogs: rows of texts with an owner value each, row and cell
// colours, sorting by a clicked column with a comparison kind per column and an arrow in the
// header, hiding columns from a header menu, and automatic column widths (Ctrl with the keypad's
// plus key, or a double click on a header divider).

#include "CListCtrlExModel.h"
#include "CVirtualListModel.h"
#include "ListCompare.h"

#include <QColor>
#include <QList>
#include <QTableView>

class QMenu;

class CListCtrlEx : public QTableView {
    Q_OBJECT
public:
    // Sort flags of a column.
    static constexpr unsigned kSortAscending = 0x1;
    static constexpr unsigned kSortDescending = 0x2;
    static constexpr unsigned kSortToggle = 0x4; // each click turns the direction round
    static constexpr unsigned kSortFlagsMask = 0x7;

    explicit CListCtrlEx(QWidget* parent = nullptr);

    // Columns. A new column is shown and listed in the header menu; it does not sort.
    int InsertColumn(int column, const QString& title, int width, Qt::Alignment alignment = Qt::AlignLeft);
    bool DeleteColumn(int column);
    bool DeleteAllColumns();
    int GetColumnCount() const;
    QString GetColumnTitle(int column) const;
    // Ignored (false) for a hidden column, which keeps the width it had when it was hidden.
    bool SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;

    // Rows.
    int InsertItem(int row, const QString& text);
    bool SetItemText(int row, int column, const QString& text);
    QString GetItemText(int row, int column) const;
    bool DeleteItem(int row);
    // Appends rows in one step: texts from column 0, and each row's item data (0 when not given).
    void AppendItems(const QList<QStringList>& texts, const QList<quint32>& itemData = {});
    void DeleteAllItems();
    int GetItemCount() const;
    bool SetItemData(int row, quint32 value);
    quint32 GetItemData(int row) const; // 0 for a row out of range

    // Colours; an invalid QColor is "not set". Rows and columns out of range are ignored.
    void SetItemColor(int row, const QColor& background, const QColor& text);
    void SetCellColor(int row, int column, const QColor& background, const QColor& text);

    // Sorting. Flags without any sort bit leave the column unsortable.
    bool SetColumnSortType(int column, unsigned flags, int kind);
    // True when sorted; false for a column out of range or without sort flags.
    bool SortByColumn(int column, bool toggle);
    int GetSortColumn() const { return sortColumn_; }

    // Column widths fitted to the contents (and the header text when useHeader); -1: every column.
    void AutoSizeColumn(int column, bool useHeader);

    // Column hiding.
    void SetColumnHideable(int column, bool hideable);
    void SetColumnMenuEnabled(bool enabled) { columnMenuEnabled_ = enabled; }
    bool ShowColumn(int column, bool show);
    bool IsColumnShown(int column) const;
    // The header menu: one checkable entry per hideable column, checked while shown; choosing
    // one shows or hides it. nullptr when the column menu is off. The caller owns the menu.
    QMenu* CreateColumnMenu(QWidget* parent);

    // Selection.
    QList<int> GetSelectedRows() const;
    int GetFirstSelectedRow() const; // -1 when none
    void SelectRow(int row);

    CListCtrlExModel& listModel() { return model_; }

    // Rows of a virtual table (texts made when shown, item data its keys) in place of stored
    // texts; nullptr: the stored rows again. Columns, widths and hidden columns stay. Row texts,
    // item data and colours are then the virtual table's: the setters here leave them alone.
    void SetVirtualRows(CVirtualListModel* rows);
    CVirtualListModel* VirtualRows() const { return virtualRows_; }

signals:
    void itemSelectionChanged();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    struct ColumnInfo {
        bool hideable = true;
        unsigned sortFlags = 0;
        int kind = kCompareNone;
    };

    bool isColumn(int column) const { return column >= 0 && column < GetColumnCount(); }
    void showSortArrow();
    void fitRowHeightToFont();
    void showHeaderMenu(const QPoint& position);

    CListCtrlExModel model_;
    CVirtualListModel* virtualRows_ = nullptr;
    QList<ColumnInfo> columns_;
    int sortColumn_ = -1;
    bool columnMenuEnabled_ = false;
};
