#pragma once
// The four combos of a 4100 series controller's modules (slot count, CPU, power module, second
// power module), shared by the new-project CPU dialog and the change-module dialog. The chosen
// values follow what the combos show; the second power module is the entry's module name without
// its comment, "N/A" while its list is empty. A combo left empty because DefaultSettings.ini
// offers nothing keeps the value it was given.

#include "ModuleChoice.h"
#include "NewProjectLists.h"

#include <QObject>

#include <functional>

class QComboBox;

class CpuPowerCombos : public QObject {
public:
    struct Combos {
        QComboBox* slotCount = nullptr;
        QComboBox* cpu = nullptr;
        QComboBox* power = nullptr;
        QComboBox* secondPower = nullptr;
    };

    // userChanged runs after every change the user makes.
    CpuPowerCombos(Combos combos, NewProjectLists lists, ModuleChoice initial, std::function<void()> userChanged);

    // New project: the first entry of each list, the second power modules of the default list,
    // then the first slot count applied.
    void FillFirstEntries(int variant);
    // Changing the CPU module alone: only the CPU combo is filled and enabled.
    void FillCPUOnly(int variant);
    // Changing a 4100 series controller: every combo, each showing the current value where its
    // list has it.
    void FillCurrentValues(int variant);

    const ModuleChoice& choice() const { return choice_; }
    // The CPU has been chosen and, when the power combos are in use, the slot count and power module.
    bool HasRequiredChoices() const;

private:
    void ResetAll();
    void FillCPUs(int variant, const QString& current);
    void FillSlotCounts(int current);
    void FillPowers(const QString& current);
    void SelectSecondPower(const QString& current);
    void ApplySlotCount();
    void RefillSecondPower();
    void TakeCPU();
    void TakePower();
    void TakeSecondPower();
    void OnPowerChanged();
    void ConnectUserChanges();

    Combos combos_;
    NewProjectLists lists_;
    ModuleChoice choice_;
    std::function<void()> userChanged_;
    bool powerCombosInUse_ = false;
};
