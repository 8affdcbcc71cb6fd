#pragma once
// A modal folder chooser with a title and an initial folder, through the file-dialog service.

#include <QString>

class CFolderDialog {
public:
    CFolderDialog(QString title, QString initialFolder);

    // IDOK with the chosen folder in GetFolderPath(), IDCANCEL when the user cancelled, -1 when
    // the answer names no existing folder.
    int DoModal();
    const QString& GetFolderPath() const { return selectedFolder_; }

private:
    QString title_;
    QString initialFolder_;
    QString selectedFolder_;
};
