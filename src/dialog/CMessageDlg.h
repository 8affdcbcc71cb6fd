#pragma once
// The one-line notice about the chosen operation inside the tool dialog.

#include "COperationPanel.h"

class CMessageDlg : public COperationPanel {
    Q_OBJECT
public:
    CMessageDlg(int commandId, int width, int height, QWidget* toolDialog);

    // The notice's string id for a command; 0 for a command with no notice of its own.
    static unsigned NoticeStringId(int commandId);

protected:
    bool OnInitDialog() override;
};
