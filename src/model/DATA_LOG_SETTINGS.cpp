#include "DATA_LOG_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

#include <array>

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

namespace {

using ProfilePart = DATA_LOG_PROFILE_SETTINGS;
using UploadPart = DATA_LOG_UPLOAD_SETTINGS;

const std::array<TripleField<ProfilePart>, 4> kProfileTriples{{
    SameKey(Key::ProfileLogIntervalValue, &ProfilePart::ProfileLogIntervalValue, {5, 5, 86400}),
    SameKey(Key::FreeStorageForLog, &ProfilePart::FreeStorageForLogValue, {500, 1, 500}),
    SameKey(Key::SeperatedIntervalValue, &ProfilePart::SeperatedIntervalValue, {5, 5, 86400}),
    SameKey(Key::RecordsPerFile, &ProfilePart::RecordsPerFileValue, {500, 100, 65000}),
}};

const std::array<TripleField<UploadPart>, 3> kUploadTriples{{
    SameKey(Key::UploadTryValue, &UploadPart::UploadTryValue, {0, 0, 100}),
    SameKey(Key::UploadTimeoutValue, &UploadPart::UploadTimeoutValue, {1, 1, 3600}),
    SameKey(Key::PortValue, &UploadPart::PortValue, {21, 1, 65535}),
}};

} // namespace

void LoadDataLogProfileDefaults(DATA_LOG_PROFILE_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::DataLog, kProfileTriples);
}

void LoadDataLogUploadDefaults(DATA_LOG_UPLOAD_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::DataLog, kUploadTriples);
}

DATA_LOG_PROFILE_SETTINGS::DATA_LOG_PROFILE_SETTINGS()
{
    LoadDataLogProfileDefaults(*this);
    Reset();
}

void DATA_LOG_PROFILE_SETTINGS::Reset()
{
    Name.clear();
    StartStopTag.clear();
    LogCondition = 0;
    LogTriggerTag.clear();
    LogStatusTag.clear();
    LogInterval = ProfileLogIntervalValue.defaultValue;
    FreeStorageForLogging = FreeStorageForLogValue.defaultValue;
    FileSplitEnable = 0;
    FileSplitInterval = SeperatedIntervalValue.defaultValue;
    RecordsEnable = 0;
    RecordsPerFile = RecordsPerFileValue.defaultValue;
}

int DATA_LOG_PROFILE_SETTINGS::GetDataLogProfileDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kProfileTriples);
}

DATA_LOG_UPLOAD_SETTINGS::DATA_LOG_UPLOAD_SETTINGS()
{
    LoadDataLogUploadDefaults(*this);
    Reset();
}

void DATA_LOG_UPLOAD_SETTINGS::Reset()
{
    FTPUploadTriggerTag.clear();
    FTPUploadRemainStorageTag.clear();
    ErrorHandlingRetry = UploadTryValue.defaultValue;
    ErrorHandlingDelay = UploadTimeoutValue.defaultValue;
    FTPServer.clear();
    Port = PortValue.defaultValue;
    Username.clear();
    Password.clear();
    PasswordConfirm.clear();
    Mode = 0;
}

int DATA_LOG_UPLOAD_SETTINGS::GetDataLogUploadDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kUploadTriples);
}

void DATA_LOG_ITEM_SETTINGS::Reset()
{
    Profile.Reset();
    Upload.Reset();
    SelectedTags.clear();
    LogTagDefinitions.clear();
    UploadTagDefinitions.clear();
    Index = 0;
}

void DATA_LOG_SETTINGS::Reset()
{
    ServiceFlag = kServiceFlagSet;
    Profiles.clear();
}
