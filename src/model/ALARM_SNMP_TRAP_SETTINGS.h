#pragma once
// The SNMP-trap alarm service: its trap entries and their trap profiles.

#include "CAutoResource.h"
#include "TagDefinition.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

// Where and how one trap is sent.
struct SNMP_TRAP_PROFILE_SETTINGS {
    static constexpr qint32 kFirstSpecificTrap = 1;
    static constexpr const char* kUnsetHost = "0.0.0.0";
    static constexpr const char* kDefaultCommunity = "tarnel";

    QString TrapName;
    qint32 Version = 0;                       // index of the chosen SNMP version
    qint32 SpecificTrap = kFirstSpecificTrap; // counted from 1
    QString Hostname_1 = QString::fromLatin1(kUnsetHost);
    QString Hostname_2 = QString::fromLatin1(kUnsetHost);
    QString Community_1 = QString::fromLatin1(kDefaultCommunity);
    QString Community_2 = QString::fromLatin1(kDefaultCommunity);
    QString MessageTrap;
    qint32 MessageEnable = 0;

    void Reset();
    friend bool operator==(const SNMP_TRAP_PROFILE_SETTINGS&, const SNMP_TRAP_PROFILE_SETTINGS&) = default;
};

// One SNMP-trap alarm.
struct ALARM_SNMP_TRAP_ITEM_SETTINGS {
    SNMP_TRAP_PROFILE_SETTINGS Profile;
    QStringList TagAddresses;              // dotted addresses of the watched tags
    qint32 Index = 0;                      // never changed after the entry is added
    QVector<TagDefinition> TagDefinitions; // the entry's automatic tags
    QString TriggerTag;                    // "0.%d.%s" of Index and the trigger resource id
    QString StatusTag;                     // "0.%d.%s" of Index and the status resource id

    void SetDefaults();

    // project file
    void Save(class IXMLElement* element) const; // attributes of the entry's "Trap_%d" element
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const ALARM_SNMP_TRAP_ITEM_SETTINGS&, const ALARM_SNMP_TRAP_ITEM_SETTINGS&) = default;
};

// The SNMP-trap alarm service record held by the model.
struct ALARM_SNMP_TRAP_SETTINGS {
    QVector<ALARM_SNMP_TRAP_ITEM_SETTINGS> Entries;
    CAutoResource* AutoResource = CAutoResource::GetInstance(); // shared, not owned

    void Reset();

    // project file
    // The "SNMPTrap" element; Load appends the entries.
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const ALARM_SNMP_TRAP_SETTINGS&, const ALARM_SNMP_TRAP_SETTINGS&) = default;
};
using AlarmSnmpTrapSettings = ALARM_SNMP_TRAP_SETTINGS;
