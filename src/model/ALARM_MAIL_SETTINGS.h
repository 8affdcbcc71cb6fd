#pragma once
// The e-mail alarm service: its settings, its alarm entries, and the limits it takes from section
// [AlarmMail] of DefaultSettings.ini.

#include "AlarmQueueSettings.h"
#include "CAutoResource.h"
#include "ConfigFiles.h"
#include "TagDefinition.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

// One e-mail alarm.
struct ALARM_MAIL_ITEM_SETTINGS {
    QString Name;
    QString TriggerTag; // "0.%d.%s" of Index and the trigger resource id
    QString StatusTag;  // "0.%d.%s" of Index and the status resource id
    QString Subject;
    QString To;          // addresses joined by ";"
    QString ContactName; // names joined by ";", one place per address
    QString From;
    QString Content;
    qint32 Index = 0;
    QVector<TagDefinition> TagDefinitions; // trigger first, status second

    void SetDefaults();

    // project file
    void Save(class IXMLElement* element) const; // children of the entry's "Set_%d" element
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const ALARM_MAIL_ITEM_SETTINGS&, const ALARM_MAIL_ITEM_SETTINGS&) = default;
};

// The e-mail alarm service record held by the model.
struct ALARM_MAIL_SETTINGS : AlarmQueueSettings {
    QString MailServer;
    qint32 Port = 0;
    QString Username;
    QString Password;                                           // in clear; scrambled only in the project file
    qint32 ServerType = 0;                                      // index into the server type list
    qint32 Encryption = 0;                                      // index into the encryption list
    qint32 Authentication = 0;                                  // index into the authentication list
    CAutoResource* AutoResource = CAutoResource::GetInstance(); // shared, not owned
    QVector<ALARM_MAIL_ITEM_SETTINGS> Entries;

    SettingTriple PortValue;

    ALARM_MAIL_SETTINGS(); // loads [AlarmMail], then Reset

    // Texts emptied, each selectable value its default, entries emptied.
    void Reset();
    // Keys "QueueValue", "DelayValue", "PortValue".
    int GetAlarmMailDefault(const QString& key, SettingTriple& out) const;

    // project file
    // Children of the "Email" element; Load appends the entries.
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const ALARM_MAIL_SETTINGS&, const ALARM_MAIL_SETTINGS&) = default;
};
using AlarmMailSettings = ALARM_MAIL_SETTINGS;

void LoadAlarmMailDefaults(ALARM_MAIL_SETTINGS& record);
