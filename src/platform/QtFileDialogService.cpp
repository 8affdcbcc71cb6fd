#include "QtFileDialogService.h"

#include <QApplication>
#include <QFileDialog>

QString QtFileDialogService::Choose(const FileDialogRequest& request)
{
    QWidget* parent = QApplication::activeWindow();
    switch (request.kind) {
    case FileDialogKind::Open:
        return QFileDialog::getOpenFileName(parent, request.caption, request.initialPath, request.filter);
    case FileDialogKind::Save:
        return QFileDialog::getSaveFileName(parent, request.caption, request.initialPath, request.filter);
    case FileDialogKind::Folder:
        return QFileDialog::getExistingDirectory(parent, request.caption, request.initialPath);
    }
    return {};
}

void InstallQtFileDialogService()
{
    static QtFileDialogService service;
    SetFileDialogService(&service);
}
