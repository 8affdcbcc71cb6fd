#pragma once
// The password change panel: user name, new password and its confirmation, which the password
// operation checks with the account rules and sends.

#include "COperationPanel.h"
#include "DeviceDialogIds.h"

class CModifyPasswordDlg : public COperationPanel {
    Q_OBJECT
public:
    CModifyPasswordDlg(int commandId, int width, int height, QWidget* toolDialog);

    QString UserName() const { return itemText(kEditUserName); }
    QString NewPassword() const { return itemText(kEditPassword); }
    QString Confirmation() const { return itemText(kEditPasswordConfirmation); }
    // The account rules with the confirmation; the complaints in one box.
    bool CheckInput() const;

protected:
    void showEvent(QShowEvent* event) override;
};
