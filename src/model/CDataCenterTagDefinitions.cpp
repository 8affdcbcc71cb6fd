// Finding the definition behind a tag from its type id and address, and the internal-register
// items with the numbers of their value kinds.
#include "CDataCenter.h"

#include "ResultCodes.h"
#include "TagEngineSupport.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

using TagEngine::FindDefinitionByText;

// Value kinds 1..9 of the data-type codes: code c and c + 9 hold the same kind.
namespace ValueKind {
constexpr int Bool = 1;
constexpr int Float = 3;
constexpr int String = 6;
} // namespace ValueKind

struct KindLimits {
    qint64 Minimum;
    qint64 Maximum;
};

// Bool, Char, Float (integer limits unused), Long, Short, String, UChar, ULong, UShort.
constexpr std::array<KindLimits, DataTypeCode::KindCount> kKindLimits{{
    {0, 1},
    {-128, 127},
    {0, 0},
    {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()},
    {std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()},
    {0, 0},
    {0, std::numeric_limits<quint8>::max()},
    {0, std::numeric_limits<quint32>::max()},
    {0, std::numeric_limits<quint16>::max()},
}};

bool isReadCode(int code)
{
    return code >= DataTypeCode::First && code <= DataTypeCode::KindCount;
}

int kindOfCode(int code)
{
    return isReadCode(code) ? code : code - DataTypeCode::KindCount;
}

// The DNP3 object type of a value kind read (input) or written by the program.
int dnp3TypeOfKind(int kind, bool input)
{
    if (kind == ValueKind::String)
        return 0;
    if (kind == ValueKind::Bool)
        return input ? Dnp3ObjectType::BinaryInput : Dnp3ObjectType::BinaryOutput;
    return input ? Dnp3ObjectType::AnalogInput : Dnp3ObjectType::AnalogOutput;
}

template <typename Record>
const TagDefinition* findInModule(const Record& record, int channelIndex, const QString& address)
{
    if (const auto* channel = TagEngine::ItemAt(record.Channels, channelIndex)) {
        if (const TagDefinition* found = FindDefinitionByText(channel->TagDefinitions, address))
            return found;
        if constexpr (TagEngine::kHasSensorTags<std::remove_cvref_t<decltype(*channel)>>) {
            if (const TagDefinition* found = FindDefinitionByText(channel->SensorTagDefinitions, address))
                return found;
        }
    }
    return FindDefinitionByText(record.ChannelTemplate.Definitions, address);
}

const TagDefinition* findServiceDefinition(const CDataCenter& model, int serviceId, int itemId, const QString& address)
{
    for (StatusTagSource source : TagEngine::OwnStatusSources(serviceId)) {
        const TagDefinition& own = TagEngine::StatusDefinition(model, source);
        if (own.ResourceText == address)
            return &own;
    }
    const auto* items = TagEngine::ServiceItemDefinitions(model, serviceId, itemId);
    return items ? FindDefinitionByText(*items, address) : nullptr;
}

const TagDefinition* findInternalRegisterDefinition(const CDataCenter& model, int type, const QString& address)
{
    const auto* list = model.InternalRegisters.ListForCode(type - RegisterType::Base);
    if (!list)
        return nullptr;
    for (const InternalVariableRecord& item : *list) {
        if (item.Definition.ResourceText == address)
            return &item.Definition;
    }
    return nullptr;
}

// The definition of the resource the address names, for a tag of type `kind`; nullptr when none.
const TagDefinition* findDefinitionOfResource(const CDataCenter& model, const QString& address, int kind)
{
    TagRecord key;
    key.ResID = address;
    int slot = 0;
    int item = 0;
    int last = 0;
    ParseTagAddress(key, slot, item, last);

    if (IsInternalRegisterType(kind))
        return findInternalRegisterDefinition(model, kind, address);
    if (kind >= ServiceId::First && kind <= ServiceId::Last)
        return findServiceDefinition(model, kind, item, address);
    switch (kind) {
    case ChannelType::ConnectionStatus: {
        const CellularRecord* record = FindRecordBySlot(model.CellularSettings, slot);
        return record ? FindDefinitionByText(record->TagDefinitions, address) : nullptr;
    }
    case ChannelType::SystemVariables:
        return FindDefinitionByText(model.SystemVariables.TagDefinitions, address);
    case ChannelType::ResourceGroup: {
        const ResourceGroupRecord* group = FindRecordBySlot(model.ResourceGroups, slot);
        return group ? FindDefinitionByText(group->TagDefinitions, address) : nullptr;
    }
    default:
        break;
    }
    const TagDefinition* found = nullptr;
    TagEngine::VisitIoModuleList(model, kind, [&](const auto& records) {
        if (const auto* record = FindRecordBySlot(records, slot))
            found = findInModule(*record, item, address);
    });
    return found;
}

} // namespace

