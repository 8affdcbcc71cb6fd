#pragma once
// Answers one request frame from the device state: one handler per command code.

#include "SimByteReader.h"
#include "SimDeviceState.h"
#include "SimFileTransfer.h"
#include "SimRequestLog.h"

#include <chrono>
#include <cstdint>
#include <vector>

namespace pelsim {

// Command codes the device answers.
enum SimCommand : std::uint16_t {
    kCmdTimeSync = 30001,
    kCmdRestart = 30002,
    kCmdReset = 30003,
    kCmdCheckDeviceStatus = 30004,
    kCmdGetFileAttribute = 30005,
    kCmdSetFileAttribute = 30006,
    kCmdUpgradeModelInfo = 30007,
    kCmdCalibration = 30008,
    kCmdWarmReset = 30009,
    kCmdIecReset = 30010,
    kCmdIecGetInfo = 30011,
    kCmdSystemLogGetEnable = 30012,
    kCmdSystemLogSetEnable = 30013,
    kCmdGetConfigErrors = 30014,
    kCmdIecGetInfoByIxl = 30015,
    kCmdTavoLogRetrieveFileIndex = 30016,
    kCmdGetConfigReleaseDate = 30017,
    kCmdRegisterToBootLoader = 30018,
    kCmdFirmwareProgress = 30019,
    kCmdReadChannelStatus = 30100,
    kCmdWriteChannelStatus = 30101,
    kCmdFileInfo = 30202,
    kCmdWriteChunk = 30203,
    kCmdReadChunk = 30204,
    kCmdDeleteFile = 30205,
    kCmdLogFileInfo = 30206,
    kCmdVerifyUserNamePwd = 30400,
    kCmdGetUserNamePwd = 30401,
    kCmdSetUserNamePwd = 30402,
    kCmdAddUserNamePwd = 30403,
    kCmdLocateDevice = 30600,
    kCmdSetNetworkSetting = 30601,
    kCmdSetString = 30602,
    kCmdSendClientType = 30604,
    kCmdClearMemory = 30606,
    kCmdGateway = 30700,
    kCmdCheckDeviceMacExist = 30701,
};

struct SimReply {
    bool send = true; // false: the request is an acknowledgement that gets no reply
    Bytes payload;
    std::vector<SimFirmwareProgress> pushAfter; // 30019 frames to push once the reply is out
    std::chrono::milliseconds pushInterval{0};  // before each of them
};

class SimCommandDispatcher {
public:
    explicit SimCommandDispatcher(SimDeviceState& state) : state_(state) {}

    // The reply to a valid request frame; fills the gateway fields of record for 30700.
    SimReply Dispatch(const SimFrameView& request, SimRecordedRequest& record);

private:
    SimReply Gateway(const SimFrameView& request, SimRecordedRequest& record);
    SimReply Local(const SimFrameView& request);
    std::optional<Bytes> FileCommand(std::uint16_t command, SimByteReader& request, SimDeviceData& data);

    SimDeviceState& state_;
    SimFileTransfer files_;
};

} // namespace pelsim
