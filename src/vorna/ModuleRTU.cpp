#include "ModuleRTU.h"

#include "Commands.h"
#include "PayloadWriter.h"
#include "VornaError.h"

#include <cstring>
#include <string>

namespace {

constexpr std::size_t kStatusSize = 2;
constexpr std::size_t kCheckDeviceStatusSize = 4; // status, request echo, result byte
constexpr std::size_t kCheckDeviceStatusResultAt = 3;
constexpr std::size_t kFileAttributeSize = 5;
constexpr std::size_t kChannelStatusHeaderSize = 13;
constexpr std::size_t kChannelStatusValueAt = 3;
constexpr std::size_t kAccountListHeaderSize = 4; // status, mode, account count
constexpr std::size_t kAccountCountAt = 3;
constexpr std::size_t kModelInfoItemSize = 4;
constexpr std::size_t kChannelItemSize = 8;
constexpr std::size_t kLogEnableEntrySize = sizeof(SystemLogEnableBlock::entries[0]);
constexpr std::size_t kLogIndexEntrySize = sizeof(LogRetrieveIndexRequest::entries[0]);
constexpr std::size_t kReleaseDateSize = sizeof(ConfigReleaseDate::bytes);
constexpr std::uint8_t kLeadingZero = 0x00;
constexpr std::uint8_t kScrambleKey = 0x5C;
constexpr std::uint8_t kDirectRefusedHigh = 0x81;

// A list reply: a header of fixed fields, then count entries. Checks the count against the
// limit and the length against the count, in the order each command needs.
struct ListLayout {
    std::size_t countAt;
    std::size_t entriesAt;
    std::size_t entrySize;
    std::size_t limit;
};

std::uint16_t checkedCount(const CReplyView& reply, const ListLayout& layout)
{
    const std::uint16_t count = reply.U16(layout.countAt);
    Require(count <= layout.limit, VORNA_RESULT_LIST_COUNT);
    return count;
}

void requireExactLength(const CReplyView& reply, const ListLayout& layout, std::uint16_t count)
{
    Require(reply.Size() == layout.entriesAt + count * layout.entrySize, VORNA_RESULT_BAD_REPLY);
}

void requireStatusZero(const CReplyView& reply)
{
    Require(reply.Size() >= kStatusSize, VORNA_RESULT_BAD_REPLY);
    Require(reply.StatusIsZero(), VORNA_RESULT_BAD_REPLY);
}

std::string scrambled(std::string_view text)
{
    std::string copy(text);
    for (char& c : copy)
        c = static_cast<char>(static_cast<std::uint8_t>(c) ^ kScrambleKey);
    return copy;
}

void writeSettingItems(CPayloadWriter& payload, std::uint8_t count, const SettingItem* items)
{
    if (count > 0)
        RequireArgument(items);
    for (std::uint8_t i = 0; i < count; ++i)
        payload.Byte(items[i].id).Byte(items[i].length).Bytes(items[i].data, items[i].length);
}

// The two system-log replies share one layout: status, a value, the count, then the entries.
template <class LogList>
void decodeSystemLogList(const CReplyView& reply, LogList& list)
{
    constexpr ListLayout layout{4, 6, sizeof list.entries[0], VORNA_LIST_LIMIT};
    requireStatusZero(reply);
    Require(reply.Size() >= layout.entriesAt, VORNA_RESULT_BAD_REPLY);
    const std::uint16_t count = checkedCount(reply, layout);
    requireExactLength(reply, layout, count);
    list.status = reply.U16(0);
    list.value = reply.U16(2);
    list.count = count;
    reply.Copy(layout.entriesAt, list.entries, count * layout.entrySize);
}

} // namespace

CModuleRTU::CModuleRTU(std::unique_ptr<CRTUTCP> rtu) : m_status{0, 0}, m_rtu(std::move(rtu))
{}

CModuleRTU::~CModuleRTU() = default;

CReplyView CModuleRTU::Request(std::uint16_t command, const CPayloadWriter& payload, std::size_t area)
{
    return Request(command, payload, nullptr, 0, area);
}

