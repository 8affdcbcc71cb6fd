#pragma once
// The change of an open project's CPU module and, for a 4100 series project, its slot count,
// power module and second power module, from the [New_Project] lists. It shows the project's
// modules and changes nothing: after IDOK the caller reads GetChoice(), checks it with
// CheckModuleChangeSlots (ModuleChange.h) and then rebuilds what differs.

#include "CDialogBase.h"
#include "ModuleChoice.h"

#include <memory>

class CDataCenter;
class CpuPowerCombos;

class CChangeModuleDlg : public CDialogBase {
    Q_OBJECT
public:
    // The current modules are taken from the model now (CurrentModuleChoice).
    explicit CChangeModuleDlg(const CDataCenter& model, QWidget* parent = nullptr);
    ~CChangeModuleDlg() override;

    // The chosen modules; for a project that is not of the 4100 series only the CPU can differ
    // from the project's, and the power modules are "N/A".
    ModuleChoice GetChoice() const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void UpdateOKState();

    ModuleChoice current_;
    int variant_ = 0;
    bool series4100_ = false;
    std::unique_ptr<CpuPowerCombos> combos_;
};
