#include "TIME_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

#include <array>

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

namespace {

const std::array<TripleField<TIME_SETTINGS>, 1> kTriples{{
    SameKey(Key::SyncIntervalValue, &TIME_SETTINGS::SyncIntervalValue, {1440, 5, 20000}),
}};

} // namespace

void LoadTimeSettingDefaults(TIME_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::TimeSetting, kTriples);
}

TIME_SETTINGS::TIME_SETTINGS()
{
    LoadTimeSettingDefaults(*this);
    Reset();
}

void TIME_SETTINGS::Reset()
{
    TimeZone = kDefaultTimeZone;
    SyncInterval = SyncIntervalValue.defaultValue;
    TimeServers.clear();
}

int TIME_SETTINGS::GetTimeSettingDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kTriples);
}
