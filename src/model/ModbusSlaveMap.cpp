#include "ModbusSlaveMap.h"

#include "TypeIds.h"

#include <algorithm>
#include <array>

namespace ModbusSlaveMap {

namespace {

// By kind of code: 1..9, codes x + 9 alike.
constexpr std::array<int, DataTypeCode::KindCount> kSteps = {1, 1, 2, 2, 1, 32, 1, 2, 1};
constexpr std::array<int, DataTypeCode::KindCount> kSizeClasses = {0, 1, 2, 2, 1, 3, 1, 2, 1};
constexpr std::array<char, 4> kAreaDigits = {'1', '0', '3', '4'};

// Codes x and x + 9 are one kind; -1 for an unknown code.
int typeIndex(int dataTypeCode)
{
    return IsValidDataTypeCode(dataTypeCode) ? (dataTypeCode - 1) % DataTypeCode::KindCount : -1;
}

int lastAddressOf(const MODBUS_SLAVE_TAG_ITEM& item)
{
    return item.ModbusAddress + std::max(AddressStep(item.TagType), 1) - 1;
}

bool meet(const MODBUS_SLAVE_TAG_ITEM& a, const MODBUS_SLAVE_TAG_ITEM& b)
{
    return a.ModbusMap == b.ModbusMap && a.ModbusAddress <= lastAddressOf(b) && b.ModbusAddress <= lastAddressOf(a);
}

} // namespace

int AddressStep(int dataTypeCode)
{
    const int index = typeIndex(dataTypeCode);
    return index < 0 ? 0 : kSteps[static_cast<size_t>(index)];
}

int SizeClass(int dataTypeCode)
{
    const int index = typeIndex(dataTypeCode);
    return index < 0 ? -1 : kSizeClasses[static_cast<size_t>(index)];
}

QString AreaAddressText(int modbusMap, int address)
{
    if (modbusMap < 0 || modbusMap >= static_cast<int>(kAreaDigits.size()))
        return {};
    return QLatin1Char(kAreaDigits[static_cast<size_t>(modbusMap)]) +
           QStringLiteral("%1").arg(address + 1, 4, 10, QLatin1Char('0'));
}

bool ItemFitsAddressRange(const MODBUS_SLAVE_TAG_ITEM& item)
{
    return item.ModbusAddress >= 0 && lastAddressOf(item) <= kLastAddress;
}

bool ItemOverlapsStoredSets(const MODBUS_SLAVE_TAG_ITEM& item, const QVector<MODBUS_SLAVE_TAG_SET>& stored, int skipRow)
{
    for (qsizetype row = 0; row < stored.size(); ++row) {
        if (row == skipRow)
            continue;
        const QVector<MODBUS_SLAVE_TAG_ITEM>& items = stored[row].Items;
        if (std::any_of(items.begin(), items.end(),
                        [&](const MODBUS_SLAVE_TAG_ITEM& other) { return meet(item, other); }))
            return true;
    }
    return false;
}

bool SetFitsMap(const MODBUS_SLAVE_TAG_SET& set, const QVector<MODBUS_SLAVE_TAG_SET>& stored, int skipRow)
{
    return std::all_of(set.Items.begin(), set.Items.end(), [&](const MODBUS_SLAVE_TAG_ITEM& item) {
        return ItemFitsAddressRange(item) && !ItemOverlapsStoredSets(item, stored, skipRow);
    });
}

void RenumberSet(MODBUS_SLAVE_TAG_SET& set, int start)
{
    if (set.Items.isEmpty())
        return;
    const int step = AddressStep(set.Items.front().TagType);
    for (qsizetype i = 0; i < set.Items.size(); ++i)
        set.Items[i].ModbusAddress = start + static_cast<int>(i) * step;
}

bool ChosenTagsReplaceItems(const MODBUS_SLAVE_TAG_SET& set, const std::vector<TagRecord>& chosen)
{
    return !chosen.empty() && !set.Items.isEmpty() && set.TagDataType != MapDataTypeCode(chosen.front().DataTypeCode);
}

int AppendChosenTags(MODBUS_SLAVE_TAG_SET& set, const std::vector<TagRecord>& chosen, int start, int function,
                     const QString& setName)
{
    if (chosen.empty())
        return 0;
    const int code = chosen.front().DataTypeCode;
    if (ChosenTagsReplaceItems(set, chosen))
        set.Items.clear();
    const int step = AddressStep(code);
    int next = set.Items.isEmpty() ? start : set.Items.back().ModbusAddress + step;
    set.TagDataType = MapDataTypeCode(code);
    int appended = 0;
    for (const TagRecord& tag : chosen) {
        const bool listed = std::any_of(set.Items.begin(), set.Items.end(),
                                        [&](const MODBUS_SLAVE_TAG_ITEM& item) { return item.Tag == tag.ResID; });
        if (listed)
            continue;
        set.Items.append({setName, tag.ResID, function, 0, next, SizeClass(code), tag.DataTypeCode});
        next += step;
        ++appended;
    }
    RenumberSet(set, start);
    return appended;
}

void SetFunction(MODBUS_SLAVE_TAG_SET& set, int function)
{
    for (MODBUS_SLAVE_TAG_ITEM& item : set.Items)
        item.ModbusMap = function;
}

namespace {

constexpr int kBitCode = 1; // and 10

bool isBitCode(int dataTypeCode)
{
    return MapDataTypeCode(dataTypeCode) == MapDataTypeCode(kBitCode);
}

} // namespace

const QStringList& FunctionAreas::NamesFor(int dataTypeCode) const
{
    return isBitCode(dataTypeCode) ? Digital : Analog;
}

int FunctionAreas::FirstMap(int dataTypeCode) const
{
    return isBitCode(dataTypeCode) ? 0 : static_cast<int>(Digital.size());
}

int FunctionAreas::Position(int modbusMap) const
{
    return modbusMap >= Digital.size() ? modbusMap - static_cast<int>(Digital.size()) : modbusMap;
}

QString FunctionAreas::Name(const MODBUS_SLAVE_TAG_ITEM& item) const
{
    return item.ModbusMap < 0 ? QString() : NamesFor(item.TagType).value(Position(item.ModbusMap));
}

} // namespace ModbusSlaveMap
