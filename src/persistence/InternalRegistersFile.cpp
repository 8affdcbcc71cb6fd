// The internal register groups: one kind's element under "Setting"/"InternalRegister" with a
// "Set_%d" per register, and the registers' resource ids numbered on under
// "Resource"/"InternalRegister".
#include "InternalRegisters.h"

#include "DeviceFileIO.h"
#include "DeviceFileNames.h"
#include "InternalRegisterNames.h"
#include "TextConversion.h"
#include "TypeIds.h"

#include <bit>

using namespace DeviceFile;

namespace {

constexpr int kFirstWrittenType = RegisterType::Base + DataTypeCode::KindCount + 1; // 1510
constexpr int kDecimal = 10;

// Type index (as written in "DataType") of each value kind.
namespace TypeIndex {
constexpr int Bool = 0;
constexpr int Char = 1;
constexpr int Short = 2;
constexpr int Long = 3;
constexpr int UChar = 4;
constexpr int UShort = 5;
constexpr int ULong = 6;
constexpr int Float = 7;
constexpr int String = 8;
} // namespace TypeIndex

bool isWrittenType(int typeId)
{
    return typeId >= kFirstWrittenType && typeId <= RegisterType::Last;
}

// The type index of a register type's kind (1501 and 1510 Bool ...).
int typeIndexOfRegisterType(int typeId)
{
    return MapDataTypeCode(typeId - RegisterType::Base);
}

QString initialValueText(const InternalVariableRecord& reg, int typeIndex)
{
    const quint32 value = reg.Value;
    switch (typeIndex) {
    case TypeIndex::Bool:
    case TypeIndex::Long:
        return IntToWString(static_cast<qint32>(value));
    case TypeIndex::Char:
        return CharToWString(static_cast<qint8>(value));
    case TypeIndex::Short:
        return ShortToWString(static_cast<qint16>(value));
    case TypeIndex::UChar:
        return UCharToWString(static_cast<quint8>(value));
    case TypeIndex::UShort:
        return UShortToWString(static_cast<quint16>(value));
    case TypeIndex::ULong:
        return ULongToWString(value);
    case TypeIndex::Float:
        return FloatToString(std::bit_cast<float>(value));
    default:
        return reg.TextValue;
    }
}

QString limitText(qint64 integer, float real, int typeIndex)
{
    return typeIndex == TypeIndex::Float ? FloatToString(real) : Int64ToWString(integer);
}

void addRegisterValues(IXMLElement* item, const InternalVariableRecord& reg)
{
    const TagDefinition& definition = reg.Definition;
    const int typeIndex = MapDataTypeCode(reg.TagType);
    AddValue(item, Name::ResID, definition.ResourceText);
    AddValue(item, Name::ResName, definition.Name);
    AddSigned(item, Name::ResType, definition.ResType);
    AddSigned(item, Name::Direction, reg.Direction == 0 ? 1 : 0);
    AddSigned(item, Name::RegisterDataType, typeIndex);
    AddSigned(item, Name::TagType, reg.TagType);
    AddSigned(item, Name::RegisterChannelIndex, reg.ChannelIndex);
    AddSigned(item, Name::DNP3TagType, definition.DNP3TagType);
    AddValue(item, Name::Min, limitText(definition.Min, definition.FloatMin, typeIndex));
    AddValue(item, Name::Max, limitText(definition.Max, definition.FloatMax, typeIndex));
    if (typeIndex == kUnknownDataTypeIndex)
        item->AddChild(Name::InitialValue);
    else
        AddValue(item, Name::InitialValue, initialValueText(reg, typeIndex));
    AddSigned(item, Name::Retain, reg.Retain);
}

void readLimits(IXMLElement* item, TagDefinition& definition, bool realLimits)
{
    QString text;
    if (ReadValue(item, Name::Min, text)) {
        if (realLimits)
            definition.FloatMin = static_cast<float>(ParseLeadingDouble(text));
        else
            definition.Min = ParseLeadingInt64(text);
    }
    if (ReadValue(item, Name::Max, text)) {
        if (realLimits)
            definition.FloatMax = static_cast<float>(ParseLeadingDouble(text));
        else
            definition.Max = ParseLeadingInt64(text);
    }
}

// A register read from its element into a new record, so nothing of the register before it
// carries over.
InternalVariableRecord readRegister(IXMLElement* item, int typeId)
{
    InternalVariableRecord reg;
    TagDefinition& definition = reg.Definition;
    KeepText(item, Name::ResID, definition.ResourceText);
    KeepText(item, Name::ResName, definition.Name);
    KeepSigned(item, Name::ResType, definition.ResType);
    QString text;
    if (ReadValue(item, Name::Direction, text))
        reg.Direction = ParseLeadingInt(text) == 0 ? 1 : 0;
    KeepSigned(item, Name::RegisterDataType, reg.DataType);
    if (ReadValue(item, Name::TagType, text)) {
        reg.TagType = ParseLeadingInt(text);
        definition.TagType = reg.TagType;
    }
    KeepSigned(item, Name::RegisterChannelIndex, reg.ChannelIndex);
    KeepSigned(item, Name::DNP3TagType, definition.DNP3TagType);
    KeepSigned(item, Name::Retain, reg.Retain);
    readLimits(item, definition, typeIndexOfRegisterType(typeId) == TypeIndex::Float);
    definition.IsInput = reg.Direction;
    return reg;
}

// The initial value by the kind of the list's register type.
void readInitialValue(IXMLElement* item, int typeId, InternalVariableRecord& reg)
{
    QString text;
    if (!ReadValue(item, Name::InitialValue, text))
        return;
    switch (typeIndexOfRegisterType(typeId)) {
    case TypeIndex::Bool:
    case TypeIndex::Long:
        reg.Value = static_cast<quint32>(ParseLeadingInt(text));
        break;
    case TypeIndex::Char:
        reg.Value = static_cast<quint8>(ParseLeadingInt(text));
        break;
    case TypeIndex::Short:
        reg.Value = static_cast<quint16>(ParseLeadingInt(text));
        break;
    case TypeIndex::UChar:
        reg.Value = static_cast<quint8>(ParseULongText(text, kDecimal));
        break;
    case TypeIndex::UShort:
        reg.Value = static_cast<quint16>(ParseULongText(text, kDecimal));
        break;
    case TypeIndex::ULong:
        reg.Value = ParseULongText(text, kDecimal);
        break;
    case TypeIndex::Float:
        reg.Value = std::bit_cast<quint32>(static_cast<float>(ParseLeadingDouble(text)));
        break;
    case TypeIndex::String:
        reg.TextValue = text;
        break;
    default:
        break;
    }
}

} // namespace

