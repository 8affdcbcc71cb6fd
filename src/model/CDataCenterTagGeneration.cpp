// Making the tags of placed modules from their definitions, the cellular connection tags a loaded
// project lacks, the pending tags of a loaded project, and the per-type tag counts.
#include "CDataCenter.h"

#include "TagEngineSupport.h"
#include "TagNaming.h"
#include "TraceLog.h"

namespace {

// Channel modes whose definitions a generator also takes beside the one it is given.
constexpr int kNoExtraMode = -1;
constexpr int kDOAlwaysMode = 3;
constexpr int kRelayAndAOAlwaysMode = 2;

// The module-level tags of a record: definition i is named by name entry i.
template <typename Record>
void generateModuleLevelTags(CDataCenter& model, const Record& record, int slot, const QString& alias, int typeId)
{
    const auto& definitions = record.ChannelTemplate.Definitions;
    const auto& names = record.ChannelTemplate.TagNames;
    if (names.size() < definitions.size())
        TraceLog("%s:%d slot %d type %d: %d module tags without a name are not made", __FILE__, __LINE__, slot, typeId,
                 static_cast<int>(definitions.size() - names.size()));
    for (size_t i = 0; i < definitions.size() && i < names.size(); ++i)
        model.AppendTag(MakeDefinitionTag(ModuleTagName(slot, names[i].TagName), alias, typeId, definitions[i]));
}

template <typename Channel>
void generateChannelTags(CDataCenter& model, const Channel& channel, int slot, int channelNumber, const QString& alias,
                         int typeId, int selector, int extraMode)
{
    for (const TagDefinition& definition : channel.TagDefinitions) {
        if (definition.ChMode != selector && definition.ChMode != extraMode)
            continue;
        const QString name = ChannelTagName(slot, alias, channelNumber, definition.Name);
        model.AppendTag(MakeDefinitionTag(name, alias, typeId, definition));
    }
}

// The generator of the I/O kinds. A channel that makes no tag still counts; with a channel kind
// given, only channels of that kind are used and counted.
template <typename Record>
void generateIoTags(CDataCenter& model, const std::vector<Record>& records, int typeId, int slot, int selector,
                    int extraMode, const int* channelKind = nullptr)
{
    const QString alias = model.GetSlotTagPrefix(slot, typeId);
    const std::vector<Record> snapshot = records; // AppendTag marks definitions inside these records
    for (const Record& record : snapshot) {
        if (record.SlotIndex != slot)
            continue;
        int channelNumber = 0;
        for (const auto& channel : record.Channels) {
            if constexpr (TagEngine::kHasDirection<std::remove_cvref_t<decltype(channel)>>) {
                if (channelKind && channel.IODirection != *channelKind)
                    continue;
            }
            generateChannelTags(model, channel, slot, channelNumber, alias, typeId, selector, extraMode);
            ++channelNumber;
        }
        generateModuleLevelTags(model, record, slot, alias, typeId);
    }
}

void generateCellularRecordTags(CDataCenter& model, const CellularRecord& record, bool onlyMissing)
{
    const int slot = record.SlotIndex;
    const QString alias = model.GetSlotTagPrefix(slot, ChannelType::ConnectionStatus);
    for (const TagDefinition& definition : record.TagDefinitions) {
        if (onlyMissing && model.TagAddressExists(definition.ResourceText))
            continue;
        const QString name = ConnectionTagName(slot, alias, definition.Name);
        model.AppendTag(MakeDefinitionTag(name, alias, ChannelType::ConnectionStatus, definition));
    }
}

} // namespace

int CDataCenter::RegenerateSlotTags(int slot)
{
    std::vector<ChannelGroupEntry> groups;
    GetSlotChannelGroups(slot, groups);
    for (const ChannelGroupEntry& group : groups) {
        switch (group.ChannelTypeId) {
        case ChannelType::ConnectionStatus:
            GenerateCellularTags(slot);
            break;
        case ChannelType::DigitalInput:
            GenerateDITags(slot, 0);
            break;
        case ChannelType::DigitalInputOutput:
            GenerateDIOTags(slot, 0, 0);
            break;
        case ChannelType::DigitalOutput:
            GenerateDOTags(slot, 0);
            break;
        case ChannelType::AnalogInput:
            GenerateAITags(slot, 0);
            break;
        case ChannelType::AnalogOutput:
            GenerateAOTags(slot, 0);
            break;
        case ChannelType::Thermocouple:
            GenerateTCTags(slot, 0);
            break;
        case ChannelType::Rtd:
            GenerateRTDTags(slot, 0);
            break;
        case ChannelType::Relay:
            GenerateRelayTags(slot, 0);
            break;
        case ChannelType::SystemVariables:
            GenerateSystemVariableTags(slot);
            break;
        case ChannelType::HighSpeedAnalogInput:
            GenerateHighSpeedAITags(slot, 0);
            break;
        case ChannelType::ResourceGroup:
            GenerateSystemRegisterTags(slot);
            break;
        case ChannelType::HartAnalogInput:
            GenerateHARTAITags(slot, 0);
            break;
        default:
            break; // no tags of their own
        }
    }
    return 1;
}

