#include "CModifyPasswordDlg.h"

#include "AccountRules.h"

CModifyPasswordDlg::CModifyPasswordDlg(int commandId, int width, int height, QWidget* toolDialog)
    : COperationPanel(kTemplateModifyPassword, commandId, width, height, toolDialog)
{}

bool CModifyPasswordDlg::CheckInput() const
{
    return CheckUserNamePassword(UserName(), NewPassword(), Confirmation());
}

void CModifyPasswordDlg::showEvent(QShowEvent* event)
{
    COperationPanel::showEvent(event);
    if (QWidget* edit = control(kEditPassword))
        edit->setFocus();
}
