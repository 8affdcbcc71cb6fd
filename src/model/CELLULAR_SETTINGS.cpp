#include "CELLULAR_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

#include <array>

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

namespace {

const std::array<TripleField<CELLULAR_SETTINGS>, 1> kTriples{{
    SameKey(Key::PINGCheckRetryInterval, &CELLULAR_SETTINGS::PINGCheckRetryInterval, {30, 10, 600}),
}};

} // namespace

void LoadCellularDefaults(CELLULAR_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::Cellular, kTriples);
}

CELLULAR_SETTINGS::CELLULAR_SETTINGS()
{
    LoadCellularDefaults(*this);
    AutoCheckInterval = PINGCheckRetryInterval.defaultValue;
}

int CELLULAR_SETTINGS::GetCellularDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kTriples);
}
