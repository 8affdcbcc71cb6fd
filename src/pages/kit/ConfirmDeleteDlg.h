#pragma once
// The question before list entries are deleted, with a check box for not asking again. The
// "don't ask again" answer is kept in Profile.ini only when the user answers Yes, so a No never
// lets later deletions go ahead unasked.

#include "CDialogBase.h"

class ConfirmDeleteDlg : public CDialogBase {
    Q_OBJECT
public:
    explicit ConfirmDeleteDlg(QWidget* parent = nullptr);

    // IDYES to delete; IDNO or IDCANCEL to keep. IDYES at once, without showing anything, when
    // the user asked not to be asked again.
    int DoModal();

protected:
    bool OnInitDialog() override;

private:
    void OnYes();
    void OnNo();

    int dontAsk_ = 0;
};