void CDataCenter::LookupTagDefinitionFields(QString address, int kind, int& dataTypeCode, int& dnp3TagType,
                                            int& direction) const
{
    if (IsInternalRegisterType(kind)) {
        // Internal registers are described by their type alone.
        const int code = kind - RegisterType::Base;
        const bool input = isReadCode(code);
        dataTypeCode = code;
        dnp3TagType = dnp3TypeOfKind(kindOfCode(code), input);
        direction = input ? 1 : 0;
        return;
    }
    if (const TagDefinition* definition = findDefinitionOfResource(*this, address, kind)) {
        dataTypeCode = definition->TagType;
        dnp3TagType = definition->DNP3TagType;
        direction = definition->IsInput;
    }
}

int CDataCenter::GetTagDefinitionValue(TagRecord tag, int& out) const
{
    const TagDefinition* definition = findDefinitionOfResource(*this, tag.ResID, tag.ChannelTypeId);
    if (!definition)
        return 0;
    out = definition->RangeExtra;
    return 1;
}

int CDataCenter::GetTagIntegerRange(TagRecord tag, qint64& minimum, qint64& maximum) const
{
    const TagDefinition* definition = findDefinitionOfResource(*this, tag.ResID, tag.ChannelTypeId);
    if (!definition)
        return 0;
    minimum = definition->Min;
    maximum = definition->Max;
    return 1;
}

int CDataCenter::GetTagFloatRange(TagRecord tag, float& minimum, float& maximum) const
{
    const TagDefinition* definition = findDefinitionOfResource(*this, tag.ResID, tag.ChannelTypeId);
    if (!definition)
        return 0;
    minimum = definition->FloatMin;
    maximum = definition->FloatMax;
    return 1;
}

int CDataCenter::FindSlotRegisterDefinitionIndex(QString resourceText, int slot) const
{
    const ResourceGroupRecord* group = FindRecordBySlot(ResourceGroups, slot);
    if (!group)
        return -1;
    const auto& definitions = group->TagDefinitions;
    const auto found = std::find_if(definitions.begin(), definitions.end(),
                                    [&](const TagDefinition& d) { return d.ResourceText == resourceText; });
    return found == definitions.end() ? -1 : static_cast<int>(found - definitions.begin());
}

int CDataCenter::GetResourceTypeItem(int code, int resourceId, InternalVariableRecord& out) const
{
    const auto* list = InternalRegisters.ListForCode(code);
    if (!list)
        return kE_FAIL;
    const auto found = std::find_if(list->begin(), list->end(), [resourceId](const InternalVariableRecord& item) {
        return item.ChannelIndex == resourceId;
    });
    if (found == list->end())
        return kE_FAIL;
    out = *found;
    return kS_OK;
}

void CDataCenter::AddResourceTypeItem(int code, InternalVariableRecord item)
{
    MarkModified();
    if (auto* list = InternalRegisters.ListForCode(code))
        list->push_back(std::move(item));
}

void CDataCenter::AddResourceTypeItem(InternalVariableRecord item)
{
    MarkModified();
    const int code = TagEngine::InternalItemDataTypeCode(item);
    auto* list = InternalRegisters.ListForCode(code);
    if (!list)
        return;
    const int kind = kindOfCode(code);
    TagDefinition& definition = item.Definition;
    definition.DNP3TagType = dnp3TypeOfKind(kind, isReadCode(code));
    if (kind == ValueKind::Float) {
        definition.FloatMin = std::numeric_limits<float>::lowest();
        definition.FloatMax = std::numeric_limits<float>::max();
    } else {
        const KindLimits& limits = kKindLimits[static_cast<size_t>(kind - 1)];
        definition.Min = limits.Minimum;
        definition.Max = limits.Maximum;
    }
    list->push_back(std::move(item));
}
