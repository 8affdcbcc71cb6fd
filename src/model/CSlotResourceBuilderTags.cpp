// The tag definitions of a placed template that are not a channel's own: module-level tags, HART
// sensor tags, power registers, system variables and the cellular modem's tags.
#include "CSlotResourceBuilder.h"

#include "CDataCenter.h"
#include "CTemplateTagReader.h"
#include "HartSensorRules.h"
#include "ModuleDefaultsApplier.h"
#include "SlotKeyedLookup.h"
#include "TemplateAttributes.h"
#include "TemplateVocabulary.h"
#include "TextConversion.h"
#include "TraceLog.h"
#include "TypeIds.h"

namespace {

namespace Element = TemplateElement;

// Each HART channel carries the sensor tags of this many sensor variables.
constexpr int kHartSensorVariables = HartSensorRules::kMaximumSensors;

int containerSize(IXMLElement* container)
{
    return container ? TemplateAttributes::IntOr(container, TemplateAttribute::ResSize, 0) : 0;
}

int numberAfterLastDot(const QString& text)
{
    return ParseLeadingInt(QStringView(text).mid(text.lastIndexOf(QLatin1Char('.')) + 1));
}

TagNameEntry nameEntryOf(const CTemplateTagReader& reader, const TagDefinition& definition)
{
    return {reader.TagName(), 0, static_cast<qint32>(definition.Min), static_cast<qint32>(definition.Max)};
}

} // namespace

void CSlotResourceBuilder::BuildChannelTagTemplate(IXMLElement* element, int typeId)
{
    IXMLElement* container = TemplateAttributes::DirectChild(element, Element::ModuleTags);
    const int size = containerSize(container);
    if (size <= 0)
        return;
    std::vector<TagDefinition> definitions(static_cast<size_t>(size));
    std::vector<TagNameEntry> names(static_cast<size_t>(size));
    ChannelTagTemplate complete;
    CTemplateTagReader reader(slot_);
    int position = 0;
    for (IXMLElement* description : TemplateAttributes::Children(container)) {
        reader.Read(description);
        const TagDefinition definition = reader.SlotDefinition(position);
        definitions[static_cast<size_t>(position)] = definition;
        names[static_cast<size_t>(position)] = nameEntryOf(reader, definition);
        if (++position < size)
            continue;
        complete = {definitions, names};
        position = 0; // a further group overwrites the working lists only
    }
    StoreChannelTemplate(typeId, std::move(complete.Definitions), std::move(complete.TagNames));
}

void CSlotResourceBuilder::StoreChannelTemplate(int typeId, std::vector<TagDefinition> definitions,
                                                std::vector<TagNameEntry> names)
{
    switch (typeId) {
    case ChannelType::DigitalInput:
        model_.SetDITagLists(slot_, std::move(definitions), std::move(names));
        break;
    case ChannelType::DigitalInputOutput:
        model_.SetDIOTagLists(slot_, std::move(definitions), std::move(names));
        break;
    case ChannelType::DigitalOutput:
        model_.SetDOTagLists(slot_, std::move(definitions), std::move(names));
        break;
    case ChannelType::Relay:
        // Relay modules keep their records apart from the DO modules, and so their module-level tags.
        model_.SetRelayTagLists(slot_, std::move(definitions), std::move(names));
        break;
    case ChannelType::AnalogInput:
        model_.SetAITagLists(slot_, std::move(definitions), std::move(names));
        break;
    case ChannelType::AnalogOutput:
        model_.SetAOTagLists(slot_, std::move(definitions), std::move(names));
        break;
    case ChannelType::Thermocouple:
        model_.SetTCTagLists(slot_, std::move(definitions), std::move(names));
        break;
    case ChannelType::Rtd:
        model_.SetRTDTagLists(slot_, std::move(definitions), std::move(names));
        break;
    case ChannelType::HighSpeedAnalogInput:
        model_.SetHighSpeedAITagLists(slot_, std::move(definitions), std::move(names));
        break;
    case ChannelType::HartAnalogInput:
        model_.SetHartAITagLists(slot_, std::move(definitions), std::move(names));
        break;
    default:
        break;
    }
}

void CSlotResourceBuilder::MarkHighVoltage(IXMLElement*, const ResourceHead&)
{
    ModuleSlotRecord* record = FindRecordBySlot(model_.DISettings, slot_);
    if (!record || record->ChannelTemplate.Definitions.empty())
        return;
    record->HighVoltage = 1;
    record->ExternalPowerTags = record->ChannelTemplate.Definitions;
}