CReplyView CModuleRTU::Request(std::uint16_t command, const CPayloadWriter& payload, const std::uint8_t* data,
                               std::size_t length, std::size_t area)
{
    const ReplyBytes reply = m_rtu->Send(command, {payload.Data(), payload.Size(), data, length}, area);
    return CReplyView(reply.data, reply.length);
}

void CModuleRTU::CheckStatusZero(const CReplyView& reply)
{
    requireStatusZero(reply);
}

void CModuleRTU::RaiseStatus(const CReplyView& reply)
{
    Require(reply.Size() >= kStatusSize, VORNA_RESULT_BAD_REPLY);
    const std::uint16_t status = reply.U16(0);
    if (status != 0)
        Raise(status);
}

void CModuleRTU::StatusOnly(std::uint16_t command, const CPayloadWriter& payload)
{
    CheckStatusZero(Request(command, payload, kStatusArea));
}

void CModuleRTU::TimeSync(const VornaSystemTime& time)
{
    CPayloadWriter payload;
    payload.Byte(kLeadingZero)
        .U16(time.wYear)
        .Byte(static_cast<std::uint8_t>(time.wMonth))
        .Byte(static_cast<std::uint8_t>(time.wDay))
        .Byte(static_cast<std::uint8_t>(time.wHour))
        .Byte(static_cast<std::uint8_t>(time.wMinute))
        .Byte(static_cast<std::uint8_t>(time.wSecond))
        .U16(time.wMilliseconds);
    StatusOnly(Command::kTimeSync, payload);
}

void CModuleRTU::Restart()
{
    StatusOnly(Command::kRestart, CPayloadWriter());
}

void CModuleRTU::Reset()
{
    StatusOnly(Command::kReset, CPayloadWriter());
}

void CModuleRTU::WarmReset()
{
    StatusOnly(Command::kWarmReset, CPayloadWriter());
}

void CModuleRTU::RegisterToBootLoader()
{
    StatusOnly(Command::kRegisterToBootLoader, CPayloadWriter());
}

void CModuleRTU::IECReset()
{
    RaiseStatus(Request(Command::kIECReset, CPayloadWriter(), kStatusArea));
}

std::uint8_t CModuleRTU::CheckDeviceStatus(std::uint8_t request)
{
    CPayloadWriter payload;
    payload.Byte(request);
    const CReplyView reply = Request(Command::kCheckDeviceStatus, payload, kStatusArea);
    CheckStatusZero(reply);
    Require(reply.Size() >= kCheckDeviceStatusSize, VORNA_RESULT_BAD_REPLY);
    return reply.U8(kCheckDeviceStatusResultAt);
}

void CModuleRTU::Calibration(std::uint8_t module, std::uint8_t channel)
{
    CPayloadWriter payload;
    payload.Byte(module).Byte(channel);
    StatusOnly(Command::kCalibration, payload);
}

void CModuleRTU::LocateDevice(std::uint8_t value)
{
    CPayloadWriter payload;
    payload.Byte(value);
    StatusOnly(Command::kLocateDevice, payload);
}

void CModuleRTU::ClearMemory(std::uint8_t value)
{
    CPayloadWriter payload;
    payload.Byte(value);
    StatusOnly(Command::kClearMemory, payload);
}

void CModuleRTU::SendClientTypeToDevice(std::uint8_t clientType)
{
    CPayloadWriter payload;
    payload.Byte(clientType);
    RaiseStatus(Request(Command::kSendClientType, payload, kStatusArea));
}

FileAttribute CModuleRTU::GetFileAttribute(std::string_view path)
{
    CPayloadWriter payload;
    payload.Name(path);
    const CReplyView reply = Request(Command::kGetFileAttribute, payload, kPathArea);
    Require(reply.Size() == kFileAttributeSize, VORNA_RESULT_BAD_REPLY);
    return FileAttribute{reply.U16(2), reply.U8(4)};
}

void CModuleRTU::SetFileAttribute(std::string_view path, const FileAttribute& attribute)
{
    CPayloadWriter payload;
    payload.U16(attribute.value).Byte(attribute.flags).Name(path);
    const CReplyView reply = Request(Command::kSetFileAttribute, payload, kPathArea);
    Require(reply.Size() == kStatusSize, VORNA_RESULT_BAD_REPLY);
    RaiseStatus(reply);
}

