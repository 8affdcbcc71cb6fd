#include "ALARM_SMS_SETTINGS.h"

#include "ServiceDefaultsKeys.h"

void LoadAlarmSmsDefaults(ALARM_SMS_SETTINGS& record)
{
    record.LoadQueueDefaults(ServiceDefaultsIni::Section::AlarmSms);
}

void ALARM_SMS_ITEM_SETTINGS::SetDefaults()
{
    Name.clear();
    TriggerTag.clear();
    StatusTag.clear();
    Phone.clear();
    PhoneName.clear();
    Content.clear();
    Index = 0;
    TagDefinitions.clear();
}

ALARM_SMS_SETTINGS::ALARM_SMS_SETTINGS()
{
    LoadAlarmSmsDefaults(*this);
    Reset();
}

void ALARM_SMS_SETTINGS::Reset()
{
    ResetQueueValues();
    PIN.clear();
    Entries.clear();
}

int ALARM_SMS_SETTINGS::GetAlarmSmsDefault(const QString& key, SettingTriple& out) const
{
    return GetQueueDefault(key, out);
}
