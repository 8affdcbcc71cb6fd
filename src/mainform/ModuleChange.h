#pragma once
// What the change of a 4100 series controller's CPU or power modules finds in the project before
// it changes anything: the current modules, and the slot that keeps a wanted change from being
// made. The command checks first, so a refused change leaves the project as it was.

#include "ModuleChoice.h"

#include <QString>
#include <QStringView>

class CDataCenter;

inline constexpr int kPowerModuleSlot = 15;
inline constexpr QStringView kSlotInUseFormat = u"The slot %d is in use.Please remove it first.";

// A power module's name carries its code, "PK1" or "PK2".
bool IsPowerModule(const QString& moduleName);

// The project's modules: the CPU of slot 0; for a 4100 series project the power module of slot 15
// and the second power module, the power module of the last slot ("N/A" when that slot holds none).
ModuleChoice CurrentModuleChoice(const CDataCenter& model);

// The slot that must be emptied before the wanted modules can be set, 0 when none:
// - a slot above a smaller slot count that is in use, but for the last slot's second power module,
//   which the change removes;
// - the new last slot, when a second power module is wanted there and it holds another module;
// - when the slot count changes, a port-trunk or switch module that cannot move by the difference
//   (its slot is named), or the module in the slot it would move into (that slot is named).
int FindSlotBlockingModuleChange(const CDataCenter& model, const ModuleChoice& wanted);

// False, after "The slot %d is in use.Please remove it first.", when a slot blocks the change.
bool CheckModuleChangeSlots(const CDataCenter& model, const ModuleChoice& wanted);