void CModuleRTU::DeleteFileAndFolder(std::string_view path)
{
    CPayloadWriter payload;
    payload.Name(path);
    const CReplyView reply = Request(Command::kDeleteFileAndFolder, payload, kPathArea);
    Require(reply.Size() == kStatusSize, VORNA_RESULT_BAD_REPLY);
    RaiseStatus(reply);
}

std::uint16_t CModuleRTU::UpgradeModelInfo(std::uint16_t count, const std::uint8_t* items)
{
    CPayloadWriter payload;
    payload.Byte(kLeadingZero).U16(count).Bytes(items, count * kModelInfoItemSize);
    const CReplyView reply = Request(Command::kUpgradeModelInfo, payload, kStatusArea);
    Require(reply.Size() == kStatusSize, VORNA_RESULT_BAD_REPLY);
    return reply.U16(0);
}

std::uint16_t CModuleRTU::ReadChannelStatus(std::uint8_t first, std::uint8_t second, std::uint8_t* data)
{
    CPayloadWriter payload;
    payload.Byte(first).Byte(second);
    const CReplyView reply = Request(Command::kReadChannelStatus, payload, kListArea);
    Require(reply.Size() >= kChannelStatusHeaderSize, VORNA_RESULT_BAD_REPLY);
    RaiseStatus(reply);
    const std::size_t dataLength = reply.Size() - kChannelStatusHeaderSize;
    if (dataLength > 0) {
        RequireArgument(data);
        reply.Copy(kChannelStatusHeaderSize, data, dataLength);
    }
    return reply.U16(kChannelStatusValueAt);
}

void CModuleRTU::WriteChannelStatus(std::uint16_t count, const std::uint8_t* items, std::uint16_t* results)
{
    if (count > 0)
        RequireArgument(results);
    CPayloadWriter payload;
    payload.Byte(kLeadingZero).U16(count).Bytes(items, count * kChannelItemSize);
    const CReplyView reply = Request(Command::kWriteChannelStatus, payload, kListArea);
    Require(reply.Size() == count * kStatusSize, VORNA_RESULT_BAD_REPLY);
    for (std::uint16_t i = 0; i < count; ++i)
        results[i] = reply.U16(i * kStatusSize);
}

void CModuleRTU::SendAccount(std::uint16_t command, std::uint8_t mode, std::string_view name, std::string_view password,
                             std::uint16_t& status)
{
    const bool scramble = mode == VORNA_LOGIN_MODE_SCRAMBLED;
    const std::string sentName = scramble ? scrambled(name) : std::string(name);
    const std::string sentPassword = scramble ? scrambled(password) : std::string(password);
    CPayloadWriter payload;
    payload.Byte(mode)
        .Byte(static_cast<std::uint8_t>(sentName.size()))
        .Byte(static_cast<std::uint8_t>(sentPassword.size()))
        .Bytes(sentName.data(), sentName.size())
        .Bytes(sentPassword.data(), sentPassword.size());
    const CReplyView reply = Request(command, payload, kStatusArea);
    Require(reply.Size() == kStatusSize, VORNA_RESULT_BAD_REPLY);
    status = reply.U16(0);
    RaiseStatus(reply);
}

std::uint16_t CModuleRTU::GetUserNamePwd(std::uint8_t index)
{
    CPayloadWriter payload;
    payload.Byte(index);
    const CReplyView reply = Request(Command::kGetUserNamePwd, payload, kListArea);
    Require(reply.Size() >= kAccountListHeaderSize, VORNA_RESULT_BAD_REPLY);
    RaiseStatus(reply);
    return reply.U8(kAccountCountAt);
}

void CModuleRTU::SetNetworkSetting(std::uint8_t mode, std::uint8_t count, const SettingItem* items)
{
    CPayloadWriter payload;
    payload.Byte(mode);
    if (mode == 0)
        writeSettingItems(payload, count, items);
    const CReplyView reply = Request(Command::kSetNetworkSetting, payload, kStatusArea);
    Require(reply.Size() == kStatusSize, VORNA_RESULT_BAD_REPLY);
    RaiseStatus(reply);
}