void CDataCenter::GenerateDITags(int slot, int selector)
{
    generateIoTags(*this, DISettings, ChannelType::DigitalInput, slot, selector, kNoExtraMode);
}

void CDataCenter::GenerateDOTags(int slot, int selector)
{
    generateIoTags(*this, DOSettings, ChannelType::DigitalOutput, slot, selector, kDOAlwaysMode);
}

void CDataCenter::GenerateRelayTags(int slot, int selector)
{
    generateIoTags(*this, RelaySettings, ChannelType::Relay, slot, selector, kRelayAndAOAlwaysMode);
}

void CDataCenter::GenerateAITags(int slot, int selector)
{
    generateIoTags(*this, AISettings, ChannelType::AnalogInput, slot, selector, kNoExtraMode);
}

void CDataCenter::GenerateAOTags(int slot, int selector)
{
    generateIoTags(*this, AOSettings, ChannelType::AnalogOutput, slot, selector, kRelayAndAOAlwaysMode);
}

void CDataCenter::GenerateTCTags(int slot, int selector)
{
    generateIoTags(*this, TCSettings, ChannelType::Thermocouple, slot, selector, kNoExtraMode);
}

void CDataCenter::GenerateRTDTags(int slot, int selector)
{
    generateIoTags(*this, RTDSettings, ChannelType::Rtd, slot, selector, kNoExtraMode);
}

void CDataCenter::GenerateHighSpeedAITags(int slot, int selector)
{
    generateIoTags(*this, HighSpeedAISettings, ChannelType::HighSpeedAnalogInput, slot, selector, kNoExtraMode);
}

void CDataCenter::GenerateHARTAITags(int slot, int selector)
{
    generateIoTags(*this, HARTAISettings, ChannelType::HartAnalogInput, slot, selector, kNoExtraMode);
}

void CDataCenter::GenerateDIOTags(int slot, int channelKind, int selector)
{
    generateIoTags(*this, DIOSettings, ChannelType::DigitalInputOutput, slot, selector, kNoExtraMode, &channelKind);
}

void CDataCenter::GenerateCellularTags(int slot)
{
    const std::vector<CellularRecord> records = CellularSettings;
    for (const CellularRecord& record : records) {
        if (record.SlotIndex == slot)
            generateCellularRecordTags(*this, record, false);
    }
}

void CDataCenter::GenerateSystemVariableTags(int slot)
{
    const QString alias = GetSlotTagPrefix(slot, ChannelType::SystemVariables);
    const std::vector<TagDefinition> definitions = SystemVariables.TagDefinitions;
    for (const TagDefinition& definition : definitions) {
        const QString name = SystemVariableTagName(slot, alias, definition.Name);
        AppendTag(MakeDefinitionTag(name, alias, ChannelType::SystemVariables, definition));
    }
}

void CDataCenter::GenerateSystemRegisterTags(int slot)
{
    const QString alias = GetSlotTagPrefix(slot, ChannelType::ResourceGroup);
    const std::vector<ResourceGroupRecord> groups = ResourceGroups;
    for (const ResourceGroupRecord& group : groups) {
        if (group.SlotIndex != slot)
            continue;
        for (const TagDefinition& definition : group.TagDefinitions) {
            const QString name = SystemRegisterTagName(slot, definition.Name);
            AppendTag(MakeDefinitionTag(name, alias, ChannelType::ResourceGroup, definition));
        }
    }
}

void CDataCenter::AddConnectionTags()
{
    const std::vector<CellularRecord> records = CellularSettings;
    for (const CellularRecord& record : records)
        generateCellularRecordTags(*this, record, true);
}

void CDataCenter::MergePendingTags()
{
    for (const SlotTagRecord& pending : PendingSlotTags) {
        if (TagAddressExists(pending.Tag.ResID))
            continue;
        AppendTag(pending.Tag);
        if (pending.ServiceUse.ServiceId != 0)
            AddTagServiceUse(pending.Tag.ResID, pending.ServiceUse);
    }
}

void CDataCenter::QueueTagFromDefinition(TagDefinition definition, QString ownerText, int typeId, int serviceId,
                                         int itemIndex)
{
    SlotTagRecord pending;
    pending.Tag.Construct(definition.BoundTagName, definition.BoundTagName, ownerText, typeId, definition.ResourceText,
                          definition.IsInput, definition.TagType, definition.DNP3TagType);
    pending.ServiceUse = MakeIntPair(serviceId, itemIndex);
    PendingSlotTags.push_back(std::move(pending));
}
