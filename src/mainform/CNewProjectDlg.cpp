#include "CNewProjectDlg.h"

#include "CNewProjectCPUDlg.h"
#include "ComboChoice.h"
#include "DialogHelpers.h"
#include "LanguagePack.h"
#include "ProjectDialogIds.h"
#include "TraceLog.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// The variant of a model that the CPU dialog completes; -1 for every other model.
int variantOf(const QString& model)
{
    if (model == kModel4100C)
        return kVariantC;
    if (model == kModel4100IEC)
        return kVariantIEC;
    return -1;
}

} // namespace

CNewProjectDlg::CNewProjectDlg(QWidget* parent) : CDialogBase(kTemplateNewProject, parent)
{}

bool CNewProjectDlg::OnInitDialog()
{
    if (auto* name = item<QLineEdit>(kEditProjectName)) {
        name->setText(LoadLangString(kStringDefaultProjectName));
        name->selectAll();
        name->setFocus();
    }
    projectName_ = itemText(kEditProjectName);
    lists_ = ReadNewProjectLists();
    FillCombo(item<QComboBox>(kComboProductSeries), lists_.series);
    FillModels();
    onChanged(kComboProductSeries, [this] { FillModels(); });
    onChanged(kComboProductModel, [this] { OnModelChanged(); });
    onChanged(kEditProjectName, [this] { OnNameChanged(); });
    UpdateOKState();
    return true;
}

void CNewProjectDlg::FillModels()
{
    auto* models = item<QComboBox>(kComboProductModel);
    FillCombo(models, lists_.ModelsOf(itemText(kComboProductSeries)));
    OnModelChanged();
}

void CNewProjectDlg::OnModelChanged()
{
    const auto* models = item<QComboBox>(kComboProductModel);
    if (models && models->currentIndex() >= 0)
        model_ = models->currentText();
    UpdateOKState();
}

void CNewProjectDlg::OnNameChanged()
{
    projectName_ = itemText(kEditProjectName);
    UpdateOKState();
}

// A project needs a name and a model to be built from.
void CNewProjectDlg::UpdateOKState()
{
    enableItem(IDOK, !projectName_.isEmpty() && HasComboChoice(item<QComboBox>(kComboProductModel)));
}

void CNewProjectDlg::OnOK()
{
    projectName_ = itemText(kEditProjectName);
    if (projectName_.isEmpty() || !HasComboChoice(item<QComboBox>(kComboProductModel)))
        return;
    const int variant = variantOf(model_);
    if (variant < 0) {
        EndDialog(IDOK);
        return;
    }
    if (RunCPUDialog(variant))
        EndDialog(IDOK);
}

bool CNewProjectDlg::RunCPUDialog(int variant)
{
    CNewProjectCPUDlg cpuDialog(this);
    cpuDialog.SetVariant(variant);
    const int result = cpuDialog.DoModal();
    if (result < 0)
        TraceLog("%s:%d the CPU dialog of a new project cannot be built", __FILE__, __LINE__);
    return result == IDOK;
}
