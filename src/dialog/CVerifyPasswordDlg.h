#pragma once
// The login box the connect asks before it logs in: user name and password, checked by the
// account rules; it stays open until they pass or the user cancels.

#include "CDialogBase.h"

class CVerifyPasswordDlg : public CDialogBase {
    Q_OBJECT
public:
    explicit CVerifyPasswordDlg(QWidget* parent = nullptr);

    QString UserName() const { return userName_; }
    QString Password() const { return password_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void showEvent(QShowEvent* event) override;

private:
    QString userName_;
    QString password_;
};
