#pragma once
// The alarm condition queue and the limit it takes from section [Condition] of DefaultSettings.ini.

#include "ConfigFiles.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

struct CONDITION_SETTINGS {
    qint32 QueueSize = 0;
    qint32 SecondValue = 0; // its meaning belongs to the alarm pages
    QStringList Entries;

    SettingTriple QueueValue;

    CONDITION_SETTINGS(); // loads [Condition], then Reset

    void Reset();
};

void LoadConditionDefaults(CONDITION_SETTINGS& record);
