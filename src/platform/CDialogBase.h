#pragma once
// A modal dialog built from a template of the language pack. Buttons with the ids IDOK and
// IDCANCEL run OnOK and OnCancel; Esc and the close button run OnCancel.

#include "DialogControls.h"
#include "MessageBoxService.h"

#include <QDialog>

class CDialogBase : public QDialog, public DialogControls {
    Q_OBJECT
public:
    explicit CDialogBase(unsigned templateId, QWidget* parent = nullptr);
    explicit CDialogBase(DialogTemplate dialogTemplate, QWidget* parent = nullptr);

    // Builds the controls and runs OnInitDialog, once; false when the template cannot be built.
    bool Create() { return BuildControls(*this); }
    // Runs the dialog: IDOK or IDCANCEL (or the code given to EndDialog); -1 when it cannot be built.
    int DoModal();
    void EndDialog(int result) { done(result); }

protected:
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    void OnControlsBuilt() override;
};
