#include "ModulePlacement.h"

#include "CDataCenter.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "SlotRecord.h"

namespace {

constexpr int kMaskBits = 16;
constexpr int kFirstIOSlot = 1;
constexpr QStringView kLimitEndings[] = {u"-CT", u"-T"};

QList<int> switchSlots(const SlotLayout& layout)
{
    const int last = layout.slotCount;
    if (layout.IsUsed(last) || layout.IsUsed(last - 1))
        return {};
    return {last - 1};
}

QList<int> portTrunkSlots(const SlotLayout& layout)
{
    const int first = layout.PortTrunkSlot();
    if (!layout.IsUsed(first))
        return {first};
    if (!IsPortTrunkModule(layout.NameAt(first)) || layout.IsUsed(first - 1))
        return {};
    return {first - 1};
}

// Free slots up to the first switch module.
QList<int> ordinarySlots(const SlotLayout& layout)
{
    QList<int> offered;
    for (int slot = kFirstIOSlot; slot <= layout.slotCount; ++slot) {
        if (!layout.IsUsed(slot)) {
            offered.append(slot);
        } else if (IsSwitchModule(layout.NameAt(slot))) {
            break;
        }
    }
    return offered;
}

} // namespace

quint16 SlotBit(int slot)
{
    if (slot < 1)
        return 1;
    return slot < kMaskBits ? static_cast<quint16>(1u << slot) : 0;
}

SlotLayout SlotLayout::FromModel(const CDataCenter& model)
{
    SlotLayout layout;
    layout.slotCount = model.MaxSlotCount;
    layout.slotMask = model.GetSlotMask();
    for (int slot = 0; slot < kMaskBits; ++slot)
        layout.names.append(model.GetSlotName(slot));
    return layout;
}

bool SlotLayout::IsUsed(int slot) const
{
    return (slotMask & SlotBit(slot)) != 0;
}

QString SlotLayout::NameAt(int slot) const
{
    return names.value(slot);
}

int SlotLayout::SwitchFlag() const
{
    const int slot = slotCount - 1;
    return IsUsed(slot) && IsSwitchModule(NameAt(slot)) ? 1 : 0;
}

// Only I/O slots are offered: a rule that points at the CPU slot or below offers nothing.
QList<int> OfferedSlots(const SlotLayout& layout, const QString& module)
{
    QList<int> offered;
    if (IsSwitchModule(module))
        offered = switchSlots(layout);
    else if (IsPortTrunkModule(module))
        offered = portTrunkSlots(layout);
    else
        offered = ordinarySlots(layout);
    offered.removeIf([&layout](int slot) { return slot < kFirstIOSlot || slot > layout.slotCount; });
    return offered;
}

bool IsPlacementAllowed(const SlotLayout& layout, const QString& module, int slot)
{
    return slot >= kFirstIOSlot && OfferedSlots(layout, module).contains(slot);
}

// Only the ending goes: a "-T" inside a model name is part of the name.
QString SlotLimitKey(const QString& module)
{
    for (QStringView ending : kLimitEndings) {
        if (module.endsWith(ending))
            return module.left(module.size() - ending.size());
    }
    return module;
}

int ReadSlotLimit(const QString& key)
{
    const QString path = GetDefaultSettingsPath();
    if (path.isEmpty() || key.isEmpty())
        return 0;
    return std::max(0, GetPrivateProfileInt(QLatin1String(kSlotLimitSection), key, 0, path));
}

int CountModulesWithKey(const SlotLayout& layout, const QString& key)
{
    int count = 0;
    for (int slot = kFirstIOSlot; slot <= layout.slotCount; ++slot) {
        if (layout.IsUsed(slot) && layout.NameAt(slot).contains(key))
            ++count;
    }
    return count;
}
