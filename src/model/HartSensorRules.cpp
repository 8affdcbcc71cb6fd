#include "HartSensorRules.h"

#include "ConfigFiles.h"
#include "IniFile.h"
#include "ModuleRecords.h"
#include "SlotKeyedLookup.h"
#include "TagNaming.h"
#include "TypeIds.h"
#include "Validation.h"

namespace HartSensorRules {

namespace {

using ChannelRules::UnsignedTriple;
using Outcome = SensorListChange::Outcome;

constexpr quint32 kNewSensorPreambles = 5;

UnsignedTriple readTriple(const QString& key, const UnsignedTriple& builtIn)
{
    const QString path = GetDefaultSettingsPath();
    if (path.isEmpty())
        return builtIn;
    return ChannelRules::ParseUnsignedTriple(GetPrivateProfileString(kSection, key, QString(), path), builtIn);
}

bool inRange(quint32 value, const UnsignedTriple& limits)
{
    return value >= limits.minimum && value <= limits.maximum;
}

// Runs visit(sensor, address, definition) for every tag of sensors [first, last) of the channel.
template <typename Visit>
void forEachSensorTag(int slot, int channel, const std::vector<TagDefinition>& definitions, int first, int last,
                      Visit visit)
{
    for (int sensor = first; sensor < last; ++sensor) {
        for (const TagDefinition& definition : definitions)
            visit(sensor, SensorTagAddress(slot, channel, definition, sensor), definition);
    }
}

bool anyTagInUse(const CDataCenter& model, int slot, int channel, const std::vector<TagDefinition>& definitions,
                 int first, int last)
{
    bool used = false;
    forEachSensorTag(slot, channel, definitions, first, last, [&](int, const QString& address, const TagDefinition&) {
        const TagRecord* tag = model.Tags.FirstAt(address);
        used = used || (tag && !tag->RelatedServices.empty());
    });
    return used;
}

void removeTags(CDataCenter& model, int slot, int channel, const std::vector<TagDefinition>& definitions, int first,
                int last, SensorListChange& change)
{
    forEachSensorTag(slot, channel, definitions, first, last, [&](int, const QString& address, const TagDefinition&) {
        const TagRecord* tag = model.Tags.FirstAt(address);
        if (!tag)
            return;
        change.Removed.push_back({tag->TagName, address});
        model.DeleteTagsByAddress(address, 1);
    });
}

void createTags(CDataCenter& model, int slot, int channel, const std::vector<TagDefinition>& definitions, int first,
                int last, SensorListChange& change)
{
    const QString prefix = model.GetSlotTagPrefix(slot, ChannelType::HartAnalogInput);
    forEachSensorTag(slot, channel, definitions, first, last,
                     [&](int sensor, const QString& address, const TagDefinition& definition) {
                         if (model.TagAddressExists(address))
                             return; // a second tag at the address would shadow the first
                         const QString name = SensorTagName(slot, channel, sensor, definition.Name);
                         if (!model.IsTagNameFree(name)) {
                             change.NotCreated << name;
                             return;
                         }
                         TagDefinition placed = definition;
                         placed.ResourceText = address;
                         model.AppendTag(MakeDefinitionTag(name, prefix, ChannelType::HartAnalogInput, placed));
                         change.Created.push_back({name, address});
                     });
}

} // namespace

SensorIdLimits ReadSensorIdLimits()
{
    const SensorIdLimits builtIn;
    return {readTriple(kManufacturerIdKey, builtIn.ManufacturerId), readTriple(kDeviceTypeKey, builtIn.DeviceType),
            readTriple(kUniqueIdKey, builtIn.UniqueId)};
}

std::optional<UnsignedTriple> LimitOfKey(const SensorIdLimits& limits, const QString& key)
{
    if (key == kManufacturerIdKey)
        return limits.ManufacturerId;
    if (key == kDeviceTypeKey)
        return limits.DeviceType;
    if (key == kUniqueIdKey)
        return limits.UniqueId;
    return std::nullopt;
}

HARTSensorEntry NewSensor(const SensorIdLimits& limits)
{
    HARTSensorEntry sensor;
    sensor.Preambles = kNewSensorPreambles;
    sensor.ManuID = limits.ManufacturerId.defaultValue;
    sensor.DeviceType = limits.DeviceType.defaultValue;
    sensor.UniqueID = limits.UniqueId.defaultValue;
    return sensor;
}

SensorIdCheck CheckSensorIds(const HARTSensorEntry& sensor, const SensorIdLimits& limits)
{
    return {inRange(sensor.ManuID, limits.ManufacturerId), inRange(sensor.DeviceType, limits.DeviceType),
            inRange(sensor.UniqueID, limits.UniqueId)};
}

QString SensorTagName(int slot, int channel, int sensor, const QString& definitionName)
{
    return MakeValidTagName(QStringLiteral("S%1_HART%2_T%3_%4").arg(slot).arg(channel).arg(sensor).arg(definitionName));
}

QString SensorTagAddress(int slot, int channel, const TagDefinition& definition, int sensor)
{
    return QStringLiteral("%1.%2.%3.%4.%5")
        .arg(slot)
        .arg(channel)
        .arg(definition.ResourceText)
        .arg(sensor)
        .arg(definition.ResType);
}

SensorListChange StoreChannelSensors(CDataCenter& model, int slot, int channel, std::vector<HARTSensorEntry> sensors)
{
    SensorListChange change;
    const HARTAISetting* record = FindRecordBySlot(model.HARTAISettings, slot);
    if (!record || channel < 0 || static_cast<size_t>(channel) >= record->Channels.size())
        return change;
    if (sensors.size() > static_cast<size_t>(kMaximumSensors)) {
        change.Result = Outcome::TooMany;
        return change;
    }
    const std::vector<TagDefinition> definitions = record->SensorTemplate; // the record changes below
    const int before = static_cast<int>(record->Channels[static_cast<size_t>(channel)].Sensors.size());
    const int after = static_cast<int>(sensors.size());
    if (after < before && anyTagInUse(model, slot, channel, definitions, after, before)) {
        change.Result = Outcome::TagInUse;
        change.FirstRemoved = after;
        change.LastRemoved = before - 1;
        return change;
    }
    model.SetHARTAIChannelData(slot, channel, std::move(sensors));
    removeTags(model, slot, channel, definitions, after, before, change);
    createTags(model, slot, channel, definitions, before, after, change);
    change.Result = Outcome::Stored;
    return change;
}

} // namespace HartSensorRules
