#include "CDialogBase.h"

namespace {

constexpr int kNotCreated = -1;

} // namespace

CDialogBase::CDialogBase(unsigned templateId, QWidget* parent) : QDialog(parent), DialogControls(templateId)
{}

CDialogBase::CDialogBase(DialogTemplate dialogTemplate, QWidget* parent)
    : QDialog(parent), DialogControls(std::move(dialogTemplate))
{}

void CDialogBase::OnControlsBuilt()
{
    if (hasControl(IDOK))
        onClicked(IDOK, [this] { OnOK(); });
    if (hasControl(IDCANCEL))
        onClicked(IDCANCEL, [this] { OnCancel(); });
    OnInitDialog();
}

int CDialogBase::DoModal()
{
    if (!Create())
        return kNotCreated;
    return exec();
}
