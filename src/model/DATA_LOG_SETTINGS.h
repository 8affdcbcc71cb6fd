#pragma once
// The data-logging service: its profiles, each with what to log and its FTP upload, and the limits
// both parts take from section [DataLog] of DefaultSettings.ini.

#include "CAutoResource.h"
#include "ConfigFiles.h"
#include "TagDefinition.h"

#include <QPair>
#include <QString>
#include <QVector>
#include <QtGlobal>

// What a profile logs and when.
struct DATA_LOG_PROFILE_SETTINGS {
    QString Name;
    QString StartStopTag;    // dotted address of the start/stop tag
    qint32 LogCondition = 0; // bit 0: log at LogInterval; bits 1 and 2: further conditions
    QString LogTriggerTag;
    QString LogStatusTag;
    qint32 LogInterval = 0; // seconds
    qint32 FreeStorageForLogging = 0;
    qint32 FileSplitEnable = 0;   // split files by time
    qint32 FileSplitInterval = 0; // minutes
    qint32 RecordsEnable = 0;     // split files by record count
    qint32 RecordsPerFile = 0;

    SettingTriple FreeStorageForLogValue;
    SettingTriple ProfileLogIntervalValue;
    SettingTriple SeperatedIntervalValue;
    SettingTriple RecordsPerFileValue;

    DATA_LOG_PROFILE_SETTINGS(); // loads [DataLog], then Reset

    // Texts emptied, numbers back to their defaults.
    void Reset();
    // Keys "ProfileLogIntervalValue", "FreeStorageForLog", "RecordsPerFile", "SeperatedIntervalValue".
    int GetDataLogProfileDefault(const QString& key, SettingTriple& out) const;

    // project file
    // "Name", "StartStopTag", "LogCondition", "LogSettings" of the profile's "Set_%d" element.
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const DATA_LOG_PROFILE_SETTINGS&, const DATA_LOG_PROFILE_SETTINGS&) = default;
};

// The FTP upload of a profile's log files.
struct DATA_LOG_UPLOAD_SETTINGS {
    QString FTPUploadTriggerTag; // empty while the upload is not configured
    QString FTPUploadRemainStorageTag;
    qint32 ErrorHandlingRetry = 0;
    qint32 ErrorHandlingDelay = 0; // seconds
    QString FTPServer;
    qint32 Port = 0;
    QString Username;
    QString Password;        // in clear; scrambled only in the project file
    QString PasswordConfirm; // not kept in the project file
    qint32 Mode = 0;

    SettingTriple UploadTryValue;
    SettingTriple UploadTimeoutValue;
    SettingTriple PortValue;

    DATA_LOG_UPLOAD_SETTINGS(); // loads [DataLog], then Reset

    // Texts emptied, numbers back to their defaults.
    void Reset();
    // Keys "UploadTryValue", "UploadTimeoutValue", "PortValue".
    int GetDataLogUploadDefault(const QString& key, SettingTriple& out) const;

    // project file
    // Save fills the "FTPUpload" element; Load is given the profile's "Set_%d" element and leaves
    // every field as it was when that holds no "FTPUpload".
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const DATA_LOG_UPLOAD_SETTINGS&, const DATA_LOG_UPLOAD_SETTINGS&) = default;
};

// A selected tag: its name and its dotted address.
using SelectedTag = QPair<QString, QString>;

// One data-logging profile.
struct DATA_LOG_ITEM_SETTINGS {
    DATA_LOG_PROFILE_SETTINGS Profile;
    QVector<SelectedTag> SelectedTags;
    DATA_LOG_UPLOAD_SETTINGS Upload;
    qint32 Index = 0;                         // the profile number: item index of its tag uses, number in its tag names
    QVector<TagDefinition> LogTagDefinitions; // start/stop, trigger, status
    QVector<TagDefinition> UploadTagDefinitions; // FTP trigger, FTP status

    // Both parts reset, the tag lists emptied, the profile number 0.
    void Reset();

    // project file
    void Save(class IXMLElement* element) const; // children of the profile's "Set_%d" element
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const DATA_LOG_ITEM_SETTINGS&, const DATA_LOG_ITEM_SETTINGS&) = default;
};

// The data-logging service record held by the model.
struct DATA_LOG_SETTINGS {
    static constexpr qint32 kServiceFlagSet = 1;

    qint32 Reserved = 0;
    qint32 ServiceFlag = kServiceFlagSet; // kept only in memory
    QVector<DATA_LOG_ITEM_SETTINGS> Profiles;
    CAutoResource* AutoResource = CAutoResource::GetInstance(); // shared, not owned

    void Reset();

    // project file
    // Children of the "Data_Logging" element; Load appends the profiles.
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const DATA_LOG_SETTINGS&, const DATA_LOG_SETTINGS&) = default;
};
using DataLoggingSettings = DATA_LOG_SETTINGS;

void LoadDataLogProfileDefaults(DATA_LOG_PROFILE_SETTINGS& record);
void LoadDataLogUploadDefaults(DATA_LOG_UPLOAD_SETTINGS& record);
