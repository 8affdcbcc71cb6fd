#include "ALARM_MAIL_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

#include <array>

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

namespace {

const std::array<TripleField<ALARM_MAIL_SETTINGS>, 1> kPortTriple{{
    SameKey(Key::PortValue, &ALARM_MAIL_SETTINGS::PortValue, {25, 1, 65535}),
}};

} // namespace

void LoadAlarmMailDefaults(ALARM_MAIL_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::AlarmMail, kPortTriple);
    record.LoadQueueDefaults(Section::AlarmMail);
}

void ALARM_MAIL_ITEM_SETTINGS::SetDefaults()
{
    Name.clear();
    TriggerTag.clear();
    StatusTag.clear();
    Subject.clear();
    To.clear();
    ContactName.clear();
    From.clear();
    Content.clear();
    Index = 0;
    TagDefinitions.clear();
}

ALARM_MAIL_SETTINGS::ALARM_MAIL_SETTINGS()
{
    LoadAlarmMailDefaults(*this);
    Reset();
}

void ALARM_MAIL_SETTINGS::Reset()
{
    ResetQueueValues();
    MailServer.clear();
    Port = PortValue.defaultValue;
    Username.clear();
    Password.clear();
    ServerType = 0;
    Encryption = 0;
    Authentication = 0;
    Entries.clear();
}

int ALARM_MAIL_SETTINGS::GetAlarmMailDefault(const QString& key, SettingTriple& out) const
{
    if (GetQueueDefault(key, out))
        return 1;
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kPortTriple);
}
