#include "SYSTEM_LOG_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

#include <array>

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

namespace {

const std::array<TripleField<SYSTEM_LOG_SETTINGS>, 3> kTriples{{
    SameKey(Key::PortValue, &SYSTEM_LOG_SETTINGS::PortValue, {9700, 1, 65535}),
    SameKey(Key::ConnectTimeoutValue, &SYSTEM_LOG_SETTINGS::ConnectTimeoutValue, {60, 1, 300}),
    SameKey(Key::ReconnectTimeoutValue, &SYSTEM_LOG_SETTINGS::ReconnectTimeoutValue, {60, 5, 86400}),
}};

} // namespace

void LoadSystemLogDefaults(SYSTEM_LOG_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::SystemLog, kTriples);
}

SYSTEM_LOG_SETTINGS::SYSTEM_LOG_SETTINGS()
{
    LoadSystemLogDefaults(*this);
    Reset();
}

void SYSTEM_LOG_SETTINGS::Reset()
{
    FirstValue = 0;
    Entries.clear();
    ValueAfterEntries = 0;
    FirstText.clear();
    SecondText.clear();
    Port = PortValue.defaultValue;
    ThirdText.clear();
    ConnectTimeout = ConnectTimeoutValue.defaultValue;
    ReconnectTimeout = ReconnectTimeoutValue.defaultValue;
}