void InternalRegisterTable::SaveInternalRegisters(IXMLElement* slotElement, int typeId) const
{
    IXMLElement* setting = slotElement ? slotElement->FindChild(Name::Setting) : nullptr;
    IXMLElement* resource = slotElement ? slotElement->FindChild(Name::Resource) : nullptr;
    IXMLElement* settingGroup = setting ? setting->FindChild(Name::InternalRegister) : nullptr;
    IXMLElement* resourceGroup = resource ? resource->FindChild(Name::InternalRegister) : nullptr;
    if (!settingGroup || !resourceGroup || !isWrittenType(typeId))
        return;
    const std::vector<InternalVariableRecord>& registers = *ListForCode(typeId - RegisterType::Base);
    // The kind's element carries its registers: written the long way, as a wrapper is needed.
    const QString& kindName = Name::RegisterKinds[static_cast<size_t>(typeId - kFirstWrittenType)];
    IXMLElement* kindElement = settingGroup->AddChild(kindName);
    kindElement->SetAttribute(Name::Result, IntToWString(typeId));
    for (size_t k = 0; k < registers.size(); ++k)
        addRegisterValues(kindElement->AddChild(ItemName(static_cast<int>(k))), registers[k]);
    // The resource ids of all register groups of the document are numbered consecutively.
    int resourceNumber = static_cast<int>(ChildrenOf(resourceGroup).size());
    for (const InternalVariableRecord& reg : registers)
        AddValue(resourceGroup->AddChild(ItemName(resourceNumber++)), Name::ResID, reg.Definition.ResourceText);
}

void InternalRegisterTable::LoadInternalRegisters(IXMLElement* element, int typeId)
{
    std::vector<InternalVariableRecord>* registers =
        IsInternalRegisterType(typeId) ? ListForCode(typeId - RegisterType::Base) : nullptr;
    if (!registers)
        return;
    const std::vector<IXMLElement*> items = ChildrenOf(element);
    for (size_t i = 0; i < items.size(); ++i) {
        InternalVariableRecord reg = readRegister(items[i], typeId);
        readInitialValue(items[i], typeId, reg);
        if (i < registers->size())
            (*registers)[i] = std::move(reg);
        else
            registers->push_back(std::move(reg));
    }
}
