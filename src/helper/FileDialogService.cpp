#include "FileDialogService.h"

#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextFormat.h"
#include "TraceLog.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>

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

// "%s already exists. Do you want to replace it?"
constexpr unsigned kStringReplaceFileQuestion = 9610;

QMutex& projectFolderLock()
{
    static QMutex lock;
    return lock;
}

QString& projectFolder()
{
    static QString folder;
    return folder;
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
    const QString chosen = choose({FileDialogKind::Save, caption, proposedPath, filter});
    const QString completed = WithFilterExtension(chosen, filter);
    // The chooser confirmed the name as typed, not the completed one.
    if (completed != chosen && QFileInfo::exists(completed) &&
        ShowMessageBox(FormatLangString(kStringReplaceFileQuestion, completed), MB_YESNO | MB_ICONWARNING) != IDYES)
        return {};
    return completed;
}

QString ChooseFolder(const QString& caption, const QString& initialFolder)
{
    return choose({FileDialogKind::Folder, caption, initialFolder, QString()});
}

QString FilterExtension(const QString& filter)
{
    // The first pattern inside the first parentheses, or the whole first entry when it has none.
    const QString first = filter.section(QStringLiteral(";;"), 0, 0);
    static const QRegularExpression patterns(QStringLiteral("\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = patterns.match(first);
    const QString pattern = (match.hasMatch() ? match.captured(1) : first).simplified().section(u' ', 0, 0);
    static const QRegularExpression plainExtension(QStringLiteral("^\\*\\.([A-Za-z0-9_]+)$"));
    const QRegularExpressionMatch extension = plainExtension.match(pattern);
    return extension.hasMatch() ? extension.captured(1) : QString();
}

QString WithFilterExtension(const QString& path, const QString& filter)
{
    const QString extension = FilterExtension(filter);
    if (path.isEmpty() || extension.isEmpty() || !QFileInfo(path).suffix().isEmpty() || path.endsWith(u'/'))
        return path;
    return path + u'.' + extension;
}

void SetFileDialogProjectFolder(const QString& folder)
{
    QMutexLocker locker(&projectFolderLock());
    projectFolder() = folder;
}

QString FileDialogProjectFolder()
{
    QMutexLocker locker(&projectFolderLock());
    return projectFolder();
}

QString DialogStartPath(const QString& initialPath, const QString& projectFolder, const QString& lastFolder)
{
    if (QDir::isAbsolutePath(initialPath))
        return initialPath;
    const QString folder = projectFolder.isEmpty() ? lastFolder : projectFolder;
    if (folder.isEmpty())
        return initialPath;
    return initialPath.isEmpty() ? folder : QDir(folder).filePath(initialPath);
}
