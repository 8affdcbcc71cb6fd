// The services as channel groups of slot 0, and the status tag each service keeps.
#include "CDataCenter.h"

#include "TagEngineSupport.h"

#include <array>
#include <limits>

namespace {

// Slot 0's service groups, in the order the tag dialogs list them.
constexpr std::array<int, 10> kServiceGroupOrder{
    ServiceId::AlarmMail,  ServiceId::AlarmSms,       ServiceId::AlarmSnmpTrap,     ServiceId::SnmpAgent,
    ServiceId::Tavo,       ServiceId::DataLogging,    ServiceId::DataLoggingUpload, ServiceId::ModbusMaster,
    ServiceId::RESTfulApi, ServiceId::Dnp3Outstation,
};

struct StatusTagService {
    int groupId; // the channel group the tag is made under
    int linkId;  // the service id of the tag's use
};

StatusTagService serviceOfSource(StatusTagSource source)
{
    switch (source) {
    case StatusTagSource::AlarmMail:
        return {ServiceId::AlarmMail, ServiceId::AlarmMail};
    case StatusTagSource::AlarmSms:
        return {ServiceId::AlarmSms, ServiceId::AlarmSms};
    case StatusTagSource::AlarmSnmpTrap:
        return {ServiceId::AlarmSnmpTrap, ServiceId::AlarmSnmpTrap};
    case StatusTagSource::SnmpAgent:
        return {ServiceId::SnmpAgent, ServiceId::SnmpAgentLink};
    case StatusTagSource::Tavo:
    case StatusTagSource::TavoUpdateTrigger:
        return {ServiceId::Tavo, ServiceId::Tavo};
    case StatusTagSource::ModbusMaster:
        return {ServiceId::ModbusMaster, ServiceId::ModbusMaster};
    case StatusTagSource::ModbusSlave:
        return {ServiceId::ModbusSlave, ServiceId::ModbusSlave};
    case StatusTagSource::DataLogging:
        return {ServiceId::DataLogging, ServiceId::DataLogging};
    case StatusTagSource::RESTfulApi:
        return {ServiceId::RESTfulApi, ServiceId::RESTfulApi};
    case StatusTagSource::Dnp3Outstation:
        return {ServiceId::Dnp3Outstation, ServiceId::Dnp3Outstation};
    }
    return {};
}

// A service status is a signed 32-bit input value; the TAVO update trigger a written two-state value.
void fillStatusNumbers(TagDefinition& definition, bool updateTrigger)
{
    constexpr int kStatusCode = 4;
    constexpr int kTriggerCode = 10;
    constexpr int kTriggerItem = 3;
    definition.TagUseFlag = 1;
    definition.ResType = updateTrigger ? kTriggerItem : 0;
    definition.TagType = updateTrigger ? kTriggerCode : kStatusCode;
    definition.DNP3TagType = updateTrigger ? Dnp3ObjectType::BinaryOutput : Dnp3ObjectType::AnalogInput;
    definition.IsInput = updateTrigger ? 0 : 1;
    definition.IoDirection = TagDefinition::kDefaultIoDirection;
    definition.Min = updateTrigger ? 0 : std::numeric_limits<qint32>::min();
    definition.Max = updateTrigger ? 1 : std::numeric_limits<qint32>::max();
}

// The status-tag setups in the order a project makes them, with the product feature each needs.
enum class Needs { Nothing, Hspa, RESTful, Dnp3 };
struct StatusTagStep {
    StatusTagSource source;
    Needs needs;
};
constexpr std::array<StatusTagStep, kStatusTagSourceCount> kStatusTagOrder{{
    {StatusTagSource::AlarmMail, Needs::Nothing},
    {StatusTagSource::ModbusMaster, Needs::Nothing},
    {StatusTagSource::ModbusSlave, Needs::Nothing},
    {StatusTagSource::DataLogging, Needs::Nothing},
    {StatusTagSource::Tavo, Needs::Nothing},
    {StatusTagSource::AlarmSms, Needs::Hspa},
    {StatusTagSource::AlarmSnmpTrap, Needs::Nothing},
    {StatusTagSource::SnmpAgent, Needs::Nothing},
    {StatusTagSource::TavoUpdateTrigger, Needs::Nothing},
    {StatusTagSource::RESTfulApi, Needs::RESTful},
    {StatusTagSource::Dnp3Outstation, Needs::Dnp3},
}};

bool productHas(const CDataCenter& model, Needs needs)
{
    switch (needs) {
    case Needs::Hspa:
        return model.HasHSPA();
    case Needs::RESTful:
        return model.IsRESTfulSupported();
    case Needs::Dnp3:
        return model.IsDnp3Supported();
    default:
        return true;
    }
}

} // namespace

void CDataCenter::AddServiceResources()
{
    for (int serviceId : kServiceGroupOrder) {
        // The upload shares the data-logging name.
        const int namedId = serviceId == ServiceId::DataLoggingUpload ? ServiceId::DataLogging : serviceId;
        AppendSlotChannelGroup(0, GetResourceName(namedId), serviceId);
    }
}

int CDataCenter::SetupServiceStatusTag(StatusTagSource source, int create)
{
    const ServiceResourceText& text = ServiceResourceTexts[static_cast<size_t>(StatusTagPosition(source))];
    TagDefinition& definition = TagEngine::StatusDefinition(*this, source);
    definition.Name = text.Name;
    definition.ResourceText = QStringLiteral("0.0.") + text.ResourceId;
    definition.BoundTagName = text.Name;
    fillStatusNumbers(definition, source == StatusTagSource::TavoUpdateTrigger);
    if (create != 1)
        return 1;

    const StatusTagService service = serviceOfSource(source);
    const ChannelGroupEntry group{GetResourceName(service.groupId), service.groupId};
    const QString address = definition.ResourceText;
    if (!AddTagFromDefinition(group, definition, text.Name))
        return 0;
    AddTagServiceUse(address, service.linkId, 0);
    return 1;
}

int CDataCenter::CreateStatusTags(int flag)
{
    for (const StatusTagStep& step : kStatusTagOrder) {
        if (productHas(*this, step.needs) && !SetupServiceStatusTag(step.source, flag))
            return 0;
    }
    return 1;
}
