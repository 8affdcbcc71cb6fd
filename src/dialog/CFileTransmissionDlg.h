#pragma once
// The local file browser of the file transfer: the drives, then a folder's entries with their
// size in KB or "<DIR>"; a path typed into the edit or a double-clicked folder is opened.

#include "CDialogBase.h"

class ILogLineSink;

class CFileTransmissionDlg : public CDialogBase {
    Q_OBJECT
public:
    explicit CFileTransmissionDlg(ILogLineSink* log, QWidget* parent = nullptr);

    // "<DIR>" for a folder, else the size in KB rounded up.
    static QString FormatSizeColumn(bool isFolder, qint64 bytes);

    // Lists a folder (or the drives for the empty text); false when it does not exist.
    bool ShowFolder(const QString& folder);
    // Enter in the path edit: a file's folder, a folder, or back to the last valid path.
    void OnPathEntered();
    const QString& currentFolder() const { return folder_; }

protected:
    bool OnInitDialog() override;
    // Enter in the path edit opens the path; it does not end the dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowDrives();
    void OnLocalDoubleClick();

    ILogLineSink* log_;
    QString folder_;
};
