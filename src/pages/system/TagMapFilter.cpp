#include "TagMapFilter.h"

#include "CDataCenter.h"
#include "IecTypeName.h"
#include "LanguagePack.h"
#include "ResourceTypeName.h"
#include "ServiceDefaultsReader.h"
#include "TypeIds.h"

#include <algorithm>

namespace {

constexpr unsigned kStringAll = 375;
constexpr unsigned kStringSlot = 750;
constexpr int kCpuNameResource = 999;
constexpr int kFirstInputModeValue = 1;
constexpr int kFirstOutputModeValue = 4;

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

bool digitalInputMode(int mode, int rt)
{
    switch (mode) {
    case 0:
        return true;
    case 1:
        return rt == 0;
    case 2:
        return rt != 0 && rt != 5;
    case 3:
        return !inRange(rt, 0, 4);
    default:
        return false;
    }
}

bool digitalInputOutputMode(int mode, int rt)
{
    switch (mode) {
    case 0:
        return rt != 0;
    case 1:
        return rt == 1;
    case 2:
        return inRange(rt, 2, 5);
    case 4:
        return rt == 6;
    case 5:
        return inRange(rt, 7, 8);
    default:
        return false;
    }
}

bool outputMode(int mode, int rt)
{
    switch (mode) {
    case 0:
        return true;
    case 4:
        return rt != 1 && rt != 2;
    case 5:
        return rt != 0;
    default:
        return false;
    }
}

void appendModes(std::vector<FilterEntry>& entries, const char* section, int firstValue)
{
    int value = firstValue;
    for (const QString& name : ServiceDefaults::ReadList(QLatin1String(section), QStringLiteral("Mode")))
        entries.push_back({name, value++});
}

bool isPowerModule(const QString& name)
{
    static const QStringList kPowerModules = {QStringLiteral("ulTEK 4100-PK1-15W-T"),
                                              QStringLiteral("ulTEK 4100-PK1-30W-T"),
                                              QStringLiteral("ulTEK 4100-PK2-50W-T")};
    return kPowerModules.contains(name);
}

} // namespace

bool ModePasses(int channelType, int mode, int resourceType)
{
    switch (channelType) {
    case ChannelType::DigitalInput:
        return digitalInputMode(mode, resourceType);
    case ChannelType::DigitalInputOutput:
        return digitalInputOutputMode(mode, resourceType);
    case ChannelType::DigitalOutput:
    case ChannelType::Relay:
        return outputMode(mode, resourceType);
    default:
        return true;
    }
}

int ServiceNodeId(int serviceId)
{
    switch (serviceId) {
    case ServiceId::Tavo:
        return ServiceId::TavoServer;
    case ServiceId::Dnp3Outstation:
        return ServiceId::Dnp3Master;
    case ServiceId::SnmpAgent:
        return ServiceId::SnmpAgentLink;
    default:
        return serviceId;
    }
}

bool ServiceUseMatches(const TagRecord& tag, int serviceId)
{
    std::vector<int> ids = {serviceId};
    if (serviceId == ServiceId::Tavo)
        ids = {ServiceId::TavoServer, ServiceId::TavoTagLink};
    else if (serviceId == ServiceId::SnmpAgent)
        ids = {ServiceId::SnmpAgentLink, ServiceId::SnmpAgentLink2};
    else if (serviceId == ServiceId::Dnp3Outstation)
        ids = {ServiceId::Dnp3Master, ServiceId::Dnp3Point};
    return std::any_of(tag.RelatedServices.begin(), tag.RelatedServices.end(), [&ids](const TagServiceLink& use) {
        return std::find(ids.begin(), ids.end(), use.ServiceId) != ids.end();
    });
}

bool TagMapFilter::Passes(const TagRecord& tag) const
{
    switch (kind) {
    case kBySlot:
        if (tag.SlotIndex != target || (type > 0 && tag.ChannelTypeId != type))
            return false;
        return type <= 0 || ModePasses(type, std::max(mode, 0), tag.ResourceType);
    case kByService:
        if (target == kAllServices)
            return !tag.RelatedServices.empty();
        return ServiceUseMatches(tag, target);
    default:
        return true;
    }
}

std::vector<size_t> TagMapFilter::Apply(const std::vector<TagRecord>& tags) const
{
    std::vector<size_t> passed;
    passed.reserve(tags.size());
    for (size_t position = 0; position < tags.size(); ++position) {
        if (Passes(tags[position]))
            passed.push_back(position);
    }
    return passed;
}

QString SlotLabel(const CDataCenter& model, int slot)
{
    const QString module = model.GetSlotName(slot);
    const QString slotWord = LoadLangString(kStringSlot);
    if (slot == kPowerSlot || isPowerModule(module))
        return QStringLiteral("%1 0(PWR): %2").arg(slotWord, module);
    if (slot == 0)
        return QStringLiteral("%1 0(CPU): %2")
            .arg(slotWord, model.IsSeries4100() ? model.GetResourceName(kCpuNameResource) : module);
    return QStringLiteral("%1 %2: %3").arg(slotWord).arg(slot).arg(module);
}

std::vector<FilterEntry> SlotEntries(const CDataCenter& model)
{
    std::vector<FilterEntry> entries;
    if (model.IsSeries4100() && model.SlotHasModule(kPowerSlot))
        entries.push_back({SlotLabel(model, kPowerSlot), kPowerSlot});
    for (int slot = 0; slot <= std::min(model.MaxSlotCount, kPowerSlot - 1); ++slot) {
        if (model.IsSlotUsed(slot))
            entries.push_back({SlotLabel(model, slot), slot});
    }
    return entries;
}

std::vector<FilterEntry> ServiceEntries(const CDataCenter& model)
{
    std::vector<FilterEntry> entries = {{LoadLangString(kStringAll), TagMapFilter::kAllServices}};
    for (const ServiceRecord& service : model.GetServiceList()) {
        if (service.Present)
            entries.push_back({service.ServiceText2, service.ServiceId});
    }
    return entries;
}

std::vector<FilterEntry> ChannelTypeEntries(const CDataCenter& model, int slot)
{
    std::vector<FilterEntry> entries = {{LoadLangString(kStringAll), 0}};
    std::vector<ChannelGroupEntry> groups;
    model.GetSlotChannelGroups(slot, groups);
    for (const ChannelGroupEntry& group : groups) {
        if (!IsSelectableResourceType(group.ChannelTypeId))
            continue;
        QString name = ResourceTypeName(model, group);
        if (model.IsIECMode() && IsInternalRegisterType(group.ChannelTypeId))
            name = ToIecTypeName(name);
        entries.push_back({name, group.ChannelTypeId});
    }
    return entries;
}

bool HasModeFilter(int channelType)
{
    return inRange(channelType, ChannelType::DigitalInput, ChannelType::Relay);
}

std::vector<FilterEntry> ModeEntries(int channelType)
{
    std::vector<FilterEntry> entries = {{LoadLangString(kStringAll), 0}};
    switch (channelType) {
    case ChannelType::DigitalInput:
        appendModes(entries, "DI", kFirstInputModeValue);
        break;
    case ChannelType::DigitalInputOutput:
        appendModes(entries, "DI", kFirstInputModeValue);
        appendModes(entries, "DO", kFirstOutputModeValue);
        break;
    case ChannelType::DigitalOutput:
        appendModes(entries, "DO", kFirstOutputModeValue);
        break;
    case ChannelType::Relay:
        appendModes(entries, "Relay", kFirstOutputModeValue);
        break;
    default:
        break;
    }
    return entries;
}
