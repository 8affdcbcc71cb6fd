#pragma once
// The table behind CListCtrlEx: cell texts, an owner value per row, and row and cell colours
// resolved the way the list shows them.

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QString>

#include <functional>

class CListCtrlExModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // An invalid colour is "not set".
    struct Cell {
        QString text;
        QColor background;
        QColor foreground;
    };
    struct Row {
        QList<Cell> cells; // one per column
        QColor background;
        QColor foreground;
        quint32 ownerValue = 0;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetDefaultColors(const QColor& background, const QColor& foreground);

    int InsertColumn(int column, const QString& title, Qt::Alignment alignment);
    bool RemoveColumn(int column);
    QString ColumnTitle(int column) const;

    // Inserts a row whose column 0 holds the text; the index is clamped to 0..rowCount.
    int InsertRow(int row, const QString& text);
    bool RemoveRow(int row);
    // Appends the rows in one step (long lists fill without a notification per row); each row's
    // texts fill its cells from column 0, the rest stay empty.
    void AppendRows(const QList<QStringList>& texts, const QList<quint32>& ownerValues);
    void RemoveAllRows();

    bool IsCell(int row, int column) const;
    bool SetText(int row, int column, const QString& text);
    QString Text(int row, int column) const;
    Row* RowAt(int row);
    const Row* RowAt(int row) const;
    void SetRowColors(int row, const QColor& background, const QColor& foreground);
    void SetCellColors(int row, int column, const QColor& background, const QColor& foreground);

    // Stable sort of the rows; compare answers <0, 0, >0. Selections and other persistent indexes
    // follow their rows.
    void SortRows(const std::function<int(const Row&, const Row&)>& compare);

private:
    struct Colors {
        QColor background;
        QColor foreground;
    };
    Colors resolvedColors(const Row& row, const Cell& cell) const;
    void rowChanged(int row);

    QList<Row> rows_;
    QStringList titles_;
    QList<Qt::Alignment> alignments_;
    QColor defaultBackground_;
    QColor defaultForeground_;
};
