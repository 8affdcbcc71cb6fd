// A module's definitions and tags over its life in a slot: the module-level definition lists,
// the checks before it leaves, its removal with its tags and records, and the internal-register
// quantities of the device configuration.
#include "CDataCenter.h"

#include "IXMLParser.h"
#include "TagEngineSupport.h"
#include "TextConversion.h"
#include "TraceLog.h"

#include <algorithm>
#include <array>

namespace {

using TagEngine::ItemAt;

template <typename Record>
int setTagLists(std::vector<Record>& records, int slot, std::vector<TagDefinition> definitions,
                std::vector<TagNameEntry> names)
{
    Record* record = FindRecordBySlot(records, slot);
    if (!record)
        return 0;
    record->TemplatePresent = definitions.empty() ? 0 : 1;
    record->ChannelTemplate.Definitions = std::move(definitions);
    record->ChannelTemplate.TagNames = std::move(names);
    return 1;
}

template <typename Record>
void eraseRecordOfSlot(std::vector<Record>& records, int slot)
{
    const auto found =
        std::find_if(records.begin(), records.end(), [slot](const Record& record) { return record.SlotIndex == slot; });
    if (found != records.end())
        records.erase(found);
}

template <typename List>
std::vector<TagDefinition> toVector(const List& definitions)
{
    return std::vector<TagDefinition>(definitions.begin(), definitions.end());
}

// Module-level tags first, then each channel's; HART channels also lose their sensor tags.
template <typename Record>
void deleteModuleTags(CDataCenter& model, const Record& record, int flag)
{
    model.DeleteTagsOfEntries(record.ChannelTemplate.Definitions, flag);
    for (const auto& channel : record.Channels)
        model.DeleteTagsOfEntries(channel.TagDefinitions, flag);
    if constexpr (TagEngine::kHasSensorTags<std::remove_cvref_t<decltype(record.Channels[0])>>) {
        for (const auto& channel : record.Channels) {
            for (const TagDefinition& definition : channel.SensorTagDefinitions) {
                if (!model.GetTagNameByAddress(definition.ResourceText).isEmpty())
                    model.DeleteTagsByAddress(definition.ResourceText, 1);
            }
        }
    }
}

// Deletes the tags of each port (or interface) of the slot's record, then the record.
template <typename Record, typename PortsOf>
void removePortModule(CDataCenter& model, std::vector<Record>& records, int slot, int flag, PortsOf portsOf)
{
    const Record* record = FindRecordBySlot(records, slot);
    if (!record)
        return;
    const Record copy = *record;
    for (const auto& port : portsOf(copy))
        model.DeleteTagsOfEntries(port.TagDefinitions, flag);
    eraseRecordOfSlot(records, slot);
}

void removeGroupResources(CDataCenter& model, int slot, int typeId, int flag)
{
    const bool ioModule = TagEngine::VisitIoModuleList(model, typeId, [&](auto& records) {
        const auto* record = FindRecordBySlot(records, slot);
        if (!record)
            return;
        const auto copy = *record; // tag deletion marks definitions inside the live record
        deleteModuleTags(model, copy, flag);
        eraseRecordOfSlot(records, slot);
    });
    if (ioModule)
        return;
    switch (typeId) {
    case ChannelType::Serial:
        return removePortModule(
            model, model.SerialSettings, slot, flag,
            [](const PortModuleSlotRecord& record) -> const auto& { return record.Ports; });
    case ChannelType::CanPort:
        return eraseRecordOfSlot(model.CanSettings, slot); // CAN ports make no tags
    case ChannelType::Lan:
        return removePortModule(
            model, model.NetworkSettings, slot, flag,
            [](const LanModuleSlotRecord& record) -> const auto& { return record.Interfaces; });
    case ChannelType::ResourceGroup:
        if (const ResourceGroupRecord* group = FindRecordBySlot(model.ResourceGroups, slot)) {
            model.DeleteTagsOfEntries(group->TagDefinitions, flag);
            eraseRecordOfSlot(model.ResourceGroups, slot);
        }
        return;
    case ChannelType::ConnectionStatus:
        // The connection tags are generated from the record, so they leave with it.
        if (const CellularRecord* record = FindRecordBySlot(model.CellularSettings, slot)) {
            model.DeleteTagsOfEntries(record->TagDefinitions, flag);
            eraseRecordOfSlot(model.CellularSettings, slot);
        }
        return;
    case ChannelType::PortTrunk:
        return eraseRecordOfSlot(model.PortTrunkSettings, slot);
    case ChannelType::Switch:
        return eraseRecordOfSlot(model.SwitchSettings, slot);
    default:
        return; // groups without records of their own
    }
}

const QString kPortTrunkModule = QStringLiteral("3302");
const QString kSwitchModule = QStringLiteral("3320");

// A serial port key of the slot: "S_<slot>-" then the port ("S_1-" is not a prefix of "S_10-P_0").
QString serialPortPrefix(int slot)
{
    return QStringLiteral("S_") + QString::number(slot) + QLatin1Char('-');
}

namespace RemovalCheck {
constexpr int Removable = 0;
constexpr int TagUsedByService = 1;
constexpr int PortUsedByModbusMaster = 2;
constexpr int PortUsedByService = 3;
constexpr int PortTrunkPair = 4;
constexpr int SwitchAfterPortTrunk = 5;
} // namespace RemovalCheck

// The "Out" register quantities of the device configuration, by data-type code 10..18.
struct QuantityElement {
    const char* name;
    int code;
};
constexpr std::array<QuantityElement, DataTypeCode::KindCount> kQuantityElements{{
    {"BoolOutQuantity", 10},
    {"CharOutQuantity", 11},
    {"FloatOutQuantity", 12},
    {"LongOutQuantity", 13},
    {"ShortOutQuantity", 14},
    {"StringOutQuantity", 15},
    {"UCharOutQuantity", 16},
    {"ULongOutQuantity", 17},
    {"UShortOutQuantity", 18},
}};
// Register ids are 16-bit, so no list holds more registers; larger file values are refused.
constexpr int kMaxRegisterQuantity = 65536;

} // namespace

