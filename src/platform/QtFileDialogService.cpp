#include "QtFileDialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

QString QtFileDialogService::Choose(const FileDialogRequest& request)
{
    QWidget* parent = QApplication::activeWindow();
    const QString start = DialogStartPath(request.initialPath, FileDialogProjectFolder(), lastFolder_);
    QString chosen;
    switch (request.kind) {
    case FileDialogKind::Open:
        chosen = QFileDialog::getOpenFileName(parent, request.caption, start, request.filter);
        break;
    case FileDialogKind::Save:
        chosen = QFileDialog::getSaveFileName(parent, request.caption, start, request.filter);
        break;
    case FileDialogKind::Folder:
        chosen = QFileDialog::getExistingDirectory(parent, request.caption, start);
        break;
    }
    if (!chosen.isEmpty())
        lastFolder_ = request.kind == FileDialogKind::Folder ? chosen : QFileInfo(chosen).absolutePath();
    return chosen;
}

void InstallQtFileDialogService()
{
    static QtFileDialogService service;
    SetFileDialogService(&service);
}
