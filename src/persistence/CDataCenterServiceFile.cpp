// The "ServiceConfiguration" element of the project file: one element per communication service,
// then the service processes the controller starts ("ServiceManagement").
#include "CDataCenter.h"

#include "ResultCodes.h"
#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "ServiceTagEngine.h"
#include "SlotKeyedLookup.h"
#include "TextConversion.h"
#include "TypeIds.h"

#include <algorithm>
#include <optional>

using namespace ServiceFile;
namespace Names = ServiceXml::ServiceConfiguration;
namespace Managed = ServiceXml::Management;
using ServiceXml::Result;

namespace {

constexpr qint32 kAlarmMailPresent = 1;
constexpr qint32 kAlarmSmsPresent = 2;
constexpr int kMaxSerialPortsPerSlot = 4;
constexpr int kPortMarkedByService = 1;
constexpr int kUsedServiceType = 0;
const QString kAlwaysOne = QStringLiteral("1");

// The device's status tag, for older files that name none: its second automatic tag.
constexpr qsizetype kDeviceStatusDefinition = 1;

const ServiceResourceText& StatusTagText(const CDataCenter& model, StatusTagSource source)
{
    return model.ServiceResourceTexts[static_cast<size_t>(StatusTagPosition(source))];
}

QString StatusTagAddress(const CDataCenter& model, StatusTagSource source)
{
    return Names::StatusTagPrefix + StatusTagText(model, source).ResourceId;
}

// The service value from "Result" unless that is missing or "NA"; whether there was one.
bool ReadServiceValue(CDataCenter& model, IXMLElement* element, int serviceId)
{
    QString text;
    if (!ReadAttribute(element, Result, text) || IsNotApplicable(text))
        return false;
    model.SetServiceResult(serviceId, ParseLeadingInt(text));
    return true;
}

// Files written before a service had its element lack the service's status tag: it is queued
// and joins the tag table once the whole file is read.
void QueueServiceStatusTag(CDataCenter& model, StatusTagSource source, int linkServiceId)
{
    const int position = StatusTagPosition(source);
    const int ownerTypeId = StatusTagSources()[static_cast<size_t>(position)].ServiceId;
    QueueTagFromDefinition(model, model.ServiceStatusTags[static_cast<size_t>(position)],
                           model.GetSlotTagPrefix(0, ownerTypeId), ownerTypeId, MakeIntPair(linkServiceId, 0));
}

// A device of an older file names no status tag: its status definition becomes one. A device
// with fewer definitions keeps the empty name and gets no tag.
void QueueDeviceStatusTag(CDataCenter& model, MODBUS_EXTERNAL_DEVICE_SETTINGS& device)
{
    if (!device.StatusTag.isEmpty() || device.TagDefinitions.size() <= kDeviceStatusDefinition)
        return;
    const TagDefinition& status = device.TagDefinitions[kDeviceStatusDefinition];
    device.StatusTag = status.ResourceText;
    QueueTagFromDefinition(model, status, model.GetSlotTagPrefix(0, ServiceId::ModbusMaster), ServiceId::ModbusMaster,
                           MakeIntPair(ServiceId::ModbusMaster, device.Index));
}

// Written only when there is a server, so files without servers keep their bytes.
void SaveSmtpServers(const std::vector<SMTP_SERVER_SETTINGS>& servers, IXMLElement* alarm)
{
    if (servers.empty())
        return;
    IXMLElement* list = alarm->AddChild(ServiceXml::Alarm::SmtpServer);
    AddValue(list, ServiceXml::Quantity, static_cast<qint32>(servers.size()));
    for (size_t i = 0; i < servers.size(); ++i)
        servers[i].Save(list->AddChild(ItemName(ServiceXml::SetPrefix, static_cast<qsizetype>(i))));
}

void ReadSmtpServers(CDataCenter& model, IXMLElement* list)
{
    // Building a server reads its port limits from DefaultSettings.ini: one fresh server is the
    // model of all read here.
    const SMTP_SERVER_SETTINGS freshServer;
    ForEachFrom(list, ItemName(ServiceXml::SetPrefix, 0), [&model, &freshServer](IXMLElement* item) {
        SMTP_SERVER_SETTINGS server = freshServer;
        server.Load(item);
        model.SmtpServers.push_back(server);
    });
}

void ReadAlarms(CDataCenter& model, IXMLElement* alarm)
{
    namespace AlarmNames = ServiceXml::Alarm;
    if (IXMLElement* mail = Child(alarm, AlarmNames::Email))
        model.AlarmMail.Load(mail);
    if (IXMLElement* sms = Child(alarm, AlarmNames::Sms))
        model.AlarmSms.Load(sms);
    if (IXMLElement* traps = Child(alarm, AlarmNames::SnmpTrap))
        model.AlarmSnmpTrap.Load(traps);
    else
        QueueServiceStatusTag(model, StatusTagSource::AlarmSnmpTrap, ServiceId::AlarmSnmpTrap);
    if (IXMLElement* servers = DirectChild(alarm, AlarmNames::SmtpServer))
        ReadSmtpServers(model, servers);
}

void ReadModbusMasterDevices(CDataCenter& model, IXMLElement* master)
{
    // One working record, reset before each device.
    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    ForEachFrom(master, ItemName(ServiceXml::SetPrefix, 0), [&model, &device](IXMLElement* item) {
        device.Reset();
        device.Load(item);
        QueueDeviceStatusTag(model, device);
        model.ModbusMasterDevices.push_back(device);
        model.MarkSerialPortUsed(device.RTUPort, kPortMarkedByService);
    });
}

// Each profile is read into a fresh record, so what one lacks takes the defaults.
void ReadHsDataLogProfiles(CDataCenter& model, IXMLElement* list)
{
    ForEachFrom(list, ItemName(ServiceXml::SetPrefix, 0), [&model](IXMLElement* item) {
        HS_DATA_LOG_ITEM_SETTINGS profile;
        profile.Load(item);
        model.HighSpeedLogProfiles.push_back(profile);
    });
}

// One entry of "ServiceManagement".
struct ManagedService {
    const QString& element;
    const QString& startCommand;
    std::optional<StatusTagSource> statusTag; // none: the entry's status tag is empty
    bool (*written)(const CDataCenter&);
    bool (*enabled)(const CDataCenter&);
};

bool Always(const CDataCenter&)
{
    return true;
}

const ManagedService kManagedServices[] = {
    {Names::Tavo, Managed::TavoCommand, StatusTagSource::Tavo, Always,
     [](const CDataCenter& m) { return !m.Tavo.Servers.isEmpty(); }},
    {Managed::AlarmEmail, Managed::AlarmEmailCommand, StatusTagSource::AlarmMail, Always,
     [](const CDataCenter& m) { return !m.AlarmMail.Entries.isEmpty(); }},
    {Managed::AlarmSMS, Managed::AlarmSMSCommand, StatusTagSource::AlarmSms, Always,
     [](const CDataCenter& m) { return !m.AlarmSms.Entries.isEmpty(); }},
    {Managed::AlarmSNMP, Managed::AlarmSNMPCommand, StatusTagSource::AlarmSnmpTrap, Always,
     [](const CDataCenter& m) { return !m.AlarmSnmpTrap.Entries.isEmpty(); }},
    {Managed::SNMPAgent, Managed::SNMPAgentCommand, StatusTagSource::SnmpAgent, Always,
     [](const CDataCenter& m) { return m.SnmpAgent.EnableServer != 0; }},
    {Managed::ModbusSlave, Managed::ModbusSlaveCommand, StatusTagSource::ModbusSlave, Always,
     [](const CDataCenter& m) { return !m.ModbusSlave.MulitTagSet.isEmpty(); }},
    {Managed::ModbusMaster, Managed::ModbusMasterCommand, StatusTagSource::ModbusMaster, Always,
     [](const CDataCenter& m) { return !m.ModbusMasterDevices.empty(); }},
    {Managed::DataLogging, Managed::DataLoggingCommand, StatusTagSource::DataLogging, Always,
     [](const CDataCenter& m) { return !m.DataLogging.Profiles.isEmpty(); }},
    {Names::RESTfulApi, Managed::RESTfulApiCommand, StatusTagSource::RESTfulApi,
     [](const CDataCenter& m) { return m.RESTfulSupported != 0; },
     [](const CDataCenter& m) { return m.RESTfulEnable != 0; }},
    {Managed::TimeSync, Managed::TimeSyncCommand, std::nullopt, Always,
     [](const CDataCenter& m) { return !m.Time.TimeServers.isEmpty(); }},
    {Managed::CellularNet, Managed::CellularNetCommand, std::nullopt,
     [](const CDataCenter& m) { return !m.CellularSettings.empty(); }, Always},
    {Managed::DNP3Outstation, Managed::DNP3OutstationCommand, StatusTagSource::Dnp3Outstation,
     [](const CDataCenter& m) { return m.Dnp3Supported != 0; },
     [](const CDataCenter& m) {
         return std::any_of(m.Dnp3Outstation.Masters.begin(), m.Dnp3Outstation.Masters.end(),
                            [](const DNP3_MASTER_ITEM_SETTINGS& master) { return master.EnableDnp3Master != 0; });
     }},
};

} // namespace

