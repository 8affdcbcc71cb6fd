#include "ShellOpen.h"

#include "TraceLog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

bool desktopOpen(const QString& target, const QString& parameters)
{
    const QFileInfo file(target);
    if (file.isFile() && file.isExecutable())
        return QProcess::startDetached(file.absoluteFilePath(), QProcess::splitCommand(parameters));
    const QUrl url = file.exists() ? QUrl::fromLocalFile(file.absoluteFilePath()) : QUrl(target);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}

ShellOpener& installedOpener()
{
    static ShellOpener opener;
    return opener;
}

} // namespace

bool ShellOpen(const QString& target, const QString& parameters)
{
    const ShellOpener& opener = installedOpener();
    const bool opened = opener ? opener(target, parameters) : desktopOpen(target, parameters);
    if (!opened)
        TraceLog("%s:%d could not open \"%s\"", __FILE__, __LINE__, qUtf8Printable(target));
    return opened;
}

ShellOpener SetShellOpener(ShellOpener opener)
{
    std::swap(installedOpener(), opener);
    return opener;
}
