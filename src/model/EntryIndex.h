#pragma once
// The number a new entry of a list service takes: one past the last entry's, 0 for the first.
// Numbers are not reused except after the last entries were deleted.

template <typename Entries>
int NextEntryIndex(const Entries& entries)
{
    return entries.empty() ? 0 : static_cast<int>(entries.back().Index) + 1;
}
