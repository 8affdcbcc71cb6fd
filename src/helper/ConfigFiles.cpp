#include "ConfigFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr const char* kDefaultSettingsFile = "DefaultSettings.ini";
constexpr const char* kProfileFile = "Profile.ini";
constexpr const char* kDeviceHistoryFile = "DevieHistory.ini";
constexpr const char* kCommonFolder = "Zerv/Pelandrix";

QString& programDirectoryOverride()
{
    static QString folder;
    return folder;
}

} // namespace

QString ProgramDirectory()
{
    if (!programDirectoryOverride().isEmpty())
        return programDirectoryOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramDirectory(const QString& folder)
{
    programDirectoryOverride() = folder;
}

QString CommonDocumentsFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString folder = QDir(base).filePath(QString::fromLatin1(kCommonFolder));
    QDir().mkpath(folder);
    return folder;
}

QString GetDefaultSettingsPath()
{
    const QString path = QDir(ProgramDirectory()).filePath(QString::fromLatin1(kDefaultSettingsFile));
    return QFileInfo::exists(path) ? path : QString();
}

QString GetProfilePath()
{
    return QDir(CommonDocumentsFolder()).filePath(QString::fromLatin1(kProfileFile));
}

QString GetDeviceHistoryPath()
{
    return QDir(CommonDocumentsFolder()).filePath(QString::fromLatin1(kDeviceHistoryFile));
}
