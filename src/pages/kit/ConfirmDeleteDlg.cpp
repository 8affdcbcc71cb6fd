#include "ConfirmDeleteDlg.h"

#include "ConfirmDeleteIds.h"
#include "ProfileValues.h"
#include "WarningIcon.h"

namespace {

constexpr int kDontAsk = 1;

int storedDontAsk()
{
    return ReadProfileInt(kProfileConfirmDeleteSection, kProfileDontAskStatusKey, kProfileDontAskStatusDefault);
}

} // namespace

ConfirmDeleteDlg::ConfirmDeleteDlg(QWidget* parent) : CDialogBase(kTemplateConfirmDelete, parent)
{}

int ConfirmDeleteDlg::DoModal()
{
    if (storedDontAsk() == kDontAsk)
        return IDYES;
    return CDialogBase::DoModal();
}

bool ConfirmDeleteDlg::OnInitDialog()
{
    if (hasControl(kIconConfirmDelete))
        ShowWarningIcon(control(kIconConfirmDelete));
    onChanged(kCheckConfirmDeleteDontAsk,
              [this] { dontAsk_ = isItemChecked(kCheckConfirmDeleteDontAsk) ? kDontAsk : 0; });
    onClicked(kButtonConfirmDeleteYes, [this] { OnYes(); });
    onClicked(kButtonConfirmDeleteNo, [this] { OnNo(); });
    return true;
}

void ConfirmDeleteDlg::OnYes()
{
    WriteProfileValue(kProfileConfirmDeleteSection, kProfileDontAskStatusKey, QString::number(dontAsk_));
    EndDialog(IDYES);
}

void ConfirmDeleteDlg::OnNo()
{
    EndDialog(IDNO);
}
