#pragma once
// The TAVO push service: the service record the model holds, its servers, and the limits both
// take from section [TAVO] of DefaultSettings.ini.

#include "CAutoResource.h"
#include "ConfigFiles.h"
#include "TagDefinition.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

// One TAVO push server.
struct TAVO_SERVER_ITEM_SETTINGS {
    QString Name;
    QString ControlTag; // "0.%d.%s" of Index and the trigger resource id
    QString IpAddress;
    qint32 Port = 0;
    QString StatusTag;                     // "0.%d.%s" of Index and the status resource id
    qint32 Timeout = 0;                    // connect time-out, seconds
    qint32 Heartbeat = 0;                  // 1 on, 0 off
    qint32 Interval = 0;                   // heartbeat interval
    qint32 Unit = 0;                       // index into the heartbeat unit list, 0 to 2
    qint32 Index = 0;                      // the server's own resource id, 0 to 65535; never renumbered
    QVector<TagDefinition> TagDefinitions; // the server's automatic tags

    SettingTriple PortValue;
    SettingTriple ConnectTimeoutValue;
    SettingTriple HeartbeatValue;

    TAVO_SERVER_ITEM_SETTINGS(); // loads [TAVO], then SetDefaults

    void SetDefaults();
    // Keys "PortValue", "ConncetTimeoutValue", "HeartbeatValue".
    int GetTavoServerDefault(const QString& key, SettingTriple& out) const;

    // project file
    void Save(class IXMLElement* element) const; // children of the server's "Set_%d" element
    void Load(class IXMLElement* element);       // reads the triples again first
    // Round trips of the project file compare whole records.
    friend bool operator==(const TAVO_SERVER_ITEM_SETTINGS&, const TAVO_SERVER_ITEM_SETTINGS&) = default;
};

// The service's own limits; every copy of the service record carries them.
struct TavoDefaults {
    static constexpr qint32 kBuiltInServerLimit = 2;

    SettingTriple QueueValue;
    SettingTriple ReconnectTimeoutValue;
    qint32 LimitServerCount = kBuiltInServerLimit;

    // Keys "QueueValue", "ReconnectTimeoutValue".
    int GetTavoServiceDefault(const QString& key, SettingTriple& out) const;
    // Key "LimitServerCount": the largest number of servers.
    int GetLimit(const QString& key, qint32& out) const;

    // project file
    // Round trips of the project file compare whole records.
    friend bool operator==(const TavoDefaults&, const TavoDefaults&) = default;
};

// The TAVO service record held by the model.
struct TAVO_SETTINGS : TavoDefaults {
    qint32 OperationMode = 0;
    qint32 ReconnectTimeout = 0; // seconds
    qint32 QueueSize = 0;
    qint32 QueueFullAction = 0; // index into the "Action" list
    QVector<TAVO_SERVER_ITEM_SETTINGS> Servers;
    CAutoResource* AutoResource = CAutoResource::GetInstance(); // shared, not owned

    TAVO_SETTINGS(); // loads [TAVO], then Reset

    // Values back to their defaults, server list emptied; the limits stay.
    void Reset();

    // project file
    // The service settings and the server list inside the "TAVO" element; Load appends the servers.
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const TAVO_SETTINGS&, const TAVO_SETTINGS&) = default;
};
using TavoSettings = TAVO_SETTINGS;

void LoadTavoDefaults(TavoDefaults& record);
void LoadTavoServerDefaults(TAVO_SERVER_ITEM_SETTINGS& record);