int CDataCenter::SetDITagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names)
{
    MarkModified();
    return setTagLists(DISettings, slot, std::move(definitions), std::move(names));
}

int CDataCenter::SetDOTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names)
{
    MarkModified();
    return setTagLists(DOSettings, slot, std::move(definitions), std::move(names));
}

int CDataCenter::SetRelayTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names)
{
    MarkModified();
    return setTagLists(RelaySettings, slot, std::move(definitions), std::move(names));
}

int CDataCenter::SetDIOTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names)
{
    MarkModified();
    return setTagLists(DIOSettings, slot, std::move(definitions), std::move(names));
}

int CDataCenter::SetHartAITagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names)
{
    MarkModified();
    return setTagLists(HARTAISettings, slot, std::move(definitions), std::move(names));
}

int CDataCenter::SetAITagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names)
{
    MarkModified();
    return setTagLists(AISettings, slot, std::move(definitions), std::move(names));
}

int CDataCenter::SetHighSpeedAITagLists(int slot, std::vector<TagDefinition> definitions,
                                        std::vector<TagNameEntry> names)
{
    return setTagLists(HighSpeedAISettings, slot, std::move(definitions), std::move(names));
}

int CDataCenter::SetAOTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names)
{
    MarkModified();
    return setTagLists(AOSettings, slot, std::move(definitions), std::move(names));
}

int CDataCenter::SetTCTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names)
{
    MarkModified();
    return setTagLists(TCSettings, slot, std::move(definitions), std::move(names));
}

int CDataCenter::SetRTDTagLists(int slot, std::vector<TagDefinition> definitions, std::vector<TagNameEntry> names)
{
    MarkModified();
    return setTagLists(RTDSettings, slot, std::move(definitions), std::move(names));
}

