#pragma once
// How a Modbus master command lays its tags out: the function positions with their areas and the
// tag data types each accepts, the size of a tag in the function's units, the total-length range
// and the resources (address, reference number, quantity) of each tag.

#include "MODBUS_EXTERNAL_DEVICE_SETTINGS.h"
#include "TagRecord.h"

#include <QString>

#include <vector>

namespace ModbusCommandLayout {

// Function positions of the function list.
namespace Function {
inline constexpr int ReadCoils = 0;
inline constexpr int WriteCoils = 1;
inline constexpr int ReadDiscreteInputs = 2;
inline constexpr int ReadHoldingRegisters = 3;
inline constexpr int WriteHoldingRegisters = 4;
inline constexpr int ReadInputRegisters = 5; // and any position beyond
} // namespace Function

inline constexpr int kLastAddress = 65535;
inline constexpr int kMinScanRate = 1;
inline constexpr int kMaxScanRate = 60000;

// True for the functions whose addresses and lengths count bits (coils, discrete inputs).
bool CountsBits(int function);
// The tag data-type codes the function accepts, in the order the tag chooser is given them.
std::vector<int> AllowedCodes(int function);
bool IsAllowedCode(int function, int dataTypeCode);
// Bits of a value of the code (0 for an unknown code) and registers per value.
int TagBits(int dataTypeCode);
int RegistersPerValue(int dataTypeCode);
// Coils or registers one tag occupies under the function (an 8-bit tag takes one register).
int TagSize(int function, int dataTypeCode);

// The area's reference number of a zero-based address: the area digit, then address + 1 in four
// or more digits, read as a number (40001; a coil's leading 0 vanishes: 1).
int ReferenceAddress(int function, int address);
// The reference as lists show it: "0%04d" for the coil functions, the number otherwise.
QString ReferenceText(int function, int reference);

// The total-length state of a command's tags.
struct TotalRange {
    int Minimum = 1;
    int Maximum = 1;
    int Current = 1;
    int PerTag = 0; // the size of the last tag
};
TotalRange ComputeTotalRange(int function, const std::vector<int>& dataTypeCodes);
TotalRange ComputeTotalRange(int function, const std::vector<TagRecord>& tags);

// The resources of the tags (their keys and codes in command order), laid out from start with
// the step; the last tag takes what the total leaves. Empty when the total is below
// (n - 1) x step + 1.
QVector<MODBUS_COMMAND_RESOURCE> BuildResources(int function, int start, int total, int step,
                                                const std::vector<QString>& tagKeys,
                                                const std::vector<int>& dataTypeCodes, int dataTypeEntry);
// The same for the tags themselves, in command order.
QVector<MODBUS_COMMAND_RESOURCE> BuildResources(int function, int start, int total, int step,
                                                const std::vector<TagRecord>& tags, int dataTypeEntry);

// The data-type list entry the command editor shows for a tag code, and whether word swapping
// applies to it.
int DataTypeEntry(int dataTypeCode);
bool SwapApplies(int dataTypeCode);

// The start address and total fit the address space: 0 <= start and start + total - 1 <= 65535.
bool FitsAddressSpace(int start, int total);

} // namespace ModbusCommandLayout
