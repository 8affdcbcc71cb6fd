#include "ModbusCommandLayout.h"

#include "TypeIds.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace ModbusCommandLayout {

namespace {

constexpr int kBitsPerRegister = 16;
constexpr int kByteBits = 8;

// By kind of code: 1..9, codes x + 9 alike.
constexpr std::array<int, DataTypeCode::KindCount> kBits = {1, 8, 32, 32, 16, 512, 8, 32, 16};
constexpr std::array<int, DataTypeCode::KindCount> kRegisters = {1, 1, 2, 2, 1, 32, 1, 2, 1};
constexpr std::array<int, DataTypeCode::KindCount> kDataTypeEntries = {0, 1, 2, 2, 1, 3, 1, 2, 1};

const std::vector<int> kReadBits = {1, 10, 2, 11, 4, 13, 5, 14, 7, 16, 8, 17, 9, 18};
const std::vector<int> kWriteBits = {10, 11, 13, 14, 16, 17, 18};
const std::vector<int> kReadRegisters = {3, 12, 4, 13, 5, 14, 6, 15, 8, 17, 9, 18};
const std::vector<int> kWriteRegisters = {12, 13, 14, 15, 17, 18};

// Codes x and x + 9 are one kind; -1 for an unknown code.
int typeIndex(int dataTypeCode)
{
    return IsValidDataTypeCode(dataTypeCode) ? (dataTypeCode - 1) % DataTypeCode::KindCount : -1;
}

template <size_t N>
int byType(const std::array<int, N>& table, int dataTypeCode, int otherwise)
{
    const int index = typeIndex(dataTypeCode);
    return index < 0 ? otherwise : table[static_cast<size_t>(index)];
}

char areaDigit(int function)
{
    switch (function) {
    case Function::ReadCoils:
    case Function::WriteCoils:
        return '0';
    case Function::ReadDiscreteInputs:
        return '1';
    case Function::ReadHoldingRegisters:
    case Function::WriteHoldingRegisters:
        return '4';
    default:
        return '3';
    }
}

} // namespace

bool CountsBits(int function)
{
    return function >= Function::ReadCoils && function <= Function::ReadDiscreteInputs;
}

std::vector<int> AllowedCodes(int function)
{
    switch (function) {
    case Function::ReadCoils:
    case Function::ReadDiscreteInputs:
        return kReadBits;
    case Function::WriteCoils:
        return kWriteBits;
    case Function::WriteHoldingRegisters:
        return kWriteRegisters;
    default:
        return kReadRegisters;
    }
}

bool IsAllowedCode(int function, int dataTypeCode)
{
    const std::vector<int> codes = AllowedCodes(function);
    return std::find(codes.begin(), codes.end(), dataTypeCode) != codes.end();
}

int TagBits(int dataTypeCode)
{
    return byType(kBits, dataTypeCode, 0);
}

int RegistersPerValue(int dataTypeCode)
{
    return byType(kRegisters, dataTypeCode, 0);
}

int TagSize(int function, int dataTypeCode)
{
    const int bits = TagBits(dataTypeCode);
    if (CountsBits(function))
        return bits;
    return bits == kByteBits ? 1 : bits / kBitsPerRegister;
}

int ReferenceAddress(int function, int address)
{
    const QString text =
        QLatin1Char(areaDigit(function)) + QStringLiteral("%1").arg(address + 1, 4, 10, QLatin1Char('0'));
    return text.toInt();
}

QString ReferenceText(int function, int reference)
{
    if (function == Function::ReadCoils || function == Function::WriteCoils)
        return QStringLiteral("0%1").arg(reference, 4, 10, QLatin1Char('0'));
    return QString::number(reference);
}

TotalRange ComputeTotalRange(int function, const std::vector<int>& dataTypeCodes)
{
    if (dataTypeCodes.empty())
        return {};
    TotalRange range;
    range.Maximum = std::accumulate(dataTypeCodes.begin(), dataTypeCodes.end(), 0,
                                    [function](int sum, int code) { return sum + TagSize(function, code); });
    range.PerTag = TagSize(function, dataTypeCodes.back());
    range.Minimum = range.Maximum - range.PerTag + 1;
    range.Current = range.Maximum;
    return range;
}

QVector<MODBUS_COMMAND_RESOURCE> BuildResources(int function, int start, int total, int step,
                                                const std::vector<QString>& tagKeys,
                                                const std::vector<int>& dataTypeCodes, int dataTypeEntry)
{
    QVector<MODBUS_COMMAND_RESOURCE> resources;
    const int count = static_cast<int>(std::min(tagKeys.size(), dataTypeCodes.size()));
    if (count == 0 || total < (count - 1) * step + 1)
        return resources;
    for (int i = 0; i < count; ++i) {
        MODBUS_COMMAND_RESOURCE resource;
        resource.ResID = tagKeys[static_cast<size_t>(i)];
        resource.Start_Addr = start + i * step;
        resource.ReferenceAddress = ReferenceAddress(function, resource.Start_Addr);
        resource.DataType = dataTypeEntry;
        resource.DataTypeSize = RegistersPerValue(dataTypeCodes[static_cast<size_t>(i)]);
        resource.Length = i + 1 < count ? step : total - (count - 1) * step;
        resources.append(resource);
    }
    return resources;
}

int DataTypeEntry(int dataTypeCode)
{
    return byType(kDataTypeEntries, dataTypeCode, 0);
}

bool SwapApplies(int dataTypeCode)
{
    return typeIndex(dataTypeCode) == typeIndex(3);
}

bool FitsAddressSpace(int start, int total)
{
    return start >= 0 && static_cast<qint64>(start) + total - 1 <= kLastAddress;
}

namespace {

std::vector<int> codesOf(const std::vector<TagRecord>& tags)
{
    std::vector<int> codes;
    for (const TagRecord& tag : tags)
        codes.push_back(tag.DataTypeCode);
    return codes;
}

} // namespace

TotalRange ComputeTotalRange(int function, const std::vector<TagRecord>& tags)
{
    return ComputeTotalRange(function, codesOf(tags));
}

QVector<MODBUS_COMMAND_RESOURCE> BuildResources(int function, int start, int total, int step,
                                                const std::vector<TagRecord>& tags, int dataTypeEntry)
{
    std::vector<QString> keys;
    for (const TagRecord& tag : tags)
        keys.push_back(tag.ResID);
    return BuildResources(function, start, total, step, keys, codesOf(tags), dataTypeEntry);
}

} // namespace ModbusCommandLayout
