#include "CVirtualListModel.h"

#include "CListCtrlExModel.h"

#include <QBrush>

#include <algorithm>
#include <numeric>

int CVirtualListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CVirtualListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !columns_ ? 0 : columns_->columnCount();
}

bool CVirtualListModel::IsCell(int row, int column) const
{
    return row >= 0 && row < rowCount() && column >= 0 && column < columnCount();
}

QVariant CVirtualListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !IsCell(index.row(), index.column()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return Text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return columns_->headerData(index.column(), Qt::Horizontal, Qt::TextAlignmentRole);
    case Qt::BackgroundRole:
        return defaultBackground_.isValid() ? QVariant(QBrush(defaultBackground_)) : QVariant();
    case Qt::ForegroundRole:
        return defaultForeground_.isValid() ? QVariant(QBrush(defaultForeground_)) : QVariant();
    default:
        return {};
    }
}

QVariant CVirtualListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return columns_ ? columns_->headerData(section, orientation, role) : QVariant();
}

void CVirtualListModel::UseColumnsOf(const CListCtrlExModel& columns)
{
    beginResetModel();
    if (columns_)
        disconnect(columns_, nullptr, this, nullptr);
    columns_ = &columns;
    connect(&columns, &QAbstractItemModel::columnsAboutToBeInserted, this,
            [this](const QModelIndex&, int first, int last) { beginInsertColumns({}, first, last); });
    connect(&columns, &QAbstractItemModel::columnsInserted, this, [this] { endInsertColumns(); });
    connect(&columns, &QAbstractItemModel::columnsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { beginRemoveColumns({}, first, last); });
    connect(&columns, &QAbstractItemModel::columnsRemoved, this, [this] { endRemoveColumns(); });
    connect(&columns, &QAbstractItemModel::headerDataChanged, this, &QAbstractItemModel::headerDataChanged);
    endResetModel();
}

void CVirtualListModel::SetDefaultColors(const QColor& background, const QColor& foreground)
{
    defaultBackground_ = background;
    defaultForeground_ = foreground;
}

void CVirtualListModel::AppendRows(const std::vector<quint32>& keys)
{
    if (keys.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(keys.size()) - 1);
    rows_.reserve(rows_.size() + keys.size());
    int number = first;
    for (quint32 key : keys)
        rows_.push_back({key, ++number});
    endInsertRows();
}

void CVirtualListModel::RemoveAllRows()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

quint32 CVirtualListModel::Key(int row) const
{
    return row >= 0 && row < rowCount() ? rows_[static_cast<size_t>(row)].key : 0;
}

int CVirtualListModel::RowOfKey(quint32 key) const
{
    const auto found = std::find_if(rows_.begin(), rows_.end(), [key](const Row& row) { return row.key == key; });
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

QString CVirtualListModel::Text(int row, int column) const
{
    if (!IsCell(row, column))
        return {};
    const Row& entry = rows_[static_cast<size_t>(row)];
    return column == numberColumn_ ? QString::number(entry.number) : CellText(entry.key, column);
}

void CVirtualListModel::Renumber()
{
    int number = 0;
    for (Row& row : rows_)
        row.number = ++number;
    if (numberColumn_ >= 0 && IsCell(0, numberColumn_))
        emit dataChanged(index(0, numberColumn_), index(rowCount() - 1, numberColumn_), {Qt::DisplayRole});
}

void CVirtualListModel::RowChanged(int row)
{
    if (IsCell(row, 0))
        emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole});
}

void CVirtualListModel::SortRows(int column, const std::function<int(const QString&, const QString&)>& compare)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<QString> texts;
    texts.reserve(rows_.size());
    for (int row = 0; row < rowCount(); ++row)
        texts.push_back(Text(row, column));
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return compare(texts[static_cast<size_t>(a)], texts[static_cast<size_t>(b)]) < 0;
    });
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> newPosition(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(rows_[static_cast<size_t>(order[i])]);
        newPosition[static_cast<size_t>(order[i])] = static_cast<int>(i);
    }
    rows_ = std::move(sorted);
    const QModelIndexList persistent = persistentIndexList();
    for (const QModelIndex& old : persistent)
        changePersistentIndex(old, index(newPosition[static_cast<size_t>(old.row())], old.column()));
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