void CModuleRTU::SetString(std::uint8_t count, const SettingItem* items)
{
    CPayloadWriter payload;
    payload.Byte(count);
    writeSettingItems(payload, count, items);
    const CReplyView reply = Request(Command::kSetString, payload, kListArea);
    Require(reply.Size() == count * kStatusSize, VORNA_RESULT_BAD_REPLY);
}

void CModuleRTU::DecodeIECResourceInfo(const CReplyView& reply, IECResourceInfo& info)
{
    constexpr ListLayout layout{2, 4, sizeof info.entries[0], VORNA_LIST_LIMIT};
    requireStatusZero(reply);
    Require(reply.Size() >= layout.entriesAt, VORNA_RESULT_BAD_REPLY);
    const std::uint16_t count = checkedCount(reply, layout);
    requireExactLength(reply, layout, count);
    info.status = reply.U16(0);
    info.count = count;
    reply.Copy(layout.entriesAt, info.entries, count * layout.entrySize);
}

void CModuleRTU::DecodeIECResourceNames(const CReplyView& reply, IECResourceNameList& list)
{
    constexpr ListLayout layout{2, 4, sizeof list.entries[0], VORNA_LIST_LIMIT};
    Require(reply.Size() >= layout.entriesAt, VORNA_RESULT_LIST_TOO_SHORT);
    requireStatusZero(reply);
    const std::uint16_t count = checkedCount(reply, layout);
    requireExactLength(reply, layout, count);
    list.status = reply.U16(0);
    list.count = count;
    reply.Copy(layout.entriesAt, list.entries, count * layout.entrySize);
}

void CModuleRTU::DecodeConfigErrors(const CReplyView& reply, ConfigErrorList& errors)
{
    constexpr ListLayout layout{0, 2, sizeof errors.entries[0], VORNA_LIST_LIMIT};
    Require(reply.Size() >= layout.entriesAt, VORNA_RESULT_LIST_TOO_SHORT);
    const std::uint16_t count = checkedCount(reply, layout);
    Require(reply.Size() >= layout.entriesAt + count * layout.entrySize, VORNA_RESULT_LIST_TOO_SHORT);
    errors.count = count;
    reply.Copy(layout.entriesAt, errors.entries, count * layout.entrySize);
}

void CModuleRTU::DecodeSystemLogSettings(const CReplyView& reply, SystemLogSettings& settings)
{
    decodeSystemLogList(reply, settings);
}

void CModuleRTU::DecodeSystemLogSetResult(const CReplyView& reply, SystemLogSetResult& result)
{
    decodeSystemLogList(reply, result);
}

void CModuleRTU::DecodeLogRetrieveIndex(const CReplyView& reply, LogRetrieveIndexResult& result)
{
    constexpr ListLayout layout{2, 4, sizeof result.entries[0], VORNA_LOG_INDEX_LIMIT};
    Require(reply.Size() >= layout.entriesAt, VORNA_RESULT_BAD_REPLY);
    requireStatusZero(reply);
    const std::uint16_t count = checkedCount(reply, layout);
    requireExactLength(reply, layout, count);
    result.status = reply.U16(0);
    result.count = count;
    reply.Copy(layout.entriesAt, result.entries, count * layout.entrySize);
}

void CModuleRTU::DecodeConfigReleaseDate(const CReplyView& reply, ConfigReleaseDate& date)
{
    Require(reply.Size() >= kStatusSize, VORNA_RESULT_BAD_REPLY);
    if (!reply.StatusIsZero())
        Raise(reply.U8(0) * 256 + reply.U8(1)); // this status is sent high byte first
    Require(reply.Size() >= kStatusSize + kReleaseDateSize, VORNA_RESULT_BAD_REPLY);
    reply.Copy(kStatusSize, date.bytes, kReleaseDateSize);
}

void CModuleRTU::IECGetInfo(IECResourceInfo& info)
{
    DecodeIECResourceInfo(Request(Command::kIECGetInfo, CPayloadWriter(), kListArea), info);
}

