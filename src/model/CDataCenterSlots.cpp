// The slot table: one SlotRecord per slot number, the mask of the slots in use and the highest
// slot number of the device model.
#include "CDataCenter.h"

#include "SlotKeyedLookup.h"

namespace {

const QString kNoApid = QStringLiteral("NULL");
constexpr int kMaskBits = 16;
constexpr int kAlwaysLookedUpSlot = 15; // the power slot of the large series

// The mask bit of a slot; negative slots use bit 0, slots past the mask have none.
quint16 slotBit(int slot)
{
    if (slot < 0)
        return 1;
    return slot < kMaskBits ? static_cast<quint16>(1u << slot) : 0;
}

} // namespace

void CDataCenter::SetMaxSlotCount(int count)
{
    MarkModified();
    MaxSlotCount = count;
    const int size = Series4100Flag ? kSeries4100SlotCount : std::max(0, count + 1);
    Slots.resize(static_cast<size_t>(size));
}

int CDataCenter::LastSlotInMask() const
{
    return std::min(MaxSlotCount, kMaskBits - 1);
}

int CDataCenter::IsSlotUsed(int slot) const
{
    return SlotMask & slotBit(slot);
}

void CDataCenter::SetSlotUsed(int slot, int on)
{
    MarkModified();
    if (slot == 0) {
        SlotMask = on ? 1 : 0; // slot 0 starts or ends a project: only the CPU remains
        return;
    }
    if (on)
        SlotMask |= slotBit(slot);
    else
        SlotMask &= static_cast<quint16>(~slotBit(slot));
}

void CDataCenter::SetSlotName(int slot, QString name)
{
    MarkModified();
    if (SlotRecord* record = EntryAt(Slots, slot))
        record->Name = std::move(name);
}

QString CDataCenter::GetSlotName(int slot) const
{
    const SlotRecord* record = EntryAt(Slots, slot);
    return record ? record->Name : QString();
}

void CDataCenter::SetSlotApid(int slot, QString apid)
{
    MarkModified();
    if (SlotRecord* record = EntryAt(Slots, slot))
        record->APID = std::move(apid);
}

QString CDataCenter::GetSlotApid(int slot) const
{
    const SlotRecord* record = EntryAt(Slots, slot);
    return record ? record->APID : kNoApid;
}

void CDataCenter::ClearSlotModuleName(int slot)
{
    if (slot == 0) {
        for (SlotRecord& record : Slots)
            record.Name.clear();
    } else if (SlotRecord* record = EntryAt(Slots, slot)) {
        record->Name.clear();
    }
}

void CDataCenter::ClearSlotModuleText(int slot)
{
    if (slot == 0) {
        for (SlotRecord& record : Slots)
            record.APID.clear();
    } else if (SlotRecord* record = EntryAt(Slots, slot)) {
        record->APID.clear();
    }
}

int CDataCenter::SlotHasModule(int slot) const
{
    const SlotRecord* record = EntryAt(Slots, slot);
    return record && !record->ChannelGroups.empty() ? 1 : 0;
}

QString CDataCenter::GetSlotTagPrefix(int slot, int channelTypeId) const
{
    if (slot > MaxSlotCount && slot != kAlwaysLookedUpSlot)
        return {};
    const SlotRecord* record = EntryAt(Slots, slot);
    if (!record)
        return {};
    for (const ChannelGroupEntry& group : record->ChannelGroups) {
        if (group.ChannelTypeId == channelTypeId)
            return group.Abbreviation;
    }
    return {};
}

void CDataCenter::AppendSlotChannelGroup(int slot, QString abbreviation, int channelTypeId)
{
    if (SlotRecord* record = EntryAt(Slots, slot))
        record->ChannelGroups.push_back({std::move(abbreviation), channelTypeId});
}

int CDataCenter::GetSlotChannelGroups(int slot, std::vector<ChannelGroupEntry>& out) const
{
    const SlotRecord* record = EntryAt(Slots, slot);
    out = record ? record->ChannelGroups : std::vector<ChannelGroupEntry>{};
    return static_cast<int>(out.size());
}

void CDataCenter::ClearAllSlotChannelGroups()
{
    for (SlotRecord& record : Slots)
        record.ChannelGroups.clear();
}
