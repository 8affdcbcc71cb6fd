#pragma once
// The file panel of the operations that send (or read into) a file as it is: a path and a browse
// button; reading the configuration asks for a file to save, the others for one to open.

#include "COperationPanel.h"

class CUpdateDlg : public COperationPanel {
    Q_OBJECT
public:
    CUpdateDlg(int commandId, int width, int height, QWidget* toolDialog);

    QString ChosenPath() const;
    void SetPath(const QString& path);

    // The chooser of a file for the command: its title string and whether it saves.
    static QString BrowseForFile(int commandId, const QString& current);

protected:
    bool OnInitDialog() override;
};