void CSlotResourceBuilder::BuildHARTSensorTags(IXMLElement* element, const ResourceHead& head)
{
    IXMLElement* container = TemplateAttributes::DirectChild(element, Element::SensorTags);
    const int size = containerSize(container);
    if (size <= 0)
        return;
    std::vector<TagDefinition> sensorTemplate;
    CTemplateTagReader reader(slot_);
    for (IXMLElement* description : TemplateAttributes::Children(container)) {
        if (static_cast<int>(sensorTemplate.size()) == size)
            break;
        reader.Read(description);
        sensorTemplate.push_back(reader.DefinitionAt(reader.ResId(), reader.Index()));
    }
    if (static_cast<int>(sensorTemplate.size()) < size)
        TraceLog("%s:%d slot %d: %d HART sensor tags of %d described", __FILE__, __LINE__, slot_,
                 static_cast<int>(sensorTemplate.size()), size);
    model_.SetHartAIRecordDefinitions(slot_, sensorTemplate, static_cast<int>(sensorTemplate.size()));

    for (int channel = 0; channel < head.count; ++channel) {
        std::vector<TagDefinition> sensorTags;
        sensorTags.reserve(sensorTemplate.size() * kHartSensorVariables);
        for (int variable = 0; variable < kHartSensorVariables; ++variable) {
            for (const TagDefinition& definition : sensorTemplate) {
                TagDefinition tag = definition;
                tag.ResourceText = HartSensorRules::SensorTagAddress(slot_, channel, definition, variable);
                sensorTags.push_back(std::move(tag));
            }
        }
        model_.SetHartAIChannelDefinitions(slot_, channel, std::move(sensorTags));
    }
}

std::vector<TagDefinition> CSlotResourceBuilder::ReadFlatDefinitions(IXMLElement* element, const ResourceHead& head,
                                                                     ResourceTypeFrom resourceType,
                                                                     bool& groupComplete) const
{
    std::vector<TagDefinition> definitions;
    CTemplateTagReader reader(slot_);
    int skipped = 0;
    for (IXMLElement* child : TemplateAttributes::Children(element)) {
        if (child->GetName() != Element::TagDescription)
            continue;
        if (static_cast<int>(definitions.size()) == head.resSize) {
            ++skipped;
            continue;
        }
        reader.Read(child);
        const int position = static_cast<int>(definitions.size());
        const int type =
            resourceType == ResourceTypeFrom::Position ? position : numberAfterLastDot(reader.SlotResourceText());
        definitions.push_back(reader.SlotDefinition(type));
    }
    groupComplete = head.resSize > 0 && static_cast<int>(definitions.size()) == head.resSize;
    if (skipped > 0 || !groupComplete)
        TraceLog("%s:%d slot %d %s: %d of %d tags described, %d beyond ResSize skipped", __FILE__, __LINE__, slot_,
                 qUtf8Printable(head.name), static_cast<int>(definitions.size()), head.resSize, skipped);
    return definitions;
}

void CSlotResourceBuilder::BuildPowerTagDefinitions(IXMLElement* element, const ResourceHead& head)
{
    bool complete = false;
    std::vector<TagDefinition> definitions = ReadFlatDefinitions(element, head, ResourceTypeFrom::LastNumber, complete);
    const int size = static_cast<int>(definitions.size());
    model_.AddResourceGroupRecord(head.alias, size, model_.IsIECMode(), std::move(definitions), model_.IsSeries4100(),
                                  slot_);
}

void CSlotResourceBuilder::BuildSystemVariableDefinitions(IXMLElement* element, const ResourceHead& head)
{
    bool complete = false;
    std::vector<TagDefinition> definitions = ReadFlatDefinitions(element, head, ResourceTypeFrom::LastNumber, complete);
    const int size = static_cast<int>(definitions.size());
    model_.SetSystemVariables(head.alias, size, model_.IsIECMode(), std::move(definitions), model_.IsSeries4100());
}

void CSlotResourceBuilder::BuildCellularRecord(IXMLElement* element, const ResourceHead& head)
{
    cellularFlag_ = true;
    CellularConfig config;
    bool complete = false;
    std::vector<TagDefinition> definitions = ReadFlatDefinitions(element, head, ResourceTypeFrom::Position, complete);
    const CellularDefaults defaults = ModuleDefaultsApplier::GetCellularDefaults();
    if (complete)
        config.AutoCheck.AutoCheckInterval = defaults.PingCheckRetryInterval;
    config.APN = defaults.Apn; // the page refuses an empty one
    const int size = static_cast<int>(definitions.size());
    model_.AddCellularRecord(slot_, head.count, size, head.alias, std::move(definitions), std::move(config));
}
