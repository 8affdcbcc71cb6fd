#pragma once
// The preferences kept in Profile.ini: how the device tree shows the project, and two resets:
// the delete confirmations' "don't ask again" and the launch window's switch-off. Everything is
// written on OK; Cancel writes nothing.

#include "CDialogBase.h"

class CPreferenceDlg : public CDialogBase {
    Q_OBJECT
public:
    // The display type is read from Profile.ini now.
    explicit CPreferenceDlg(QWidget* parent = nullptr);

    int GetDisplayType() const { return displayType_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    int displayType_ = 0;
};
