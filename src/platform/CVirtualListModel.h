#pragma once
// The table behind a CListCtrlEx whose rows are not stored as texts: a row is a key into its
// owner's data and a row number, and a cell's text is made when the view asks for it, so a list
// of many thousand rows fills without formatting or allocating its cells. The columns (titles,
// alignments) stay in the list's own table; the owner gives the texts (CellText).

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <functional>
#include <vector>

class CListCtrlExModel;

class CVirtualListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The table whose columns this one shows; its column changes are passed on to the view.
    void UseColumnsOf(const CListCtrlExModel& columns);
    void SetDefaultColors(const QColor& background, const QColor& foreground);
    // The column that shows the row number kept with each row; -1: none.
    void SetNumberColumn(int column) { numberColumn_ = column; }

    // Appends one row per key, numbered on after the rows present.
    void AppendRows(const std::vector<quint32>& keys);
    void RemoveAllRows();
    // The key of the row; 0 for a row out of range.
    quint32 Key(int row) const;
    // The row of the first row with the key; -1 when none.
    int RowOfKey(quint32 key) const;
    QString Text(int row, int column) const;
    // Numbers the rows 1..N in their present order.
    void Renumber();
    // The owner's data of the row changed: the view asks again.
    void RowChanged(int row);
    // Stable sort of the rows by the texts of the column; compare answers <0, 0, >0. Selections
    // and other persistent indexes follow their rows.
    void SortRows(int column, const std::function<int(const QString&, const QString&)>& compare);

protected:
    // The text of a cell other than the number column.
    virtual QString CellText(quint32 key, int column) const = 0;

private:
    struct Row {
        quint32 key = 0;
        int number = 0;
    };

    bool IsCell(int row, int column) const;

    const CListCtrlExModel* columns_ = nullptr;
    std::vector<Row> rows_;
    int numberColumn_ = -1;
    QColor defaultBackground_;
    QColor defaultForeground_;
};
