#pragma once
// The SNMP agent service: its general settings, its two version 3 accounts and its published tags.

#include "CAutoResource.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

// One SNMP version 3 account of the agent.
struct SNMP_AGENT_ACCOUNT {
    QString UserName;
    quint32 EnableAuthentication = 0; // position in the authentication protocol list, 0 none
    QString AuthenticationPW;
    quint32 EnablePrivacy = 0; // position in the privacy protocol list, 0 none
    QString PrivacyPW;

    friend bool operator==(const SNMP_AGENT_ACCOUNT&, const SNMP_AGENT_ACCOUNT&) = default;
};

// One tag published by the agent.
struct SNMP_AGENT_TAG_ITEM {
    QString TagName;
    QString TagResID;     // the tag's dotted address
    qint32 TagAccess = 0; // 1 when the tag can be written
    quint32 OID = 0;      // the entry's object number

    friend bool operator==(const SNMP_AGENT_TAG_ITEM&, const SNMP_AGENT_TAG_ITEM&) = default;
};

// The SNMP agent service record held by the model.
struct SNMP_AGENT_SETTINGS {
    CAutoResource* AutoResource = CAutoResource::GetInstance(); // shared, not owned
    quint32 EnableServer = 0;
    quint32 Version = 0; // 0 versions 1 and 2c, 1 version 3, any other value both
    QString Contact;
    QString Location;
    QString ReadCommunity;
    QString WriteCommunity;
    SNMP_AGENT_ACCOUNT V3RO; // read-only account
    SNMP_AGENT_ACCOUNT V3RW; // read-write account
    QVector<SNMP_AGENT_TAG_ITEM> TagTable;

    // Texts emptied, numbers 0, published tags emptied.
    void SetDefaults();

    // project file
    // Attributes and children of the "SNMP_Agent" element.
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const SNMP_AGENT_SETTINGS&, const SNMP_AGENT_SETTINGS&) = default;
};
