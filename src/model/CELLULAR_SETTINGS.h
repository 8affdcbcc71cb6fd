#pragma once
// The connection check of the cellular module, with the interval limits of section [Cellular] of
// DefaultSettings.ini.

#include "ConfigFiles.h"

#include <QString>
#include <QtGlobal>

struct CELLULAR_SETTINGS {
    static constexpr qint32 kPresetInterval = 30;

    qint32 AutoCheckEnable = 0;
    QString AutoCheckHostname;
    qint32 AutoCheckInterval = kPresetInterval; // seconds between ping retries

    SettingTriple PINGCheckRetryInterval;

    CELLULAR_SETTINGS(); // loads [Cellular], then takes the interval's default

    // Key "PINGCheckRetryInterval".
    int GetCellularDefault(const QString& key, SettingTriple& out) const;

    friend bool operator==(const CELLULAR_SETTINGS&, const CELLULAR_SETTINGS&) = default;
};

void LoadCellularDefaults(CELLULAR_SETTINGS& record);
