#include "CFolderDialog.h"

#include "FileDialogService.h"
#include "MessageBoxService.h"
#include "TraceLog.h"

#include <QFileInfo>

namespace {

constexpr int kNoFileSystemFolder = -1;

} // namespace

CFolderDialog::CFolderDialog(QString title, QString initialFolder)
    : title_(std::move(title)), initialFolder_(std::move(initialFolder))
{}

int CFolderDialog::DoModal()
{
    selectedFolder_.clear();
    const QString chosen = ChooseFolder(title_, initialFolder_);
    if (chosen.isEmpty())
        return IDCANCEL;
    if (!QFileInfo(chosen).isDir()) {
        TraceLog("%s:%d \"%s\" is no folder", __FILE__, __LINE__, qUtf8Printable(chosen));
        return kNoFileSystemFolder;
    }
    selectedFolder_ = chosen;
    return IDOK;
}