void CDataCenter::SaveServiceConfiguration(IXMLElement* product) const
{
    IXMLElement* services = product->AddChild(Names::Element);
    SaveTavoService(services);
    SaveAlarmServices(services);
    if (Dnp3Supported)
        SaveDnp3OutstationService(services);
    SaveModbusSlaveService(services);
    SaveModbusMasterService(services);
    SaveDataLoggingService(services);
    SaveHsDataLoggingService(services);
    SaveSnmpAgentService(services);
    if (RESTfulSupported)
        SaveRestfulApiService(services);
    SaveServiceManagement(services);
}

// Service elements are looked up among the direct children only: "ServiceManagement" holds
// entries of the same names.
int CDataCenter::ReadServiceConfiguration(IXMLElement* product)
{
    IXMLElement* services = DirectChild(product, Names::Element);
    if (!services)
        return kE_FAIL;

    // The TAVO and agent settings count only beside a service value.
    if (IXMLElement* tavo = DirectChild(services, Names::Tavo)) {
        if (ReadServiceValue(*this, tavo, ServiceId::Tavo))
            Tavo.Load(tavo);
    }
    if (IXMLElement* alarm = DirectChild(services, Names::Alarm))
        ReadAlarms(*this, alarm);
    if (IXMLElement* dnp3 = DirectChild(services, Names::Dnp3Outstation)) {
        ReadServiceValue(*this, dnp3, ServiceId::Dnp3Outstation);
        LoadDnp3Outstation(dnp3);
        LoadDnp3Points(dnp3);
    } else if (Dnp3Supported) {
        QueueServiceStatusTag(*this, StatusTagSource::Dnp3Outstation, ServiceId::Dnp3Outstation);
    }
    if (IXMLElement* logging = DirectChild(services, Names::DataLogging)) {
        ReadServiceValue(*this, logging, ServiceId::DataLogging);
        DataLogging.Load(logging);
    }
    if (IXMLElement* fast = DirectChild(services, Names::HsDataLogging)) {
        ReadServiceValue(*this, fast, ServiceId::HighSpeedDataLogging);
        ReadHsDataLogProfiles(*this, fast);
    }
    if (IXMLElement* slave = DirectChild(services, Names::ModbusSlave)) {
        ReadServiceValue(*this, slave, ServiceId::ModbusSlave);
        ModbusSlave.Load(slave);
    }
    if (IXMLElement* master = DirectChild(services, Names::ModbusMaster)) {
        ReadServiceValue(*this, master, ServiceId::ModbusMaster);
        ReadModbusMasterDevices(*this, master);
    }
    if (IXMLElement* agent = DirectChild(services, Names::SnmpAgent)) {
        if (ReadServiceValue(*this, agent, ServiceId::SnmpAgent))
            SnmpAgent.Load(agent);
    } else {
        // The agent's tag is linked under its second id.
        QueueServiceStatusTag(*this, StatusTagSource::SnmpAgent, ServiceId::SnmpAgentLink);
    }
    if (IXMLElement* restful = DirectChild(services, Names::RESTfulApi)) {
        ReadServiceValue(*this, restful, ServiceId::RESTfulApi);
        RESTfulEnable = IntValueInRange(restful, ServiceXml::Enable, 0, 1, 0);
    } else if (RESTfulSupported) {
        QueueServiceStatusTag(*this, StatusTagSource::RESTfulApi, ServiceId::RESTfulApi);
    }
    return kS_OK;
}

