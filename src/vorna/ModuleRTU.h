#pragma once
// One connection's device commands: each lays out its request, sends it through the frame layer
// and checks the reply before it fills the caller's output.

#include "RTUTCP.h"
#include "ReplyView.h"
#include "VORNA.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

class CPayloadWriter;

class CModuleRTU {
public:
    explicit CModuleRTU(std::unique_ptr<CRTUTCP> rtu);
    ~CModuleRTU();

    CRTUTCP& Rtu() { return *m_rtu; }
    // The status record uploads hand to the progress callback; it keeps its last values.
    TransferStatus& Status() { return m_status; }

    // Reply areas: a reply longer than its command's area is refused.
    static constexpr std::size_t kStatusArea = 32;
    static constexpr std::size_t kPathArea = 256;
    static constexpr std::size_t kListArea = VORNA_MAX_PAYLOAD;

    // Sends one request; the view lives until the next request of this connection.
    CReplyView Request(std::uint16_t command, const CPayloadWriter& payload, std::size_t area);
    // The same with length bytes of data behind the payload, sent from where they lie.
    CReplyView Request(std::uint16_t command, const CPayloadWriter& payload, const std::uint8_t* data,
                       std::size_t length, std::size_t area);

    void TimeSync(const VornaSystemTime& time);
    void Restart();
    void Reset();
    void WarmReset();
    void RegisterToBootLoader();
    void IECReset();
    std::uint8_t CheckDeviceStatus(std::uint8_t request);
    void Calibration(std::uint8_t module, std::uint8_t channel);
    void LocateDevice(std::uint8_t value);
    void ClearMemory(std::uint8_t value);
    void SendClientTypeToDevice(std::uint8_t clientType);
    FileAttribute GetFileAttribute(std::string_view path);
    void SetFileAttribute(std::string_view path, const FileAttribute& attribute);
    void DeleteFileAndFolder(std::string_view path);
    std::uint16_t UpgradeModelInfo(std::uint16_t count, const std::uint8_t* items);
    std::uint16_t ReadChannelStatus(std::uint8_t first, std::uint8_t second, std::uint8_t* data);
    void WriteChannelStatus(std::uint16_t count, const std::uint8_t* items, std::uint16_t* results);
    // 30400, 30402, 30403; status receives the device's word, which is also raised when not 0.
    void SendAccount(std::uint16_t command, std::uint8_t mode, std::string_view name, std::string_view password,
                     std::uint16_t& status);
    std::uint16_t GetUserNamePwd(std::uint8_t index);
    void SetNetworkSetting(std::uint8_t mode, std::uint8_t count, const SettingItem* items);
    void SetString(std::uint8_t count, const SettingItem* items);
    void IECGetInfo(IECResourceInfo& info);
    void IECGetInfoByIXL(IECResourceNameList& list);
    void GetConfigErrors(ConfigErrorList& errors);
    void SystemLogGetEnable(SystemLogSettings& settings);
    void SystemLogSetEnable(const SystemLogEnableBlock& block, SystemLogSetResult& result);
    void GetConfigReleaseDate(ConfigReleaseDate& date);
    void GetTAVOLogRetrieveFileIndex(const LogRetrieveIndexRequest& request, LogRetrieveIndexResult& result);
    std::uint16_t CheckDeviceMACExist(std::uint32_t macHead, std::uint32_t macTail);
    void GetFwUpgradePpercentage(std::uint8_t* payload);
    // The reply and its length are given back also when a refusal code is raised.
    void SendCmdDirectly(std::uint16_t command, const std::uint8_t* payload, std::uint16_t length, std::uint8_t* reply,
                         std::uint16_t& replyLength);

    // Reply decoders, apart from the socket (the fuzz target feeds them).
    static void DecodeIECResourceInfo(const CReplyView& reply, IECResourceInfo& info);
    static void DecodeIECResourceNames(const CReplyView& reply, IECResourceNameList& list);
    static void DecodeConfigErrors(const CReplyView& reply, ConfigErrorList& errors);
    static void DecodeSystemLogSettings(const CReplyView& reply, SystemLogSettings& settings);
    static void DecodeSystemLogSetResult(const CReplyView& reply, SystemLogSetResult& result);
    static void DecodeLogRetrieveIndex(const CReplyView& reply, LogRetrieveIndexResult& result);
    static void DecodeConfigReleaseDate(const CReplyView& reply, ConfigReleaseDate& date);
    // Status-only replies: status 0 required (2004).
    static void CheckStatusZero(const CReplyView& reply);
    // Replies whose status word is raised as its value.
    static void RaiseStatus(const CReplyView& reply);
    // The direct command's verdict on its reply bytes 0 and 1.
    static void CheckDirectStatus(const CReplyView& reply);

private:
    void StatusOnly(std::uint16_t command, const CPayloadWriter& payload);

    TransferStatus m_status;
    std::unique_ptr<CRTUTCP> m_rtu;
};
