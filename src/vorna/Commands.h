#pragma once
// Command codes of the device protocol.

#include <cstdint>

namespace Command {
constexpr std::uint16_t kTimeSync = 30001;
constexpr std::uint16_t kRestart = 30002;
constexpr std::uint16_t kReset = 30003;
constexpr std::uint16_t kCheckDeviceStatus = 30004;
constexpr std::uint16_t kGetFileAttribute = 30005;
constexpr std::uint16_t kSetFileAttribute = 30006;
constexpr std::uint16_t kUpgradeModelInfo = 30007;
constexpr std::uint16_t kCalibration = 30008;
constexpr std::uint16_t kWarmReset = 30009;
constexpr std::uint16_t kIECReset = 30010;
constexpr std::uint16_t kIECGetInfo = 30011;
constexpr std::uint16_t kSystemLogGetEnable = 30012;
constexpr std::uint16_t kSystemLogSetEnable = 30013;
constexpr std::uint16_t kGetConfigErrors = 30014;
constexpr std::uint16_t kIECGetInfoByIXL = 30015;
constexpr std::uint16_t kGetTAVOLogRetrieveFileIndex = 30016;
constexpr std::uint16_t kGetConfigReleaseDate = 30017;
constexpr std::uint16_t kRegisterToBootLoader = 30018;
constexpr std::uint16_t kFwUpgradePercentage = 30019;
constexpr std::uint16_t kReadChannelStatus = 30100;
constexpr std::uint16_t kWriteChannelStatus = 30101;
constexpr std::uint16_t kFileInfo = 30202;
constexpr std::uint16_t kWriteChunk = 30203;
constexpr std::uint16_t kReadChunk = 30204;
constexpr std::uint16_t kDeleteFileAndFolder = 30205;
constexpr std::uint16_t kLogFileInfo = 30206;
constexpr std::uint16_t kVerifyUserNamePwd = 30400;
constexpr std::uint16_t kGetUserNamePwd = 30401;
constexpr std::uint16_t kSetUserNamePwd = 30402;
constexpr std::uint16_t kAddUserNamePwd = 30403;
constexpr std::uint16_t kLocateDevice = 30600;
constexpr std::uint16_t kSetNetworkSetting = 30601;
constexpr std::uint16_t kSetString = 30602;
constexpr std::uint16_t kSendClientType = 30604;
constexpr std::uint16_t kClearMemory = 30606;
constexpr std::uint16_t kGateway = 30700;
constexpr std::uint16_t kCheckDeviceMACExist = 30701;
} // namespace Command
