#pragma once
// The tag uses of the SNMP-trap alarm entries. A trap entry's use of a tag is the pair
// (143, the entry's position in the service's list): its trigger and status tags and each tag it
// watches carry it. Positions move when an entry before them is deleted, so the pairs move too;
// a tag never carries the same pair twice.

#include "ALARM_SNMP_TRAP_SETTINGS.h"
#include "CDataCenter.h"

#include <vector>

namespace SnmpTrapTagUses {

// The entry at `position` (its number already set) gets its automatic tags (definitions,
// TriggerTag, StatusTag) and every tag of it the use. False, with nothing changed, when a tag
// cannot be made. The model's entry list is not touched.
bool CreateEntryTags(CDataCenter& model, ALARM_SNMP_TRAP_ITEM_SETTINGS& entry, int position,
                     std::vector<CDataCenter::TagChange>& created);

// The entry at `position` now watches `after` instead of `before`.
void ReplaceWatchedTags(CDataCenter& model, int position, const QStringList& before, const QStringList& after);

// Deletes the model's entry at `position`: its uses, its automatic tags, the entry; the uses of
// the entries after it move down one place. The automatic tags removed.
std::vector<CDataCenter::TagChange> DeleteEntry(CDataCenter& model, int position);

} // namespace SnmpTrapTagUses
