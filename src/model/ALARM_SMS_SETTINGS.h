#pragma once
// The SMS alarm service: its settings, its alarm entries, and the limits it takes from section
// [AlarmSMS] of DefaultSettings.ini.

#include "AlarmQueueSettings.h"
#include "CAutoResource.h"
#include "ConfigFiles.h"
#include "TagDefinition.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

// One SMS alarm.
struct ALARM_SMS_ITEM_SETTINGS {
    QString Name;
    QString TriggerTag; // "0.%d.%s" of Index and the trigger resource id
    QString StatusTag;  // "0.%d.%s" of Index and the status resource id
    QString Phone;      // numbers joined by ";"
    QString PhoneName;  // names joined by ";", one place per number
    QString Content;
    qint32 Index = 0;
    QVector<TagDefinition> TagDefinitions; // trigger first, status second

    void SetDefaults();

    // project file
    void Save(class IXMLElement* element) const; // children of the entry's "Set_%d" element
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const ALARM_SMS_ITEM_SETTINGS&, const ALARM_SMS_ITEM_SETTINGS&) = default;
};

// The SMS alarm service record held by the model.
struct ALARM_SMS_SETTINGS : AlarmQueueSettings {
    QString PIN; // in clear; scrambled only in the project file
    QVector<ALARM_SMS_ITEM_SETTINGS> Entries;
    CAutoResource* AutoResource = CAutoResource::GetInstance(); // shared, not owned

    ALARM_SMS_SETTINGS(); // loads [AlarmSMS], then Reset

    // PIN emptied, each selectable value its default, entries emptied.
    void Reset();
    // Keys "QueueValue", "DelayValue".
    int GetAlarmSmsDefault(const QString& key, SettingTriple& out) const;

    // project file
    // Children of the "SMS" element; Load appends the entries.
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const ALARM_SMS_SETTINGS&, const ALARM_SMS_SETTINGS&) = default;
};
using AlarmSmsSettings = ALARM_SMS_SETTINGS;

void LoadAlarmSmsDefaults(ALARM_SMS_SETTINGS& record);
