#pragma once
// Removing and moving the selected rows of a list held as a vector (std::vector or QVector), as
// the tag lists of the service pages do. Rows are positions in the vector; the results say what
// to select after.

#include <QList>

#include <algorithm>
#include <vector>

// Removes the rows (any order, out-of-range ones ignored) from the lowest up, each position
// corrected by the rows already removed. The row to select after: the last removal's position,
// or the last row when that is past the end; -1 when nothing is left.
template <class Items>
int RemoveRows(Items& items, QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    int removed = 0;
    int lastPosition = -1;
    for (int row : rows) {
        const int position = row - removed;
        if (row < 0 || position >= static_cast<int>(items.size()))
            continue;
        items.erase(items.begin() + position);
        lastPosition = position;
        ++removed;
    }
    if (items.empty())
        return -1;
    return std::clamp(lastPosition, 0, static_cast<int>(items.size()) - 1);
}

// Moves each selected row one place up (step -1) or down (step +1); a selected row at the end it
// moves to, or behind another selected row that cannot move, stays. The rows' new positions.
template <class Items>
QList<int> MoveRows(Items& items, QList<int> rows, int step)
{
    std::sort(rows.begin(), rows.end());
    if (step > 0)
        std::reverse(rows.begin(), rows.end());
    const int count = static_cast<int>(items.size());
    QList<int> moved;
    int blocked = step < 0 ? -1 : count; // the nearest place no row can move into
    for (int row : rows) {
        if (row < 0 || row >= count)
            continue;
        const int target = row + step;
        if (target == blocked || target < 0 || target >= count) {
            blocked = row;
            moved << row;
            continue;
        }
        std::swap(items[row], items[target]);
        moved << target;
    }
    std::sort(moved.begin(), moved.end());
    return moved;
}

template <class Items>
QList<int> MoveRowsUp(Items& items, const QList<int>& rows)
{
    return MoveRows(items, rows, -1);
}

template <class Items>
QList<int> MoveRowsDown(Items& items, const QList<int>& rows)
{
    return MoveRows(items, rows, +1);
}
