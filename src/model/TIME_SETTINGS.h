#pragma once
// The controller's time zone and time synchronisation, with the interval limits of section
// [TimeSetting] of DefaultSettings.ini.

#include "ConfigFiles.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

struct TIME_SETTINGS {
    static constexpr qint32 kDefaultTimeZone = 22;

    qint32 TimeZone = kDefaultTimeZone; // position in the time-zone list, 0 to 62
    qint32 SyncInterval = 0;            // minutes
    QStringList TimeServers;

    SettingTriple SyncIntervalValue;

    TIME_SETTINGS(); // loads [TimeSetting], then Reset

    void Reset();
    // Key "SyncIntervalValue".
    int GetTimeSettingDefault(const QString& key, SettingTriple& out) const;
};
using TimeSettingRecord = TIME_SETTINGS;

void LoadTimeSettingDefaults(TIME_SETTINGS& record);
