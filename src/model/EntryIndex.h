#pragma once
// The number a new entry of a list service takes: one past the last entry's, 0 for the first.
// Numbers are not reused except after the last entries were deleted. A number read from a file
// may already be the largest there is; then no further number exists.

#include <QtGlobal>

#include <limits>

inline constexpr qint32 kLastEntryIndex = std::numeric_limits<qint32>::max();

// False when the last number is the largest: the list takes no further entry.
inline bool HasEntryIndexAfter(qint32 last)
{
    return last < kLastEntryIndex;
}

// One past last, and last itself when nothing lies past it.
inline int EntryIndexAfter(qint32 last)
{
    return HasEntryIndexAfter(last) ? last + 1 : last;
}

template <typename Entries>
int NextEntryIndex(const Entries& entries)
{
    return entries.empty() ? 0 : EntryIndexAfter(static_cast<qint32>(entries.back().Index));
}
