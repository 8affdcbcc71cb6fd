#include "SNMP_AGENT_SETTINGS.h"

void SNMP_AGENT_SETTINGS::SetDefaults()
{
    EnableServer = 0;
    Version = 0;
    Contact.clear();
    Location.clear();
    ReadCommunity.clear();
    WriteCommunity.clear();
    V3RO = SNMP_AGENT_ACCOUNT{};
    V3RW = SNMP_AGENT_ACCOUNT{};
    TagTable.clear();
}
