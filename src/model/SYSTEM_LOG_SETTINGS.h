#pragma once
// The controller's remote system log and the limits it takes from section [SystemLog] of
// DefaultSettings.ini. The fields named only by their place get their meaning from the pages.

#include "ConfigFiles.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

struct SYSTEM_LOG_SETTINGS {
    qint32 FirstValue = 0;
    QStringList Entries;
    qint32 ValueAfterEntries = 0;
    QString FirstText;
    QString SecondText;
    qint32 Port = 0; // port of the log server
    QString ThirdText;
    qint32 ConnectTimeout = 0;   // seconds
    qint32 ReconnectTimeout = 0; // seconds

    SettingTriple PortValue;
    SettingTriple ConnectTimeoutValue;
    SettingTriple ReconnectTimeoutValue;

    SYSTEM_LOG_SETTINGS(); // loads [SystemLog], then Reset

    void Reset();
};

void LoadSystemLogDefaults(SYSTEM_LOG_SETTINGS& record);
