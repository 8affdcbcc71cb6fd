#include "FileDialogService.h"

#include "TraceLog.h"

#include <atomic>

namespace {

std::atomic<IFileDialogService*>& installedService()
{
    static std::atomic<IFileDialogService*> service{nullptr};
    return service;
}

QString choose(const FileDialogRequest& request)
{
    if (IFileDialogService* service = installedService().load())
        return service->Choose(request);
    TraceLog("%s:%d no file dialog service for \"%s\"", __FILE__, __LINE__, qUtf8Printable(request.caption));
    return {};
}

} // namespace

IFileDialogService* SetFileDialogService(IFileDialogService* service)
{
    return installedService().exchange(service);
}

QString ChooseOpenFile(const QString& caption, const QString& initialPath, const QString& filter)
{
    return choose({FileDialogKind::Open, caption, initialPath, filter});
}

QString ChooseSaveFile(const QString& caption, const QString& proposedPath, const QString& filter)
{
    return choose({FileDialogKind::Save, caption, proposedPath, filter});
}

QString ChooseFolder(const QString& caption, const QString& initialFolder)
{
    return choose({FileDialogKind::Folder, caption, initialFolder, QString()});
}
