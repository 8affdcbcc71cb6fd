#pragma once
// The second step of a new 4100 series project: the CPU module of the chosen variant, the number
// of I/O slots, the power module and, for 9 and 12 slots, the second power module. OK hands the
// choice to the new-project dialog that opened it.

#include "CDialogBase.h"
#include "ModuleChoice.h"
#include "NewProjectLists.h"

#include <memory>

class CNewProjectDlg;
class CpuPowerCombos;

class CNewProjectCPUDlg : public CDialogBase {
    Q_OBJECT
public:
    // The owner is also the parent window; it may be null, then only GetChoice gives the result.
    explicit CNewProjectCPUDlg(CNewProjectDlg* owner);
    ~CNewProjectCPUDlg() override;

    // kVariantC or kVariantIEC: which CPU list is offered. Set before DoModal.
    void SetVariant(int variant) { variant_ = variant; }
    int GetVariant() const { return variant_; }
    // What the combos show: CPU module, slot count, power module, second power module ("N/A" for none).
    ModuleChoice GetChoice() const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void UpdateOKState();

    CNewProjectDlg* owner_ = nullptr;
    int variant_ = kVariantC;
    std::unique_ptr<CpuPowerCombos> combos_;
};
