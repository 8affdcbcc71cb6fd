#pragma once
// The tag map's filters: all tags, the tags of one slot (of one channel type and channel mode),
// or the tags services use; and the entries its filter combos offer.

#include "TagRecord.h"

#include <QString>
#include <QStringList>

#include <vector>

class CDataCenter;

struct TagMapFilter {
    enum Kind { kAll = 0, kBySlot = 1, kByService = 2 };
    static constexpr int kNone = -1;
    static constexpr int kAllServices = 99;

    int kind = kAll;
    int target = kNone; // slot number or service id
    int type = kNone;   // channel type id; 0 all
    int mode = kNone;   // mode value; 0 all

    // True when the tag passes.
    bool Passes(const TagRecord& tag) const;
    // The positions of the tags that pass, ascending.
    std::vector<size_t> Apply(const std::vector<TagRecord>& tags) const;
};

// The resource types a channel mode lets through (types 1003, 1005, 1006 and 1012; others pass).
bool ModePasses(int channelType, int mode, int resourceType);
// A use by this service (or, for the services the tree draws under another id, by those ids).
bool ServiceUseMatches(const TagRecord& tag, int serviceId);
// The tree node a service's uses hang under: 116 under 131, 118 under 129, 127 under 144.
int ServiceNodeId(int serviceId);

// One entry of a filter combo: its text and item data.
struct FilterEntry {
    QString text;
    int value = 0;
    friend bool operator==(const FilterEntry&, const FilterEntry&) = default;
};

// The power slot of the 4100 series.
inline constexpr int kPowerSlot = 15;

// The slots (the power slot first on the 4100 series), the present services, a slot's
// selectable channel groups, and the modes of a channel type; each list after the "all" entry
// where the combo has one.
std::vector<FilterEntry> SlotEntries(const CDataCenter& model);
std::vector<FilterEntry> ServiceEntries(const CDataCenter& model);
std::vector<FilterEntry> ChannelTypeEntries(const CDataCenter& model, int slot);
std::vector<FilterEntry> ModeEntries(int channelType);
// The mode combo is shown for these channel types.
bool HasModeFilter(int channelType);
// The name of a slot in the combos and the tree: power slot, CPU or "Slot %d".
QString SlotLabel(const CDataCenter& model, int slot);
