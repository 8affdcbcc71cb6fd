#include "HS_DATA_LOG_ITEM_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

#include <array>

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

namespace {

using ProfilePart = HS_DATA_LOG_PROFILE_SETTINGS;
using UploadPart = HS_DATA_LOG_UPLOAD_SETTINGS;

const std::array<TripleField<ProfilePart>, 1> kProfileTriples{{
    SameKey(Key::ProfileFilesOfLogValue, &ProfilePart::ProfileFilesOfLogValue, {500, 1, 500}),
}};

const std::array<TripleField<UploadPart>, 2> kUploadTriples{{
    SameKey(Key::UploadTryValue, &UploadPart::UploadTryValue, {0, 0, 100}),
    SameKey(Key::UploadTimeoutValue, &UploadPart::UploadTimeoutValue, {1, 1, 3600}),
}};

} // namespace

void LoadHsDataLogProfileDefaults(HS_DATA_LOG_PROFILE_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::DataLog, kProfileTriples);
}

void LoadHsDataLogUploadDefaults(HS_DATA_LOG_UPLOAD_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::DataLog, kUploadTriples);
}

HS_DATA_LOG_PROFILE_SETTINGS::HS_DATA_LOG_PROFILE_SETTINGS()
{
    LoadHsDataLogProfileDefaults(*this);
    FilesOfLog = ProfileFilesOfLogValue.defaultValue;
}

int HS_DATA_LOG_PROFILE_SETTINGS::GetHsDataLogProfileDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kProfileTriples);
}

HS_DATA_LOG_UPLOAD_SETTINGS::HS_DATA_LOG_UPLOAD_SETTINGS()
{
    LoadHsDataLogUploadDefaults(*this);
    Tries = UploadTryValue.defaultValue;
    Timeout = UploadTimeoutValue.defaultValue;
}

int HS_DATA_LOG_UPLOAD_SETTINGS::GetHsDataLogUploadDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kUploadTriples);
}
