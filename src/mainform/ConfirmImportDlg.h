#pragma once
// The question before the configuration is sent to a controller: IDYES goes on, any other
// result stops.

#include "CDialogBase.h"

class ConfirmImportDlg : public CDialogBase {
    Q_OBJECT
public:
    explicit ConfirmImportDlg(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
};
