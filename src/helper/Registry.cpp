#include "Registry.h"

#include <QSettings>

namespace {

constexpr const char* kOrganisation = "Zerv";
constexpr const char* kApplication = "Pelandrix";

QSettings::Scope scopeOf(RegistryRoot root)
{
    return root == RegistryRoot::LocalMachine ? QSettings::SystemScope : QSettings::UserScope;
}

QString groupOf(const QString& subKey)
{
    QString group = subKey;
    group.replace(u'\\', u'/');
    return group;
}

bool isPlainValueName(const QString& valueName)
{
    return !valueName.isEmpty() && !valueName.contains(u'/') && !valueName.contains(u'\\');
}

bool groupExists(QSettings& settings, const QString& group)
{
    settings.beginGroup(group);
    const bool exists = !settings.childKeys().isEmpty() || !settings.childGroups().isEmpty();
    settings.endGroup();
    return exists;
}

} // namespace

bool WriteRegistryString(RegistryRoot rootKey, const QString& subKey, const QString& valueName, const QString& value)
{
    const QString group = groupOf(subKey);
    if (group.isEmpty() || !isPlainValueName(valueName))
        return false;
    QSettings settings(QSettings::NativeFormat, scopeOf(rootKey), QString::fromLatin1(kOrganisation),
                       QString::fromLatin1(kApplication));
    settings.setFallbacksEnabled(false); // a sub-key exists only in the store the root names
    if (!groupExists(settings, group))
        return false;
    settings.beginGroup(group);
    settings.setValue(valueName, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}
