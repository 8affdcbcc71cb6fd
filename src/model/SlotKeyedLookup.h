#pragma once
// Finding the record of a slot in a per-slot record list: the first record whose slot key (its
// SlotIndex) equals the slot.

#include <algorithm>
#include <vector>

template <typename Record>
Record* FindRecordBySlot(std::vector<Record>& records, int slot)
{
    const auto found =
        std::find_if(records.begin(), records.end(), [slot](const Record& record) { return record.SlotIndex == slot; });
    return found == records.end() ? nullptr : &*found;
}

template <typename Record>
const Record* FindRecordBySlot(const std::vector<Record>& records, int slot)
{
    return FindRecordBySlot(const_cast<std::vector<Record>&>(records), slot);
}

// Copies the slot's record into out: 1; 0 and out untouched when the slot has none.
template <typename Record>
int CopyRecordBySlot(const std::vector<Record>& records, int slot, Record& out)
{
    const Record* record = FindRecordBySlot(records, slot);
    if (!record)
        return 0;
    out = *record;
    return 1;
}

// The entry at a position that a caller or a file gives; nullptr when it is past the list.
template <typename Entry>
Entry* EntryAt(std::vector<Entry>& entries, int index)
{
    return index >= 0 && static_cast<size_t>(index) < entries.size() ? &entries[static_cast<size_t>(index)] : nullptr;
}

template <typename Entry>
const Entry* EntryAt(const std::vector<Entry>& entries, int index)
{
    return EntryAt(const_cast<std::vector<Entry>&>(entries), index);
}
