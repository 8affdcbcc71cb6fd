#include "CNewProjectCPUDlg.h"

#include "CNewProjectDlg.h"
#include "CpuPowerCombos.h"
#include "ProjectDialogIds.h"

#include <QComboBox>

CNewProjectCPUDlg::CNewProjectCPUDlg(CNewProjectDlg* owner) : CDialogBase(kTemplateNewProjectCPU, owner), owner_(owner)
{}

CNewProjectCPUDlg::~CNewProjectCPUDlg() = default;

ModuleChoice CNewProjectCPUDlg::GetChoice() const
{
    return combos_ ? combos_->choice() : ModuleChoice{};
}

bool CNewProjectCPUDlg::OnInitDialog()
{
    const CpuPowerCombos::Combos combos{item<QComboBox>(kComboNewProjectSlotCount),
                                        item<QComboBox>(kComboNewProjectCPU), item<QComboBox>(kComboNewProjectPower),
                                        item<QComboBox>(kComboNewProjectSecondPower)};
    if (!combos.slotCount || !combos.cpu || !combos.power || !combos.secondPower)
        return false;
    combos_ =
        std::make_unique<CpuPowerCombos>(combos, ReadNewProjectLists(), ModuleChoice{}, [this] { UpdateOKState(); });
    combos_->FillFirstEntries(variant_);
    UpdateOKState();
    return true;
}

void CNewProjectCPUDlg::UpdateOKState()
{
    enableItem(IDOK, combos_ && combos_->HasRequiredChoices());
}

void CNewProjectCPUDlg::OnOK()
{
    if (!combos_ || !combos_->HasRequiredChoices())
        return;
    if (owner_) {
        const ModuleChoice& choice = combos_->choice();
        owner_->SetModel(choice.cpuModule);
        owner_->SetPowerModule(choice.powerModule);
        owner_->SetSecondPowerModule(choice.secondPowerModule);
        owner_->SetSlotCount(choice.slotCount);
    }
    EndDialog(IDOK);
}