void CDataCenter::SaveAlarmServices(IXMLElement* serviceConfiguration) const
{
    namespace AlarmNames = ServiceXml::Alarm;
    IXMLElement* alarm = serviceConfiguration->AddChild(Names::Alarm);
    const qint32 present =
        (AlarmMail.Entries.isEmpty() ? 0 : kAlarmMailPresent) + (AlarmSms.Entries.isEmpty() ? 0 : kAlarmSmsPresent);
    alarm->SetAttribute(Result, IntToWString(present));
    AlarmMail.Save(alarm->AddChild(AlarmNames::Email));
    AlarmSms.Save(alarm->AddChild(AlarmNames::Sms));
    AlarmSnmpTrap.Save(alarm->AddChild(AlarmNames::SnmpTrap));
    SaveSmtpServers(SmtpServers, alarm);
}

void CDataCenter::SaveModbusSlaveService(IXMLElement* serviceConfiguration) const
{
    IXMLElement* slave = serviceConfiguration->AddChild(Names::ModbusSlave);
    slave->SetAttribute(Result, FlagText(!ModbusSlave.MulitTagSet.isEmpty()));
    ModbusSlave.Save(slave);
}

void CDataCenter::SaveModbusMasterService(IXMLElement* serviceConfiguration) const
{
    IXMLElement* master = serviceConfiguration->AddChild(Names::ModbusMaster);
    master->SetAttribute(Result, FlagText(!ModbusMasterDevices.empty()));
    AddValue(master, ServiceXml::Quantity, static_cast<qint32>(ModbusMasterDevices.size()));
    for (size_t i = 0; i < ModbusMasterDevices.size(); ++i)
        ModbusMasterDevices[i].Save(master->AddChild(ItemName(ServiceXml::SetPrefix, static_cast<qsizetype>(i))));
}

