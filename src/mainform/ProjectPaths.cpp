#include "ProjectPaths.h"

#include "IniFile.h"
#include "ProfileKeys.h"
#include "TraceLog.h"

#include <QFileInfo>

bool IsSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isFile();
}

QString ProjectNameOf(const QString& path)
{
    return QFileInfo(path).completeBaseName();
}

void RememberLatestProject(const QString& profilePath, const QString& path)
{
    if (!WritePrivateProfileString(QLatin1String(kProfilePreferenceSection), QLatin1String(kProfileLatestProjectKey),
                                   path, profilePath))
        TraceLog("%s:%d latest project %s not remembered", __FILE__, __LINE__, qUtf8Printable(path));
}
