#pragma once
// Texts the application shares with the device operations, the device tree and the pages.

#include <QString>

#include <array>

// The controller's result codes that have a text of their own.
inline constexpr int kFirstDeviceResultCode = 50;
inline constexpr int kLastDeviceResultCode = 65;
extern const std::array<const char*, kLastDeviceResultCode - kFirstDeviceResultCode + 1> DeviceResultTexts;
// The text of a controller result code; empty for a code without one.
QString DeviceResultText(int code);

// The device configuration element that the device tree reads.
inline constexpr const char* kDeviceCfgText = "DeviceCfg";
// The "no selection" entry of the Modbus slave page.
inline constexpr const char* kNoneText = "None";
