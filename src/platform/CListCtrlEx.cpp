#include "CListCtrlEx.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

CListCtrlEx::CListCtrlEx(QWidget* parent) : QTableView(parent), model_(this)
{
    model_.SetDefaultColors(palette().color(QPalette::Base), palette().color(QPalette::Text));
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setShowGrid(true);
    setSortingEnabled(false);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    fitRowHeightToFont();
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setSortIndicatorShown(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        SortByColumn(column, true);
        showSortArrow(); // the header moved its arrow on the click; put back ours
    });
    // A divider double click fits the contents only, not the header text.
    disconnect(header, &QHeaderView::sectionHandleDoubleClicked, this, nullptr);
    connect(header, &QHeaderView::sectionHandleDoubleClicked, this,
            [this](int column) { AutoSizeColumn(column, false); });
    connect(header, &QHeaderView::customContextMenuRequested, this, &CListCtrlEx::showHeaderMenu);
}

// A report list's rows are one line of text high; the header's default would double them.
void CListCtrlEx::fitRowHeightToFont()
{
    constexpr int kRowPadding = 4;
    const int height = fontMetrics().height() + kRowPadding;
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
}

void CListCtrlEx::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRowHeightToFont();
}

int CListCtrlEx::InsertColumn(int column, const QString& title, int width, Qt::Alignment alignment)
{
    const int index = model_.InsertColumn(column, title, alignment);
    columns_.insert(index, ColumnInfo{});
    if (sortColumn_ >= index)
        ++sortColumn_;
    horizontalHeader()->resizeSection(index, width);
    return index;
}

bool CListCtrlEx::DeleteColumn(int column)
{
    if (!model_.RemoveColumn(column))
        return false;
    columns_.removeAt(column);
    if (sortColumn_ == column)
        sortColumn_ = -1;
    else if (sortColumn_ > column)
        --sortColumn_;
    showSortArrow();
    return true;
}

bool CListCtrlEx::DeleteAllColumns()
{
    while (DeleteColumn(0)) {}
    return GetColumnCount() == 0;
}

int CListCtrlEx::GetColumnCount() const
{
    return model_.columnCount();
}

QString CListCtrlEx::GetColumnTitle(int column) const
{
    return model_.ColumnTitle(column);
}

bool CListCtrlEx::SetColumnWidth(int column, int width)
{
    if (!isColumn(column) || !IsColumnShown(column))
        return false;
    horizontalHeader()->resizeSection(column, width);
    return true;
}

int CListCtrlEx::GetColumnWidth(int column) const
{
    return isColumn(column) ? horizontalHeader()->sectionSize(column) : 0;
}

int CListCtrlEx::InsertItem(int row, const QString& text)
{
    if (virtualRows_)
        return -1;
    return model_.InsertRow(row, text);
}

bool CListCtrlEx::SetItemText(int row, int column, const QString& text)
{
    if (virtualRows_)
        return false;
    return model_.SetText(row, column, text);
}

QString CListCtrlEx::GetItemText(int row, int column) const
{
    if (virtualRows_)
        return virtualRows_->Text(row, column);
    return model_.Text(row, column);
}

bool CListCtrlEx::DeleteItem(int row)
{
    if (virtualRows_)
        return false;
    return model_.RemoveRow(row);
}

void CListCtrlEx::AppendItems(const QList<QStringList>& texts, const QList<quint32>& itemData)
{
    if (virtualRows_)
        return;
    model_.AppendRows(texts, itemData);
}

void CListCtrlEx::DeleteAllItems()
{
    if (virtualRows_)
        virtualRows_->RemoveAllRows();
    else
        model_.RemoveAllRows();
}

int CListCtrlEx::GetItemCount() const
{
    if (virtualRows_)
        return virtualRows_->rowCount();
    return model_.rowCount();
}

bool CListCtrlEx::SetItemData(int row, quint32 value)
{
    CListCtrlExModel::Row* entry = model_.RowAt(row);
    if (!entry)
        return false;
    entry->ownerValue = value;
    return true;
}

quint32 CListCtrlEx::GetItemData(int row) const
{
    if (virtualRows_)
        return virtualRows_->Key(row);
    const CListCtrlExModel::Row* entry = model_.RowAt(row);
    return entry ? entry->ownerValue : 0;
}

void CListCtrlEx::SetItemColor(int row, const QColor& background, const QColor& text)
{
    model_.SetRowColors(row, background, text);
}

void CListCtrlEx::SetCellColor(int row, int column, const QColor& background, const QColor& text)
{
    model_.SetCellColors(row, column, background, text);
}

bool CListCtrlEx::SetColumnSortType(int column, unsigned flags, int kind)
{
    if (!isColumn(column) || (flags & kSortFlagsMask) == 0)
        return false;
    columns_[column].sortFlags = flags;
    columns_[column].kind = kind;
    return true;
}

