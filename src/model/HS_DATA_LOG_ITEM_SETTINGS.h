#pragma once
// The high-speed data-logging service: its profiles and the limits they take from section
// [DataLog] of DefaultSettings.ini.

#include "ConfigFiles.h"

#include <QPair>
#include <QString>
#include <QVector>
#include <QtGlobal>

// What a high-speed profile logs.
struct HS_DATA_LOG_PROFILE_SETTINGS {
    QString ProfileName;
    QString Description;
    QString TriggerTag; // dotted address of the tag that starts logging; empty when none
    qint32 FilesOfLog = 0;

    SettingTriple ProfileFilesOfLogValue;

    HS_DATA_LOG_PROFILE_SETTINGS(); // loads [DataLog], then takes the default

    // Key "ProfileFilesOfLogValue".
    int GetHsDataLogProfileDefault(const QString& key, SettingTriple& out) const;

    friend bool operator==(const HS_DATA_LOG_PROFILE_SETTINGS&, const HS_DATA_LOG_PROFILE_SETTINGS&) = default;
};

// The FTP upload of a high-speed profile.
struct HS_DATA_LOG_UPLOAD_SETTINGS {
    QString FTPServer; // name of an FTP server entry; empty when none
    QString UploadTriggerTag;
    QString UploadStatusTag;
    qint32 Tries = 0;
    qint32 Timeout = 0; // seconds per attempt

    SettingTriple UploadTryValue;
    SettingTriple UploadTimeoutValue;

    HS_DATA_LOG_UPLOAD_SETTINGS(); // loads [DataLog], then takes the defaults

    // Keys "UploadTryValue", "UploadTimeoutValue".
    int GetHsDataLogUploadDefault(const QString& key, SettingTriple& out) const;

    friend bool operator==(const HS_DATA_LOG_UPLOAD_SETTINGS&, const HS_DATA_LOG_UPLOAD_SETTINGS&) = default;
};

// One high-speed data-logging profile.
struct HS_DATA_LOG_ITEM_SETTINGS {
    HS_DATA_LOG_PROFILE_SETTINGS Profile;
    QVector<QPair<QString, QString>> SelectedTags; // tag name, dotted address
    HS_DATA_LOG_UPLOAD_SETTINGS Upload;

    // project file: the children of the profile's "Set_%d" element. Load reads into a fresh
    // record: what the element lacks keeps its default, numbers outside their triples too.
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);

    friend bool operator==(const HS_DATA_LOG_ITEM_SETTINGS&, const HS_DATA_LOG_ITEM_SETTINGS&) = default;
};
using HighSpeedLogProfile = HS_DATA_LOG_ITEM_SETTINGS;

void LoadHsDataLogProfileDefaults(HS_DATA_LOG_PROFILE_SETTINGS& record);
void LoadHsDataLogUploadDefaults(HS_DATA_LOG_UPLOAD_SETTINGS& record);
