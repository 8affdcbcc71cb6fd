#include "CONDITION_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

using namespace ServiceDefaultsIni;

namespace {

constexpr SettingTriple kBuiltInQueue{500, 100, 5000};

} // namespace

void LoadConditionDefaults(CONDITION_SETTINGS& record)
{
    record.QueueValue = ServiceDefaults::ReadTriple(Section::Condition, Key::QueueValue, kBuiltInQueue);
}

CONDITION_SETTINGS::CONDITION_SETTINGS()
{
    LoadConditionDefaults(*this);
    Reset();
}

void CONDITION_SETTINGS::Reset()
{
    QueueSize = QueueValue.defaultValue;
    SecondValue = 0;
    Entries.clear();
}
