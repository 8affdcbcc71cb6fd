#pragma once
// One mail server of the e-mail alarms, with the port limits of section [SMTP] of
// DefaultSettings.ini.

#include "ConfigFiles.h"
#include "ServiceItemReference.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

struct SMTP_SERVER_SETTINGS {
    QString Name;
    QString Description;
    QString ServerAddress;
    qint32 Port = 0;
    QString Account;
    QString Password;
    QVector<ServiceItemReference> Users; // the alarm items that use this server

    SettingTriple PortValue;

    SMTP_SERVER_SETTINGS(); // loads [SMTP], then SetDefaults

    // Texts and users emptied, the port its default.
    void SetDefaults();
    // Key "PortValue".
    int GetSmtpDefault(const QString& key, SettingTriple& out) const;

    // project file: children of the server's "Set_%d" element
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    friend bool operator==(const SMTP_SERVER_SETTINGS&, const SMTP_SERVER_SETTINGS&) = default;
};

void LoadSmtpDefaults(SMTP_SERVER_SETTINGS& record);
