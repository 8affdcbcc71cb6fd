#include "CChangeModuleDlg.h"

#include "CDataCenter.h"
#include "CpuPowerCombos.h"
#include "ModuleChange.h"
#include "ProjectDialogIds.h"

#include <QComboBox>

CChangeModuleDlg::CChangeModuleDlg(const CDataCenter& model, QWidget* parent)
    : CDialogBase(kTemplateChangeModule, parent), current_(CurrentModuleChoice(model)),
      variant_(model.IsIECMode() ? kVariantIEC : kVariantC), series4100_(model.IsSeries4100() != 0)
{}

CChangeModuleDlg::~CChangeModuleDlg() = default;

ModuleChoice CChangeModuleDlg::GetChoice() const
{
    return combos_ ? combos_->choice() : current_;
}

bool CChangeModuleDlg::OnInitDialog()
{
    const CpuPowerCombos::Combos combos{item<QComboBox>(kComboChangeSlotCount), item<QComboBox>(kComboChangeCPU),
                                        item<QComboBox>(kComboChangePower), item<QComboBox>(kComboChangeSecondPower)};
    if (!combos.slotCount || !combos.cpu || !combos.power || !combos.secondPower)
        return false;
    combos_ = std::make_unique<CpuPowerCombos>(combos, ReadNewProjectLists(), current_, [this] { UpdateOKState(); });
    if (series4100_)
        combos_->FillCurrentValues(variant_);
    else
        combos_->FillCPUOnly(variant_);
    UpdateOKState();
    return true;
}

void CChangeModuleDlg::UpdateOKState()
{
    enableItem(IDOK, combos_ && combos_->HasRequiredChoices());
}

void CChangeModuleDlg::OnOK()
{
    if (combos_ && combos_->HasRequiredChoices())
        EndDialog(IDOK);
}