bool CListCtrlEx::SortByColumn(int column, bool toggle)
{
    if (!isColumn(column) || (columns_[column].sortFlags & kSortFlagsMask) == 0)
        return false;
    ColumnInfo& info = columns_[column];
    if (info.sortFlags & kSortToggle) {
        if ((info.sortFlags & (kSortAscending | kSortDescending)) == 0)
            info.sortFlags |= kSortDescending;
        if (toggle)
            info.sortFlags ^= kSortAscending | kSortDescending;
    }
    sortColumn_ = column;
    const int direction = (info.sortFlags & kSortAscending) ? 1 : -1;
    const int kind = info.kind;
    if (virtualRows_) {
        virtualRows_->SortRows(column, [direction, kind](const QString& a, const QString& b) {
            return direction * CompareListTexts(kind, a, b);
        });
        showSortArrow();
        return true;
    }
    model_.SortRows([column, direction, kind](const CListCtrlExModel::Row& a, const CListCtrlExModel::Row& b) {
        return direction * CompareListTexts(kind, a.cells.value(column).text, b.cells.value(column).text);
    });
    showSortArrow();
    return true;
}

void CListCtrlEx::showSortArrow()
{
    QHeaderView* header = horizontalHeader();
    if (!isColumn(sortColumn_)) {
        header->setSortIndicatorShown(false);
        return;
    }
    const bool ascending = (columns_[sortColumn_].sortFlags & kSortAscending) != 0;
    header->setSortIndicator(sortColumn_, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    header->setSortIndicatorShown(true);
}

void CListCtrlEx::AutoSizeColumn(int column, bool useHeader)
{
    if (column == -1) {
        for (int c = 0; c < GetColumnCount(); ++c)
            AutoSizeColumn(c, useHeader);
        return;
    }
    if (!isColumn(column) || !IsColumnShown(column))
        return;
    int width = std::max(sizeHintForColumn(column), horizontalHeader()->minimumSectionSize());
    if (useHeader)
        width = std::max(width, horizontalHeader()->sectionSizeHint(column));
    SetColumnWidth(column, width);
}

void CListCtrlEx::SetColumnHideable(int column, bool hideable)
{
    if (isColumn(column))
        columns_[column].hideable = hideable;
}

bool CListCtrlEx::ShowColumn(int column, bool show)
{
    if (!isColumn(column))
        return false;
    horizontalHeader()->setSectionHidden(column, !show);
    return true;
}

bool CListCtrlEx::IsColumnShown(int column) const
{
    return isColumn(column) && !horizontalHeader()->isSectionHidden(column);
}

QMenu* CListCtrlEx::CreateColumnMenu(QWidget* parent)
{
    if (!columnMenuEnabled_)
        return nullptr;
    auto* menu = new QMenu(parent);
    for (int column = 0; column < GetColumnCount(); ++column) {
        if (!columns_[column].hideable)
            continue;
        QAction* action = menu->addAction(GetColumnTitle(column));
        action->setCheckable(true);
        action->setChecked(IsColumnShown(column));
        action->setData(column);
        connect(action, &QAction::triggered, this, [this, column] { ShowColumn(column, !IsColumnShown(column)); });
    }
    return menu;
}

void CListCtrlEx::showHeaderMenu(const QPoint& position)
{
    QMenu* menu = CreateColumnMenu(this);
    if (!menu)
        return;
    menu->exec(horizontalHeader()->mapToGlobal(position));
    delete menu;
}

QList<int> CListCtrlEx::GetSelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CListCtrlEx::GetFirstSelectedRow() const
{
    const QList<int> rows = GetSelectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

void CListCtrlEx::SelectRow(int row)
{
    if (row < 0 || row >= GetItemCount() || GetColumnCount() == 0)
        return;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CListCtrlEx::keyPressEvent(QKeyEvent* event)
{
    // Only the numeric keypad's plus: Ctrl with the main keyboard's plus is left to the view.
    const bool keypadPlus = event->key() == Qt::Key_Plus && (event->modifiers() & Qt::KeypadModifier);
    if (keypadPlus && (event->modifiers() & Qt::ControlModifier)) {
        AutoSizeColumn(-1, false);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void CListCtrlEx::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTableView::selectionChanged(selected, deselected);
    emit itemSelectionChanged();
}

void CListCtrlEx::SetVirtualRows(CVirtualListModel* rows)
{
    if (rows == virtualRows_)
        return;
    // A new model resets the header's sections: keep the widths and the hidden columns.
    QHeaderView* header = horizontalHeader();
    QList<int> widths;
    QList<bool> hidden;
    for (int column = 0; column < GetColumnCount(); ++column) {
        widths.append(header->sectionSize(column));
        hidden.append(header->isSectionHidden(column));
    }
    virtualRows_ = rows;
    if (rows) {
        rows->UseColumnsOf(model_);
        rows->SetDefaultColors(palette().color(QPalette::Base), palette().color(QPalette::Text));
        setModel(rows);
    } else {
        setModel(&model_);
    }
    for (int column = 0; column < widths.size(); ++column) {
        header->resizeSection(column, widths[column]);
        header->setSectionHidden(column, hidden[column]);
    }
    showSortArrow();
}