void CDataCenter::SaveDataLoggingService(IXMLElement* serviceConfiguration) const
{
    IXMLElement* logging = serviceConfiguration->AddChild(Names::DataLogging);
    logging->SetAttribute(Result, FlagText(!DataLogging.Profiles.isEmpty()));
    DataLogging.Save(logging);
}

void CDataCenter::SaveHsDataLoggingService(IXMLElement* serviceConfiguration) const
{
    if (HighSpeedLogProfiles.empty())
        return;
    IXMLElement* fast = serviceConfiguration->AddChild(Names::HsDataLogging);
    fast->SetAttribute(Result, FlagText(true));
    AddValue(fast, ServiceXml::Quantity, static_cast<qint32>(HighSpeedLogProfiles.size()));
    for (size_t i = 0; i < HighSpeedLogProfiles.size(); ++i)
        HighSpeedLogProfiles[i].Save(fast->AddChild(ItemName(ServiceXml::SetPrefix, static_cast<qsizetype>(i))));
}

// The agent's element always says 1; whether it runs shows in "ServiceManagement".
void CDataCenter::SaveSnmpAgentService(IXMLElement* serviceConfiguration) const
{
    IXMLElement* agent = serviceConfiguration->AddChild(Names::SnmpAgent);
    agent->SetAttribute(Result, kAlwaysOne);
    SnmpAgent.Save(agent);
    agent->SetAttribute(ServiceXml::StatusTag, StatusTagAddress(*this, StatusTagSource::SnmpAgent));
}

void CDataCenter::SaveRestfulApiService(IXMLElement* serviceConfiguration) const
{
    IXMLElement* restful = serviceConfiguration->AddChild(Names::RESTfulApi);
    restful->SetAttribute(Result, kAlwaysOne);
    AddValue(restful, ServiceXml::Enable, RESTfulEnable);
}

void CDataCenter::SaveServiceManagement(IXMLElement* serviceConfiguration) const
{
    IXMLElement* management = serviceConfiguration->AddChild(Names::ServiceManagement);
    for (const ManagedService& service : kManagedServices) {
        if (!service.written(*this))
            continue;
        IXMLElement* entry = management->AddChild(service.element);
        AddValue(entry, ServiceXml::Enable, FlagText(service.enabled(*this)));
        AddValue(entry, Managed::Debug, Managed::DebugValue);
        AddValue(entry, Managed::StartCmd, service.startCommand);
        AddValue(entry, Managed::StartPath, Managed::StartPathValue);
        AddValue(entry, ServiceXml::StatusTag,
                 service.statusTag ? StatusTagAddress(*this, *service.statusTag) : QString());
    }
}

void CDataCenter::MarkSerialPortUsed(const QString& portText, int used)
{
    for (int slot = 0; slot <= LastSlotInMask(); ++slot) {
        const PortModuleSlotRecord* record = IsSlotUsed(slot) ? FindRecordBySlot(SerialSettings, slot) : nullptr;
        if (!record)
            continue;
        const int portCount = std::min(record->ChannelCount, kMaxSerialPortsPerSlot);
        for (int port = 0; port < portCount; ++port) {
            if (ServiceXml::Modbus::SerialPortFormat.arg(slot).arg(port) == portText)
                SetSerialPortServiceUse(slot, port, used, kUsedServiceType);
        }
    }
}
