#include "CDialogBase.h"

#include "MessageBoxService.h"

#include <QAbstractButton>

namespace {

constexpr int kNotCreated = -1;

} // namespace

CDialogBase::CDialogBase(unsigned templateId, QWidget* parent) : QDialog(parent), DialogControls(templateId) {}

CDialogBase::CDialogBase(DialogTemplate dialogTemplate, QWidget* parent)
    : QDialog(parent), DialogControls(std::move(dialogTemplate))
{
}

bool CDialogBase::Create()
{
    if (!BuildControls(*this))
        return false;
    if (initialised_)
        return true;
    initialised_ = true;
    if (hasControl(IDOK))
        onClicked(IDOK, [this] { OnOK(); });
    if (hasControl(IDCANCEL))
        onClicked(IDCANCEL, [this] { OnCancel(); });
    OnInitDialog();
    return true;
}

int CDialogBase::DoModal()
{
    if (!Create())
        return kNotCreated;
    return exec();
}

void CDialogBase::EndDialog(int result)
{
    done(result);
}
