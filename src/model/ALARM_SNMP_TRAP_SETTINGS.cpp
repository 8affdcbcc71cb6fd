#include "ALARM_SNMP_TRAP_SETTINGS.h"

void SNMP_TRAP_PROFILE_SETTINGS::Reset()
{
    *this = SNMP_TRAP_PROFILE_SETTINGS{};
}

void ALARM_SNMP_TRAP_ITEM_SETTINGS::SetDefaults()
{
    Profile.Reset();
    TagAddresses.clear();
    Index = 0;
    TagDefinitions.clear();
    TriggerTag.clear();
    StatusTag.clear();
}

void ALARM_SNMP_TRAP_SETTINGS::Reset()
{
    Entries.clear();
}
