// The HART analog input groups of a slot: "HARTAI" with the range values and "HART" with the
// operation mode, retries and sensor list of every channel.
#include "ModuleRecords.h"

#include "AbbreviationLists.h"
#include "ChannelElementNames.h"
#include "ChannelGroupIO.h"
#include "DeviceFileNames.h"
#include "HartSensorRules.h"
#include "TraceLog.h"

#include <QStringList>

using namespace DeviceFile;

namespace {

// The sensor fields in written order.
struct SensorField {
    const QString& name;
    quint32 HARTSensorEntry::*field;
};

const std::array<SensorField, 7>& sensorFields()
{
    static const std::array<SensorField, 7> fields{{
        {Name::FrameType, &HARTSensorEntry::FrameType},
        {Name::Command, &HARTSensorEntry::Command},
        {Name::Preambles, &HARTSensorEntry::Preambles},
        {Name::Address, &HARTSensorEntry::Address},
        {Name::ManuID, &HARTSensorEntry::ManuID},
        {Name::DeviceType, &HARTSensorEntry::DeviceType},
        {Name::UniqueID, &HARTSensorEntry::UniqueID},
    }};
    return fields;
}

void addSensorSettings(IXMLElement* item, const std::vector<HARTSensorEntry>& sensors)
{
    IXMLElement* sensorSetting = item->AddChild(Name::SensorSetting);
    AddSigned(sensorSetting, Name::Quantity, static_cast<qint64>(sensors.size()));
    for (size_t j = 0; j < sensors.size(); ++j) {
        IXMLElement* sensorItem = sensorSetting->AddChild(ItemName(static_cast<int>(j)));
        for (const SensorField& field : sensorFields())
            AddUnsigned(sensorItem, field.name, sensors[j].*field.field);
    }
}

struct SensorResourceNaming {
    const QStringList& abbreviations;
    int tagsPerSensor;
};

// Per sensor, its share of the channel's sensor tags.
void addSensorResourceIds(IXMLElement* item, const HARTAIChannel& channel, const SensorResourceNaming& naming)
{
    AddSigned(item, Name::Quantity, static_cast<qint64>(channel.Sensors.size()));
    const std::vector<TagDefinition>& tags = channel.SensorTagDefinitions;
    for (size_t j = 0; j < channel.Sensors.size(); ++j) {
        IXMLElement* sensorItem = item->AddChild(ItemName(static_cast<int>(j)));
        for (int t = 0; t < naming.tagsPerSensor; ++t) {
            const size_t position = j * static_cast<size_t>(naming.tagsPerSensor) + static_cast<size_t>(t);
            if (position >= tags.size())
                break;
            QString abbreviation;
            if (AbbreviationAt(naming.abbreviations, tags[position].ResType, Name::HartSensorSection, abbreviation))
                AddValue(sensorItem, Name::ResIDPrefix + abbreviation, tags[position].ResourceText);
        }
    }
}

HARTSensorEntry readSensor(IXMLElement* sensorItem)
{
    HARTSensorEntry sensor;
    for (const SensorField& field : sensorFields())
        sensor.*field.field = UnsignedOr(sensorItem, field.name, 0, 0, 0);
    return sensor;
}

// The sensors start at the second child of "SensorSetting", whatever the first one is.
void appendSensors(IXMLElement* sensorSetting, std::vector<HARTSensorEntry>& sensors)
{
    const quint32 quantity = UnsignedOr(sensorSetting, Name::Quantity, 0, 0, 0);
    const std::vector<IXMLElement*> children = ChildrenOf(sensorSetting);
    for (size_t j = 1; j < children.size() && j - 1 < quantity; ++j)
        sensors.push_back(readSensor(children[j]));
}

// A channel polls at most five sensors; a file naming more (edited by hand) keeps the first ones.
void keepPolledSensors(HARTAIChannel& channel, int slot, int channelIndex)
{
    const size_t found = channel.Sensors.size();
    if (found <= size_t(HartSensorRules::kMaximumSensors))
        return;
    channel.Sensors.resize(size_t(HartSensorRules::kMaximumSensors));
    TraceLog("%s:%d slot %d channel %d: %d HART sensors in the project file, the first %d kept", __FILE__, __LINE__,
             slot, channelIndex, int(found), HartSensorRules::kMaximumSensors);
}

void readHartValues(HARTAIChannel& channel, IXMLElement* item)
{
    channel.Setting.HartOpMode = UnsignedOr(item, Name::HartOpMode, 0, 0, 0);
    channel.Setting.NumRetry = UnsignedOr(item, Name::NumRetry, 0, 0, 0);
    if (IXMLElement* sensorSetting = item->FindChild(Name::SensorSetting))
        appendSensors(sensorSetting, channel.Sensors);
}

} // namespace

void HARTAISetting::SaveHartAiChannels(IXMLElement* slotElement)
{
    GroupElements ranges;
    if (!AddGroupElements(slotElement, Name::HARTAI, ranges))
        return;
    GroupElements hart;
    AddGroupElements(slotElement, Name::HART, hart);
    GetAbbreviationList(Name::HartSection, Abbreviations);
    QStringList sensorAbbreviations;
    GetAbbreviationList(Name::HartSensorSection, sensorAbbreviations);
    const SensorResourceNaming sensorNaming{sensorAbbreviations, SensorTagCount};
    for (size_t k = 0; k < Channels.size(); ++k) {
        const HARTAIChannel& channel = Channels[k];
        const ChannelItems rangeItems = AddChannelItems(ranges, static_cast<int>(k));
        const ChannelItems hartItems = AddChannelItems(hart, static_cast<int>(k));
        AddInputRangeValues(rangeItems.setting, channel.Setting);
        AddUnsigned(hartItems.setting, Name::HartOpMode, channel.Setting.HartOpMode);
        AddUnsigned(hartItems.setting, Name::NumRetry, channel.Setting.NumRetry);
        addSensorSettings(hartItems.setting, channel.Sensors);
        AddTagResourceIds(rangeItems.resource, channel.TagDefinitions, Abbreviations, Name::HartSection);
        addSensorResourceIds(hartItems.resource, channel, sensorNaming);
    }
}

void HARTAISetting::LoadHartAiChannels(IXMLElement* slotElement)
{
    GetAbbreviationList(Name::HartSection, Abbreviations);
    IXMLElement* setting = slotElement ? slotElement->FindChild(Name::Setting) : nullptr;
    if (!setting)
        return;
    IXMLElement* ranges = setting->FindChild(Name::HARTAI);
    IXMLElement* hart = setting->FindChild(Name::HART);
    FillChannels(ChildrenOf(ranges), Channels, ChannelCount,
                 [](HARTAIChannel& channel, IXMLElement* item) { ReadInputRangeValues(item, channel.Setting); });
    FillChannels(ChildrenOf(hart), Channels, ChannelCount, readHartValues);
    for (size_t k = 0; k < Channels.size(); ++k)
        keepPolledSensors(Channels[k], SlotIndex, int(k));
}
