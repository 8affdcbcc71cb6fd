#include "CVerifyPasswordDlg.h"

#include "AccountRules.h"
#include "DeviceDialogIds.h"

CVerifyPasswordDlg::CVerifyPasswordDlg(QWidget* parent) : CDialogBase(kTemplateVerifyPassword, parent)
{}

bool CVerifyPasswordDlg::OnInitDialog()
{
    setItemText(kEditUserName, QString());
    enableItem(kEditUserName, true);
    return true;
}

void CVerifyPasswordDlg::showEvent(QShowEvent* event)
{
    CDialogBase::showEvent(event);
    if (QWidget* edit = control(kEditUserName))
        edit->setFocus();
}

void CVerifyPasswordDlg::OnOK()
{
    const QString userName = itemText(kEditUserName);
    const QString password = itemText(kEditPassword);
    if (!CheckUserNamePassword(userName, password, std::nullopt))
        return;
    userName_ = userName;
    password_ = password;
    EndDialog(IDOK);
}
