#include "AlarmQueueSettings.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

#include <array>

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

namespace {

const std::array<TripleField<AlarmQueueSettings>, 2> kTriples{{
    SameKey(Key::QueueValue, &AlarmQueueSettings::QueueValue, {500, 100, 5000}),
    SameKey(Key::DelayValue, &AlarmQueueSettings::DelayValue, {0, 0, 300}),
}};

} // namespace

void AlarmQueueSettings::LoadQueueDefaults(const QString& section)
{
    ServiceDefaults::LoadTriples(*this, section, kTriples);
    Tries = ServiceDefaults::ReadInt(section, Key::Tries, kBuiltInTries);
    DefaultTries = ServiceDefaults::ReadInt(section, Key::DefaultTries, kBuiltInDefaultTries);
}

void AlarmQueueSettings::ResetQueueValues()
{
    EventBufferSize = QueueValue.defaultValue;
    EventBufferOverflowBehavior = 0;
    ErrorHandlingRetry = DefaultTries;
    ErrorHandlingDelay = DelayValue.defaultValue;
}

int AlarmQueueSettings::GetQueueDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kTriples);
}
