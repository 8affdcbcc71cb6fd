#include "CListCtrlExModel.h"

#include <QBrush>

#include <algorithm>
#include <numeric>

int CListCtrlExModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CListCtrlExModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant CListCtrlExModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !IsCell(index.row(), index.column()))
        return {};
    const Row& row = rows_[index.row()];
    const Cell& cell = row.cells[index.column()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return cell.text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignments_[index.column()] | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        const QColor color = resolvedColors(row, cell).background;
        return color.isValid() ? QVariant(QBrush(color)) : QVariant();
    }
    case Qt::ForegroundRole: {
        const QColor color = resolvedColors(row, cell).foreground;
        return color.isValid() ? QVariant(QBrush(color)) : QVariant();
    }
    default:
        return {};
    }
}

// A cell with a background of its own wins; a cell with only a text colour sits on the list's
// default background (not the row's); otherwise the row's colours, then the defaults.
CListCtrlExModel::Colors CListCtrlExModel::resolvedColors(const Row& row, const Cell& cell) const
{
    if (cell.background.isValid())
        return {cell.background, cell.foreground.isValid() ? cell.foreground : defaultForeground_};
    if (cell.foreground.isValid())
        return {defaultBackground_, cell.foreground};
    return {row.background.isValid() ? row.background : defaultBackground_,
            row.foreground.isValid() ? row.foreground : defaultForeground_};
}

QVariant CListCtrlExModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= titles_.size())
        return {};
    if (role == Qt::DisplayRole)
        return titles_[section];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignments_[section] | Qt::AlignVCenter);
    return {};
}

void CListCtrlExModel::SetDefaultColors(const QColor& background, const QColor& foreground)
{
    defaultBackground_ = background;
    defaultForeground_ = foreground;
}

int CListCtrlExModel::InsertColumn(int column, const QString& title, Qt::Alignment alignment)
{
    column = std::clamp(column, 0, columnCount());
    beginInsertColumns({}, column, column);
    titles_.insert(column, title);
    alignments_.insert(column, alignment);
    for (Row& row : rows_)
        row.cells.insert(column, Cell{});
    endInsertColumns();
    return column;
}

bool CListCtrlExModel::RemoveColumn(int column)
{
    if (column < 0 || column >= columnCount())
        return false;
    beginRemoveColumns({}, column, column);
    titles_.removeAt(column);
    alignments_.removeAt(column);
    for (Row& row : rows_)
        row.cells.removeAt(column);
    endRemoveColumns();
    return true;
}

QString CListCtrlExModel::ColumnTitle(int column) const
{
    return titles_.value(column);
}

int CListCtrlExModel::InsertRow(int row, const QString& text)
{
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    Row entry;
    entry.cells.resize(titles_.size());
    if (!entry.cells.isEmpty())
        entry.cells[0].text = text;
    rows_.insert(row, entry);
    endInsertRows();
    return row;
}

void CListCtrlExModel::AppendRows(const QList<QStringList>& texts, const QList<quint32>& ownerValues)
{
    if (texts.isEmpty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(texts.size()) - 1);
    rows_.reserve(first + texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        Row entry;
        entry.cells.resize(titles_.size());
        const qsizetype cells = std::min(texts[i].size(), entry.cells.size());
        for (qsizetype column = 0; column < cells; ++column)
            entry.cells[column].text = texts[i][column];
        entry.ownerValue = ownerValues.value(i);
        rows_.append(std::move(entry));
    }
    endInsertRows();
}

bool CListCtrlExModel::RemoveRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    beginRemoveRows({}, row, row);
    rows_.removeAt(row);
    endRemoveRows();
    return true;
}

void CListCtrlExModel::RemoveAllRows()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

bool CListCtrlExModel::IsCell(int row, int column) const
{
    return row >= 0 && row < rowCount() && column >= 0 && column < columnCount();
}

bool CListCtrlExModel::SetText(int row, int column, const QString& text)
{
    if (!IsCell(row, column))
        return false;
    rows_[row].cells[column].text = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
    return true;
}

QString CListCtrlExModel::Text(int row, int column) const
{
    return IsCell(row, column) ? rows_[row].cells[column].text : QString();
}

CListCtrlExModel::Row* CListCtrlExModel::RowAt(int row)
{
    return row >= 0 && row < rowCount() ? &rows_[row] : nullptr;
}

const CListCtrlExModel::Row* CListCtrlExModel::RowAt(int row) const
{
    return row >= 0 && row < rowCount() ? &rows_[row] : nullptr;
}

void CListCtrlExModel::SetRowColors(int row, const QColor& background, const QColor& foreground)
{
    if (Row* entry = RowAt(row)) {
        entry->background = background;
        entry->foreground = foreground;
        rowChanged(row);
    }
}

void CListCtrlExModel::SetCellColors(int row, int column, const QColor& background, const QColor& foreground)
{
    if (!IsCell(row, column))
        return;
    Cell& cell = rows_[row].cells[column];
    cell.background = background;
    cell.foreground = foreground;
    rowChanged(row);
}

void CListCtrlExModel::rowChanged(int row)
{
    if (columnCount() > 0)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::BackgroundRole, Qt::ForegroundRole});
}

void CListCtrlExModel::SortRows(const std::function<int(const Row&, const Row&)>& compare)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(rows_[a], rows_[b]) < 0; });
    QList<Row> sorted;
    sorted.reserve(rows_.size());
    QList<int> newPosition(rows_.size());
    for (qsizetype i = 0; i < order.size(); ++i) {
        sorted.append(rows_[order[i]]);
        newPosition[order[i]] = static_cast<int>(i);
    }
    rows_ = std::move(sorted);
    const QModelIndexList persistent = persistentIndexList();
    for (const QModelIndex& old : persistent)
        changePersistentIndex(old, index(newPosition[old.row()], old.column()));
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