void CModuleRTU::IECGetInfoByIXL(IECResourceNameList& list)
{
    DecodeIECResourceNames(Request(Command::kIECGetInfoByIXL, CPayloadWriter(), kListArea), list);
}

void CModuleRTU::GetConfigErrors(ConfigErrorList& errors)
{
    DecodeConfigErrors(Request(Command::kGetConfigErrors, CPayloadWriter(), kListArea), errors);
}

void CModuleRTU::SystemLogGetEnable(SystemLogSettings& settings)
{
    DecodeSystemLogSettings(Request(Command::kSystemLogGetEnable, CPayloadWriter(), kListArea), settings);
}

void CModuleRTU::SystemLogSetEnable(const SystemLogEnableBlock& block, SystemLogSetResult& result)
{
    Require(block.count <= VORNA_LIST_LIMIT, VORNA_RESULT_INVALID_ARGUMENT);
    CPayloadWriter payload;
    payload.U16(block.count).Bytes(block.entries, block.count * kLogEnableEntrySize);
    DecodeSystemLogSetResult(Request(Command::kSystemLogSetEnable, payload, kListArea), result);
}

void CModuleRTU::GetConfigReleaseDate(ConfigReleaseDate& date)
{
    DecodeConfigReleaseDate(Request(Command::kGetConfigReleaseDate, CPayloadWriter(), kListArea), date);
}

void CModuleRTU::GetTAVOLogRetrieveFileIndex(const LogRetrieveIndexRequest& request, LogRetrieveIndexResult& result)
{
    Require(request.count <= VORNA_LOG_INDEX_LIMIT, VORNA_RESULT_INVALID_ARGUMENT);
    CPayloadWriter payload;
    payload.U16(request.count).Bytes(request.entries, request.count * kLogIndexEntrySize);
    DecodeLogRetrieveIndex(Request(Command::kGetTAVOLogRetrieveFileIndex, payload, kListArea), result);
}

std::uint16_t CModuleRTU::CheckDeviceMACExist(std::uint32_t macHead, std::uint32_t macTail)
{
    CPayloadWriter payload;
    payload.U32(macHead).U16(static_cast<std::uint16_t>(macTail));
    const CReplyView reply = Request(Command::kCheckDeviceMACExist, payload, kStatusArea);
    Require(reply.Size() >= kStatusSize, VORNA_RESULT_BAD_REPLY);
    return reply.U16(0);
}

void CModuleRTU::GetFwUpgradePpercentage(std::uint8_t* payload)
{
    constexpr std::size_t kStateAt = 1;
    std::array<std::uint8_t, VORNA_PUSHED_PAYLOAD_SIZE> pushed{};
    const std::size_t length = m_rtu->ReceivePushedFrame(pushed.data(), pushed.size());
    Require(length > kStateAt, VORNA_RESULT_BAD_REPLY);
    if (pushed[kStateAt] != 0)
        m_rtu->AnswerPushedFrame();
    std::memcpy(payload, pushed.data(), length);
}

void CModuleRTU::CheckDirectStatus(const CReplyView& reply)
{
    Require(reply.Size() >= kStatusSize, VORNA_RESULT_DIRECT_REFUSED);
    const std::uint8_t low = reply.U8(0);
    const std::uint8_t high = reply.U8(1);
    if (low == 0 && high == 0)
        return;
    if (high == kDirectRefusedHigh && low == 0x00)
        Raise(VORNA_RESULT_DIRECT_REFUSED);
    if (high == kDirectRefusedHigh && low == 0x01)
        Raise(VORNA_RESULT_DIRECT_REJECTED);
    Raise(VORNA_RESULT_BAD_REPLY);
}

void CModuleRTU::SendCmdDirectly(std::uint16_t command, const std::uint8_t* payload, std::uint16_t length,
                                 std::uint8_t* reply, std::uint16_t& replyLength)
{
    const ReplyBytes received = m_rtu->Send(command, {payload, length}, kListArea);
    const CReplyView view(received.data, received.length);
    Require(received.length >= kStatusSize, VORNA_RESULT_DIRECT_REFUSED);
    std::memcpy(reply, received.data, received.length);
    replyLength = static_cast<std::uint16_t>(received.length);
    CheckDirectStatus(view);
}