void CDataCenter::SetHartAIChannelDefinitions(int slot, int channel, std::vector<TagDefinition> definitions)
{
    MarkModified();
    HARTAISetting* record = FindRecordBySlot(HARTAISettings, slot);
    if (HARTAIChannel* entry = record ? ItemAt(record->Channels, channel) : nullptr)
        entry->SensorTagDefinitions = std::move(definitions);
}

void CDataCenter::SetHartAIRecordDefinitions(int slot, std::vector<TagDefinition> definitions, int sensorTagCount)
{
    MarkModified();
    if (HARTAISetting* record = FindRecordBySlot(HARTAISettings, slot)) {
        record->SensorTemplate = std::move(definitions);
        record->SensorTagCount = sensorTagCount;
    }
}

void CDataCenter::ClearSlotChannelLists(int slot, int flag)
{
    if (slot == 0) {
        ClearAllSlotChannelGroups(); // the reset empties the records and tags itself
        return;
    }
    if (!ItemAt(Slots, slot))
        return;
    const std::vector<ChannelGroupEntry> groups = Slots[static_cast<size_t>(slot)].ChannelGroups;
    for (const ChannelGroupEntry& group : groups)
        removeGroupResources(*this, slot, group.ChannelTypeId, flag);
    Slots[static_cast<size_t>(slot)].ChannelGroups.clear();
}

int CDataCenter::RemoveSlotModule(int slot, int flag)
{
    ClearSlotChannelLists(slot, flag);
    ClearSlotModuleName(slot);
    ClearSlotModuleText(slot);
    return 0;
}

int CDataCenter::CheckSerialAndSwitchModules(int slot) const
{
    const SlotRecord* record = ItemAt(Slots, slot);
    if (!record)
        return RemovalCheck::Removable;
    const bool hasSerialPorts =
        std::any_of(record->ChannelGroups.begin(), record->ChannelGroups.end(),
                    [](const ChannelGroupEntry& group) { return group.ChannelTypeId == ChannelType::Serial; });
    if (hasSerialPorts) {
        const QString prefix = serialPortPrefix(slot);
        if (std::any_of(
                ModbusMasterDevices.begin(), ModbusMasterDevices.end(),
                [&](const MODBUS_EXTERNAL_DEVICE_SETTINGS& device) { return device.RTUPort.startsWith(prefix); }))
            return RemovalCheck::PortUsedByModbusMaster;
        // The DNP3 outstation is reached over TCP only; the Modbus slave is the service that
        // keeps a serial port of its own.
        if (ModbusSlave.SerialPort.startsWith(prefix))
            return RemovalCheck::PortUsedByService;
    }
    if (std::any_of(Tags.begin(), Tags.end(),
                    [slot](const TagRecord& tag) { return tag.SlotIndex == slot && !tag.RelatedServices.empty(); }))
        return RemovalCheck::TagUsedByService;
    if (slot == 0)
        return RemovalCheck::Removable; // no slot before the CPU's to pair with
    const QString module = GetSlotName(slot);
    const QString previous = GetSlotName(slot - 1);
    if (previous.contains(kPortTrunkModule)) {
        if (module.contains(kPortTrunkModule))
            return RemovalCheck::PortTrunkPair;
        if (module.contains(kSwitchModule))
            return RemovalCheck::SwitchAfterPortTrunk;
    }
    return RemovalCheck::Removable;
}

void CDataCenter::LoadInternalRegisterQuantities(IXMLElement* element)
{
    if (!element)
        return;
    for (const QuantityElement& quantity : kQuantityElements) {
        IXMLElement* child = element->FindChild(QString::fromLatin1(quantity.name));
        IXMLAttribute* result = child ? child->GetAttribute(QStringLiteral("Result")) : nullptr;
        if (!result)
            continue;
        const int count = ParseLeadingInt(result->GetValue());
        if (count < 0 || count > kMaxRegisterQuantity) {
            TraceLog("%s:%d %s %d refused", __FILE__, __LINE__, quantity.name, count);
            continue;
        }
        InternalRegisters.ListForCode(quantity.code)->resize(static_cast<size_t>(count));
    }
}
