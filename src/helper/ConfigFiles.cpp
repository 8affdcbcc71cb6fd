#include "ConfigFiles.h"

#include "IniFile.h"
#include "TextConversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr const char* kDefaultSettingsFile = "DefaultSettings.ini";
constexpr const char* kProfileFile = "Profile.ini";
constexpr const char* kDeviceHistoryFile = "DevieHistory.ini";
constexpr const char* kCommonFolder = "Zerv/Pelandrix";
constexpr int kTriplePieces = 3;

constexpr const char* kDeviceHistorySection = "DeviceHistory";
constexpr const char* kDeviceCountKey = "Count";
constexpr const char* kDeviceDefaultKey = "Default";
constexpr const char* kDeviceEntryKeyPrefix = "Device_";

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

SettingTriple ParseSettingTriple(const QString& text, const SettingTriple& builtIn)
{
    QStringList pieces;
    SplitString(pieces, text);
    if (pieces.size() != kTriplePieces)
        return builtIn;
    return {ParseLeadingInt(pieces[0]), ParseLeadingInt(pieces[1]), ParseLeadingInt(pieces[2])};
}

SettingTriple ReadSettingTriple(const QString& section, const QString& key, const SettingTriple& builtIn)
{
    const QString text = GetPrivateProfileString(section, key, QString(), GetDefaultSettingsPath());
    return ParseSettingTriple(text, builtIn);
}

bool SaveDeviceHistory(const QStringList& entries, int selectedIndex)
{
    QList<IniKeyValue> keys{{QString::fromLatin1(kDeviceCountKey), QString::number(entries.size())},
                            {QString::fromLatin1(kDeviceDefaultKey), QString::number(selectedIndex)}};
    for (qsizetype i = 0; i < entries.size(); ++i)
        keys.append({QString::fromLatin1(kDeviceEntryKeyPrefix) + QString::number(i), entries[i]});
    // A history: one rewrite per call, none when nothing changed, and no wait for the disk.
    return WritePrivateProfileStrings(QString::fromLatin1(kDeviceHistorySection), keys, GetDeviceHistoryPath(),
                                      IniWrite::Unflushed);
}
