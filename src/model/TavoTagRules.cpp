#include "TavoTagRules.h"

#include <QSet>

namespace TavoTagRules {

namespace {

const QSet<QString>& systemAddresses()
{
    static const QSet<QString> addresses{
        QStringLiteral("0.4.0"),  QStringLiteral("0.4.1"),  QStringLiteral("0.4.7"),  QStringLiteral("0.4.6"),
        QStringLiteral("0.8.0"),  QStringLiteral("0.8.1"),  QStringLiteral("0.8.6"),  QStringLiteral("0.8.7"),
        QStringLiteral("0.6.0"),  QStringLiteral("0.6.3"),  QStringLiteral("0.6.4"),  QStringLiteral("0.7.0"),
        QStringLiteral("0.7.3"),  QStringLiteral("0.7.4"),  QStringLiteral("0.1.5"),  QStringLiteral("0.3.3"),
        QStringLiteral("0.3.4"),  QStringLiteral("0.10.0"), QStringLiteral("0.10.1"), QStringLiteral("0.10.6"),
        QStringLiteral("0.10.7"),
    };
    return addresses;
}

bool hasUpdateKind(const TagRecordExtra& settings)
{
    return settings.IntervalUpdate || settings.OnChangeUpdate || settings.ControlTagUpdate;
}

} // namespace

bool IsOnChangeForbidden(const QString& address)
{
    const qsizetype first = address.indexOf(QLatin1Char('.'));
    const qsizetype second = first < 0 ? -1 : address.indexOf(QLatin1Char('.'), first + 1);
    return second >= 0 && systemAddresses().contains(address.mid(second + 1));
}

void DropForbiddenOnChange(TagRecordExtra& settings, bool onChangeForbidden, quint32 defaultInterval)
{
    if (!onChangeForbidden || !settings.OnChangeUpdate)
        return;
    settings.OnChangeUpdate = 0;
    if (hasUpdateKind(settings))
        return;
    settings.IntervalUpdate = 1;
    settings.Interval = defaultInterval;
    settings.Unit = 0;
}

TagRecordExtra NewPushedTagSettings(const TagRecord& tag, int defaultUpdateType, quint32 defaultInterval,
                                    const ControlTag& control)
{
    TagRecordExtra settings;
    switch (defaultUpdateType) {
    case kUpdateOnChange:
        settings.OnChangeUpdate = 1;
        break;
    case kUpdateByControlTag:
        settings.ControlTagUpdate = 1;
        settings.Control = control.Name.isEmpty() ? QString() : control.Id;
        settings.ControlTagName = control.Name;
        break;
    default:
        settings.IntervalUpdate = 1;
        settings.Interval = defaultInterval;
        settings.Unit = 0;
        break;
    }
    DropForbiddenOnChange(settings, IsOnChangeForbidden(tag.ResID), defaultInterval);
    if (tag.Direction != 0)
        settings.Access = 0;
    return settings;
}

} // namespace TavoTagRules
