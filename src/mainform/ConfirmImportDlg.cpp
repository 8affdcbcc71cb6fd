#include "ConfirmImportDlg.h"

#include "ProjectDialogIds.h"
#include "WarningIcon.h"

ConfirmImportDlg::ConfirmImportDlg(QWidget* parent) : CDialogBase(kTemplateConfirmImport, parent)
{}

bool ConfirmImportDlg::OnInitDialog()
{
    if (hasControl(kIconConfirmImport))
        ShowWarningIcon(control(kIconConfirmImport));
    onClicked(kButtonConfirmImportYes, [this] { EndDialog(IDYES); });
    onClicked(kButtonConfirmImportNo, [this] { EndDialog(IDNO); });
    return true;
}
