#include "ServiceDefaultsReader.h"

#include "IniFile.h"
#include "TextConversion.h"

namespace ServiceDefaults {

QString ReadText(const QString& section, const QString& key)
{
    const QString path = GetDefaultSettingsPath();
    if (path.isEmpty())
        return {};
    return GetPrivateProfileString(section, key, QString(), path).left(kMaxValueLength);
}

SettingTriple ReadTriple(const QString& section, const QString& key, const SettingTriple& builtIn)
{
    return ParseSettingTriple(ReadText(section, key), builtIn);
}

int ReadInt(const QString& section, const QString& key, int fallback)
{
    const QString path = GetDefaultSettingsPath();
    if (path.isEmpty())
        return fallback;
    return GetPrivateProfileInt(section, key, fallback, path);
}

QStringList ReadList(const QString& section, const QString& key)
{
    QStringList pieces;
    SplitString(pieces, ReadText(section, key));
    return pieces;
}

} // namespace ServiceDefaults
