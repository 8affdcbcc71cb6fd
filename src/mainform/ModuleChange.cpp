#include "ModuleChange.h"

#include "CDataCenter.h"
#include "MessageBoxService.h"
#include "ModulePlacement.h"
#include "SlotRecord.h"
#include "TextFormat.h"

namespace {

constexpr QStringView kPowerModuleCodes[] = {u"PK1", u"PK2"};
constexpr int kFirstIOSlot = 1;

bool movesWithSlotCount(const QString& moduleName)
{
    return IsPortTrunkModule(moduleName) || IsSwitchModule(moduleName);
}

// Slots above the new count must be empty, but for the current second power module.
int findSlotAboveNewCount(const SlotLayout& layout, int newCount)
{
    const int oldCount = layout.slotCount;
    for (int slot = newCount + 1; slot <= oldCount; ++slot) {
        if (!layout.IsUsed(slot))
            continue;
        if (slot == oldCount && IsPowerModule(layout.NameAt(slot)))
            continue;
        return slot;
    }
    return 0;
}

// The slot of the wanted second power module must be free or hold a power module.
int findSecondPowerSlot(const SlotLayout& layout, const ModuleChoice& wanted)
{
    const int slot = wanted.slotCount;
    if (wanted.secondPowerModule == kNoModule)
        return 0;
    return layout.IsUsed(slot) && !IsPowerModule(layout.NameAt(slot)) ? slot : 0;
}

// A slot that a moving module may go into: free, left by a module that moves itself, or the last
// slot whose second power module the change removes.
bool canReceiveMovedModule(const SlotLayout& layout, int slot)
{
    if (!layout.IsUsed(slot))
        return true;
    const QString name = layout.NameAt(slot);
    if (slot < layout.slotCount)
        return movesWithSlotCount(name);
    return slot == layout.slotCount && IsPowerModule(name);
}

// Port-trunk and switch modules keep their distance to the last slot.
int findBlockedMove(const SlotLayout& layout, int newCount)
{
    const int shift = newCount - layout.slotCount;
    if (shift == 0)
        return 0;
    for (int slot = kFirstIOSlot; slot < layout.slotCount; ++slot) {
        if (!layout.IsUsed(slot) || !movesWithSlotCount(layout.NameAt(slot)))
            continue;
        const int target = slot + shift;
        if (target < kFirstIOSlot || target > newCount)
            return slot;
        if (!canReceiveMovedModule(layout, target))
            return target;
    }
    return 0;
}

} // namespace

bool IsPowerModule(const QString& moduleName)
{
    for (QStringView code : kPowerModuleCodes) {
        if (moduleName.contains(code))
            return true;
    }
    return false;
}

ModuleChoice CurrentModuleChoice(const CDataCenter& model)
{
    ModuleChoice current;
    current.cpuModule = model.GetSlotName(0);
    current.slotCount = model.MaxSlotCount;
    if (!model.IsSeries4100())
        return current;
    current.powerModule = model.GetSlotName(kPowerModuleSlot);
    const QString last = model.GetSlotName(current.slotCount);
    if (model.IsSlotUsed(current.slotCount) && IsPowerModule(last))
        current.secondPowerModule = last;
    return current;
}

int FindSlotBlockingModuleChange(const CDataCenter& model, const ModuleChoice& wanted)
{
    const SlotLayout layout = SlotLayout::FromModel(model);
    if (const int slot = findSlotAboveNewCount(layout, wanted.slotCount))
        return slot;
    if (const int slot = findSecondPowerSlot(layout, wanted))
        return slot;
    return findBlockedMove(layout, wanted.slotCount);
}

bool CheckModuleChangeSlots(const CDataCenter& model, const ModuleChoice& wanted)
{
    const int slot = FindSlotBlockingModuleChange(model, wanted);
    if (slot == 0)
        return true;
    ShowMessageBox(FormatText(kSlotInUseFormat, {slot}), MB_OK | MB_ICONWARNING);
    return false;
}
