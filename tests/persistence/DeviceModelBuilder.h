#pragma once
// A project model built by hand with one module of every kind the device configuration carries,
// and a way to move every stored value away from its default.

#include "CDataCenter.h"

namespace TestSlot {
inline constexpr int Cpu = 0;
inline constexpr int DI = 1;
inline constexpr int HighVoltageDI = 2;
inline constexpr int DO = 3;
inline constexpr int Relay = 4;
inline constexpr int DIO = 5;
inline constexpr int AI = 6;
inline constexpr int HART = 7;
inline constexpr int HighSpeedAI = 8;
inline constexpr int AO = 9;
inline constexpr int TC = 10;
inline constexpr int RTD = 11;
inline constexpr int CanAndCellular = 12;
inline constexpr int SerialAndPortTrunk = 13;
inline constexpr int Switch = 14;
inline constexpr int Power = 15;
} // namespace TestSlot

// Tag definitions "0.<slot>.<prefix><i>" with resource types 0..count-1.
std::vector<TagDefinition> MakeTagDefinitions(int slot, const QString& prefix, int count);

// The slot table, the module records (default channels with their tag definitions), the system
// variables, the power groups and the function records, as placing the templates leaves them.
void BuildLayout(CDataCenter& model);
// Every value the device configuration stores, changed: channels, ports, internal registers,
// time, FTP, switches and log switches.
void ChangeEverything(CDataCenter& model);

// Every stored value of the two models is the same (gtest expectations).
void ExpectSameDeviceSettings(const CDataCenter& expected, const CDataCenter& actual);
