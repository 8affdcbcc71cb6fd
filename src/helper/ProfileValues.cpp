#include "ProfileValues.h"

#include "ConfigFiles.h"
#include "IniFile.h"
#include "TraceLog.h"

int ReadProfileInt(const char* section, const char* key, int defaultValue)
{
    return GetPrivateProfileInt(QLatin1String(section), QLatin1String(key), defaultValue, GetProfilePath());
}

QString ReadProfileString(const char* section, const char* key)
{
    return GetPrivateProfileString(QLatin1String(section), QLatin1String(key), QString(), GetProfilePath());
}

bool WriteProfileValue(const char* section, const char* key, const QString& value)
{
    const QString path = GetProfilePath();
    if (WritePrivateProfileString(QLatin1String(section), QLatin1String(key), value, path))
        return true;
    TraceLog("%s:%d could not write [%s] %s to %s", __FILE__, __LINE__, section, key, qUtf8Printable(path));
    return false;
}
