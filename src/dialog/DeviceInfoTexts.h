#pragma once
// What the device information file's ids mean and how its parts read as list lines: the CPU slot's
// power and CPU module ids, the controller model of a CPU module id, the module layout check, and
// the texts of slots, result words, log types and IEC resources.

#include "SlotConfigEntry.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The CPU slot holds a power module or a CPU module of these ids (compared ignoring case).
bool IsPowerModuleApid(const QString& apid);
bool IsCpuModuleApid(const QString& apid);

// The controller model of a CPU module id; for the 4200 ids the one for the slot count (2, 5 or
// 9). Empty when the id or the slot count is not in the table.
QString GetModelNameForApid(const QString& apid, int slotCount);
// True when the project's CPU module (id and model name) is the controller's.
bool IsSameController(const QString& projectApid, const QString& projectModel, const QString& deviceApid,
                      int slotCount);

// Marks each device slot whose module differs from the project's slot of the same number; true
// when the layouts differ (other entry counts, or any mark).
bool MarkLayoutDifferences(std::vector<SlotConfigEntry>& device, const std::vector<SlotConfigEntry>& project,
                           int deviceSlotCount);

// The slot a configuration error names: "Slot 0(CPU)", "Slot:%d" for 1-16, empty for 17-32, the
// device error text from 33 on (low 16 bits of the value).
QString FormatErrorSlot(std::uint32_t value);
// ": Success", ": Fail", ": Invalid" for 0, 1, 2; empty otherwise.
QString FormatResultWord(int result);
// The name of a log type; an unknown type shows its code in digits.
QString LogTypeName(int type);
// The IEC resource lines from the states and process ids alone; one line of string 845 when none.
struct IecResourceState {
    std::uint32_t state = 0;
    std::uint32_t processId = 0;
};
QStringList FormatIecResourceLines(const std::vector<IecResourceState>& resources);

// The value of "config_error" that marks a slot, and its mark in a line.
inline constexpr const char* kConfigErrorSet = "1";
inline constexpr const char* kConfigErrorMark = "(config. error)";
