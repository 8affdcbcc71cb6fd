#include "ServiceStatusTags.h"

#include "TypeIds.h"

const std::array<StatusTagSourceInfo, kStatusTagSourceCount>& StatusTagSources()
{
    static const std::array<StatusTagSourceInfo, kStatusTagSourceCount> sources{{
        {StatusTagSource::AlarmMail, ServiceId::AlarmMail, "AlarmMail", "ServiceAlarmMailResourceID",
         "ServiceAlarmMailName"},
        {StatusTagSource::AlarmSms, ServiceId::AlarmSms, "AlarmSMS", "ServiceAlarmSMSResourceID",
         "ServiceAlarmSMSName"},
        {StatusTagSource::AlarmSnmpTrap, ServiceId::AlarmSnmpTrap, "AlarmSNMP", "ServiceAlarmSNMPResourceID",
         "ServiceAlarmSNMPName"},
        {StatusTagSource::SnmpAgent, ServiceId::SnmpAgent, "SNMPAgent", "ServiceSNMPAgentResourceID",
         "ServiceSNMPAgentName"},
        {StatusTagSource::Tavo, ServiceId::Tavo, "TAVO", "ServiceTAVOResourceID", "ServiceTAVOName"},
        {StatusTagSource::TavoUpdateTrigger, 0, "TAVO", "UpdateTriggerTagResourceID", "UpdateTriggerTagName"},
        {StatusTagSource::ModbusMaster, ServiceId::ModbusMaster, "ModbusMaster", "ServiceModbusResourceID",
         "ServiceModbusName"},
        {StatusTagSource::ModbusSlave, ServiceId::ModbusSlave, "ModbusSlave", "ServiceModbusSlaveResourceID",
         "ServiceModbusSlaveName"},
        {StatusTagSource::DataLogging, ServiceId::DataLogging, "DataLog", "ServiceDataLogResourceID",
         "ServiceDataLogName"},
        {StatusTagSource::RESTfulApi, ServiceId::RESTfulApi, "RESTfulAPI", "RESTfulAPIStatusResourceID",
         "RESTfulAPIStatusName"},
        {StatusTagSource::Dnp3Outstation, ServiceId::Dnp3Outstation, "DNP3", "DNP3StatusResourceID", "DNP3StatusName"},
    }};
    return sources;
}
