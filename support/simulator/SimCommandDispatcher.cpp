#include "SimCommandDispatcher.h"

#include "SimByteWriter.h"
#include "SimFileTransfer.h"
#include "SimStatus.h"

#include <algorithm>
#include <memory>

namespace pelsim {
namespace {

constexpr std::uint8_t kScrambledMode = 2;
constexpr std::uint8_t kScrambleKey = 0x5C;
constexpr std::size_t kMaxServiceLogsEnabled = 6;
constexpr std::size_t kReleaseDateSize = 50;
constexpr std::size_t kIecNameSize = 263; // the 265-byte entry less its resource number
constexpr std::size_t kChannelStatusHeaderSize = 13;
constexpr std::size_t kMacSize = 6;

using Handler = SimReply (*)(SimByteReader&, SimDeviceData&);

SimReply Status(std::uint16_t status)
{
    return {true, SimByteWriter().U16(status).Take(), {}, {}};
}

SimReply Payload(SimByteWriter& writer)
{
    return {true, writer.Take(), {}, {}};
}

SimReply Payload(Bytes bytes)
{
    return {true, std::move(bytes), {}, {}};
}

// Runs action and answers status 0 when the request was read to its exact end.
template <class Action>
SimReply StatusAfter(SimByteReader& request, Action&& action)
{
    if (!request.AtEnd())
        return Status(kStatusBadRequest);
    action();
    return Status(kStatusOk);
}

std::string Unscrambled(std::string text, std::uint8_t mode)
{
    if (mode == kScrambledMode)
        for (char& c : text)
            c = static_cast<char>(c ^ kScrambleKey);
    return text;
}

std::uint16_t TakeLogStateWord(SimDeviceData& d)
{
    if (d.logStateScript.empty())
        return kLogStateFinished;
    const std::uint16_t word = d.logStateScript.front();
    d.logStateScript.pop_front();
    return word;
}

SimReply TimeSync(SimByteReader& r, SimDeviceData& d)
{
    SimDeviceTime time;
    r.U8();
    time.year = r.U16();
    time.month = r.U8();
    time.day = r.U8();
    time.hour = r.U8();
    time.minute = r.U8();
    time.second = r.U8();
    time.milliseconds = r.U16();
    return StatusAfter(r, [&] {
        d.deviceTime = time;
        ++d.timeSyncCount;
    });
}

SimReply Restart(SimByteReader& r, SimDeviceData& d)
{
    return StatusAfter(r, [&] { ++d.restartCount; });
}
SimReply Reset(SimByteReader& r, SimDeviceData& d)
{
    return StatusAfter(r, [&] { ++d.resetCount; });
}
SimReply WarmReset(SimByteReader& r, SimDeviceData& d)
{
    return StatusAfter(r, [&] { ++d.warmResetCount; });
}

SimReply CheckDeviceStatus(SimByteReader& r, SimDeviceData& d)
{
    const std::uint8_t requestByte = r.U8();
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    ++d.statusPolls;
    std::uint8_t status = kStatusDone;
    if (!d.statusScript.empty()) {
        status = d.statusScript.front();
        if (d.statusScript.size() > 1)
            d.statusScript.pop_front();
    }
    SimByteWriter w;
    w.U16(kStatusOk).U8(requestByte).U8(status);
    return Payload(w);
}

SimReply GetFileAttribute(SimByteReader& r, SimDeviceData& d)
{
    const std::string path = r.ShortText();
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    const auto found = d.fileAttributes.find(path);
    const SimFileAttribute attribute = found == d.fileAttributes.end() ? SimFileAttribute{} : found->second;
    SimByteWriter w;
    w.U16(found == d.fileAttributes.end() ? kStatusNoSuchFile : kStatusOk).U16(attribute.value).U8(attribute.flags);
    return Payload(w);
}

SimReply SetFileAttribute(SimByteReader& r, SimDeviceData& d)
{
    SimFileAttribute attribute;
    attribute.value = r.U16();
    attribute.flags = r.U8();
    const std::string path = r.ShortText();
    return StatusAfter(r, [&] { d.fileAttributes[path] = attribute; });
}

template <std::size_t N>
std::vector<std::array<std::uint8_t, N>> ReadItems(SimByteReader& r, std::size_t count)
{
    std::vector<std::array<std::uint8_t, N>> items(count);
    for (auto& item : items)
        for (auto& byte : item)
            byte = r.U8();
    return items;
}

SimReply UpgradeModelInfo(SimByteReader& r, SimDeviceData& d)
{
    r.U8();
    const auto items = ReadItems<4>(r, r.U16());
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    d.upgradeModules = items;
    return Status(d.upgradeModelResult);
}

SimReply Calibration(SimByteReader& r, SimDeviceData& d)
{
    const std::uint8_t module = r.U8();
    const std::uint8_t channel = r.U8();
    return StatusAfter(r, [&] { d.calibrations.emplace_back(module, channel); });
}

SimReply IecReset(SimByteReader& r, SimDeviceData& d)
{
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    ++d.iecResetCount;
    return Status(d.iecResetStatus);
}

SimReply IecGetInfo(SimByteReader& r, SimDeviceData& d)
{
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    SimByteWriter w;
    w.U16(kStatusOk).U16(static_cast<std::uint16_t>(d.iecResources.size()));
    for (const auto& resource : d.iecResources)
        w.U32(resource.state).U32(resource.processId);
    return Payload(w);
}

SimReply IecGetInfoByIxl(SimByteReader& r, SimDeviceData& d)
{
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    SimByteWriter w;
    w.U16(kStatusOk).U16(static_cast<std::uint16_t>(d.iecResourceNames.size()));
    for (const auto& resource : d.iecResourceNames)
        w.U16(resource.number).FixedText(resource.name, kIecNameSize);
    return Payload(w);
}

SimReply GetConfigErrors(SimByteReader& r, SimDeviceData& d)
{
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    SimByteWriter w;
    w.U16(static_cast<std::uint16_t>(d.configErrors.size()));
    for (const auto& error : d.configErrors)
        w.U16(error.slot).U32(error.code);
    return Payload(w);
}

SimReply SystemLogGetEnable(SimByteReader& r, SimDeviceData& d)
{
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    SimByteWriter w;
    w.U16(kStatusOk).U16(TakeLogStateWord(d)).U16(static_cast<std::uint16_t>(d.logSettings.size()));
    for (const auto& setting : d.logSettings)
        w.U16(setting.type).U32(setting.state).U32(setting.wordA).U32(setting.wordB);
    return Payload(w);
}

std::size_t EnabledServiceLogs(const SimDeviceData& d, std::uint16_t except)
{
    return std::count_if(d.logSettings.begin(), d.logSettings.end(), [&](const SimLogSetting& s) {
        return s.type != kSystemLogType && s.type != except && s.state == kLogEnabled;
    });
}

// Applies one entry of a 30013 request and gives its result word.
std::uint16_t ApplyLogSetting(SimDeviceData& d, const SimLogSetting& wanted)
{
    if (const auto forced = d.forcedLogResults.find(wanted.type); forced != d.forcedLogResults.end())
        return forced->second;
    const auto setting = std::find_if(d.logSettings.begin(), d.logSettings.end(),
                                      [&](const SimLogSetting& s) { return s.type == wanted.type; });
    if (setting == d.logSettings.end())
        return kLogResultInvalid;
    const bool enablesServiceLog = wanted.type != kSystemLogType && wanted.state == kLogEnabled;
    if (enablesServiceLog && EnabledServiceLogs(d, wanted.type) >= kMaxServiceLogsEnabled)
        return kLogResultFailed;
    *setting = wanted;
    return kLogResultApplied;
}

SimReply SystemLogSetEnable(SimByteReader& r, SimDeviceData& d)
{
    std::vector<SimLogSetting> wanted(r.U16());
    for (auto& setting : wanted) {
        setting.type = r.U16();
        setting.state = r.U32();
        setting.wordA = r.U32();
        setting.wordB = r.U32();
        r.U8();
    }
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    SimByteWriter w;
    w.U16(kStatusOk).U16(TakeLogStateWord(d)).U16(static_cast<std::uint16_t>(wanted.size()));
    for (const auto& setting : wanted)
        w.U16(setting.type).U16(ApplyLogSetting(d, setting));
    return Payload(w);
}

SimReply TavoLogRetrieveFileIndex(SimByteReader& r, SimDeviceData& d)
{
    ReadItems<8>(r, r.U16());
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    SimByteWriter w;
    w.U16(kStatusOk).U16(static_cast<std::uint16_t>(d.tavoLogIndexes.size()));
    for (std::uint32_t index : d.tavoLogIndexes)
        w.U32(index);
    return Payload(w);
}

SimReply GetConfigReleaseDate(SimByteReader& r, SimDeviceData& d)
{
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    SimByteWriter w;
    w.U16(kStatusOk).FixedText(d.configReleaseDate, kReleaseDateSize);
    return Payload(w);
}

// The pushed frames of one boot-loader round: up to and including the first final state.
std::vector<SimFirmwareProgress> TakeFirmwareRound(SimDeviceData& d)
{
    if (d.firmwareProgress.empty())
        return {{100, 1}};
    std::vector<SimFirmwareProgress> round;
    while (!d.firmwareProgress.empty()) {
        round.push_back(d.firmwareProgress.front());
        d.firmwareProgress.pop_front();
        if (round.back().state != 0)
            break;
    }
    return round;
}

SimReply RegisterToBootLoader(SimByteReader& r, SimDeviceData& d)
{
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    ++d.bootLoaderRegistrations;
    SimReply reply = Status(kStatusOk);
    reply.pushAfter = TakeFirmwareRound(d);
    reply.pushInterval = d.firmwarePushInterval;
    return reply;
}

SimReply ReadChannelStatus(SimByteReader& r, SimDeviceData& d)
{
    const std::uint8_t first = r.U8();
    const std::uint8_t second = r.U8();
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    const auto found = d.channelStatus.find({first, second});
    const SimChannelStatus status = found == d.channelStatus.end() ? SimChannelStatus{} : found->second;
    SimByteWriter w;
    w.U16(kStatusOk).U8(0).U16(status.value);
    Bytes out = w.Take();
    out.resize(kChannelStatusHeaderSize, 0);
    out.insert(out.end(), status.data.begin(), status.data.end());
    return Payload(std::move(out));
}

SimReply WriteChannelStatus(SimByteReader& r, SimDeviceData& d)
{
    r.U8();
    const auto items = ReadItems<8>(r, r.U16());
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    d.channelWrites.insert(d.channelWrites.end(), items.begin(), items.end());
    SimByteWriter w;
    for (std::size_t i = 0; i < items.size(); ++i)
        w.U16(kStatusOk);
    return Payload(w);
}

struct AccountRequest {
    std::uint8_t mode = 0;
    std::string user;
    std::string password;
};

std::optional<AccountRequest> ReadAccountRequest(SimByteReader& r)
{
    AccountRequest account;
    account.mode = r.U8();
    const std::uint8_t userLength = r.U8();
    const std::uint8_t passwordLength = r.U8();
    account.user = Unscrambled(r.Text(userLength), account.mode);
    account.password = Unscrambled(r.Text(passwordLength), account.mode);
    if (!r.AtEnd())
        return std::nullopt;
    return account;
}

std::vector<SimAccount>::iterator FindAccount(SimDeviceData& d, const std::string& user)
{
    return std::find_if(d.accounts.begin(), d.accounts.end(), [&](const SimAccount& a) { return a.user == user; });
}

std::uint16_t Verify(SimDeviceData& d, const AccountRequest& request)
{
    const auto account = FindAccount(d, request.user);
    return account != d.accounts.end() && account->password == request.password ? kStatusOk : d.loginFailStatus;
}

std::uint16_t ChangePassword(SimDeviceData& d, const AccountRequest& request)
{
    const auto account = FindAccount(d, request.user);
    if (account == d.accounts.end())
        return kStatusUnknownAccount;
    account->password = request.password;
    return kStatusOk;
}

std::uint16_t AddAccount(SimDeviceData& d, const AccountRequest& request)
{
    if (FindAccount(d, request.user) != d.accounts.end())
        return kStatusAccountExists;
    d.accounts.push_back({request.user, request.password});
    return kStatusOk;
}

template <std::uint16_t Command, std::uint16_t (*Apply)(SimDeviceData&, const AccountRequest&)>
SimReply AccountCommand(SimByteReader& r, SimDeviceData& d)
{
    const auto request = ReadAccountRequest(r);
    if (!request)
        return Status(kStatusBadRequest);
    const std::uint16_t status = d.forcedLoginStatus ? *d.forcedLoginStatus : Apply(d, *request);
    d.loginAttempts.push_back({Command, request->mode, request->user, request->password, status});
    return Status(status);
}

SimReply GetUserNamePwd(SimByteReader& r, SimDeviceData& d)
{
    const std::uint8_t index = r.U8();
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    const std::size_t first = std::min<std::size_t>(index, d.accounts.size());
    SimByteWriter w;
    w.U16(kStatusOk).U8(kScrambledMode).U8(static_cast<std::uint8_t>(d.accounts.size() - first));
    for (std::size_t i = first; i < d.accounts.size(); ++i) {
        const auto& account = d.accounts[i];
        w.U8(static_cast<std::uint8_t>(account.user.size()))
            .U8(static_cast<std::uint8_t>(account.password.size()))
            .Text(Unscrambled(account.user, kScrambledMode))
            .Text(Unscrambled(account.password, kScrambledMode));
    }
    return Payload(w);
}

SimReply LocateDevice(SimByteReader& r, SimDeviceData& d)
{
    const std::uint8_t value = r.U8();
    return StatusAfter(r, [&] { d.locateRequests.push_back(value); });
}

SimReply ClearMemory(SimByteReader& r, SimDeviceData& d)
{
    const std::uint8_t value = r.U8();
    return StatusAfter(r, [&] { d.clearMemoryRequests.push_back(value); });
}

// Items of id, length and data up to the end of the request.
std::optional<std::map<std::uint8_t, Bytes>> ReadSettingItems(SimByteReader& r, std::optional<std::size_t> count)
{
    std::map<std::uint8_t, Bytes> items;
    for (std::size_t i = 0; count ? i < *count : r.remaining() > 0; ++i) {
        const std::uint8_t id = r.U8();
        items[id] = r.Take(r.U8());
    }
    if (!r.AtEnd())
        return std::nullopt;
    return items;
}

SimReply SetNetworkSetting(SimByteReader& r, SimDeviceData& d)
{
    if (r.U8() != 0) // other modes carry no items the device keeps
        return Status(kStatusOk);
    const auto items = ReadSettingItems(r, std::nullopt);
    if (!items)
        return Status(kStatusBadRequest);
    for (const auto& [id, value] : *items)
        d.networkSettings[id] = value;
    return Status(kStatusOk);
}

SimReply SetString(SimByteReader& r, SimDeviceData& d)
{
    const std::uint8_t count = r.U8();
    const auto items = ReadSettingItems(r, count);
    if (!items)
        return Status(kStatusBadRequest);
    SimByteWriter w;
    for (std::uint8_t i = 0; i < count; ++i)
        w.U16(kStatusOk);
    for (const auto& [id, value] : *items)
        d.strings[id] = value;
    return Payload(w);
}

SimReply SendClientType(SimByteReader& r, SimDeviceData& d)
{
    const std::uint8_t type = r.U8();
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    d.clientType = type;
    return Status(d.clientTypeStatus);
}

SimMac ReadMac(SimByteReader& r)
{
    SimMac mac{};
    for (auto& byte : mac)
        byte = r.U8();
    return mac;
}

bool KnownMac(const SimDeviceData& d, const SimMac& mac)
{
    return mac == d.deviceMac || d.gatewayTargets.count(mac) > 0;
}

SimReply CheckDeviceMacExist(SimByteReader& r, SimDeviceData& d)
{
    const SimMac mac = ReadMac(r);
    if (!r.AtEnd())
        return Status(kStatusBadRequest);
    return Status(KnownMac(d, mac) ? 1 : 0);
}

struct HandlerEntry {
    std::uint16_t command;
    Handler handler;
};

constexpr HandlerEntry kHandlers[] = {
    {kCmdTimeSync, TimeSync},
    {kCmdRestart, Restart},
    {kCmdReset, Reset},
    {kCmdCheckDeviceStatus, CheckDeviceStatus},
    {kCmdGetFileAttribute, GetFileAttribute},
    {kCmdSetFileAttribute, SetFileAttribute},
    {kCmdUpgradeModelInfo, UpgradeModelInfo},
    {kCmdCalibration, Calibration},
    {kCmdWarmReset, WarmReset},
    {kCmdIecReset, IecReset},
    {kCmdIecGetInfo, IecGetInfo},
    {kCmdSystemLogGetEnable, SystemLogGetEnable},
    {kCmdSystemLogSetEnable, SystemLogSetEnable},
    {kCmdGetConfigErrors, GetConfigErrors},
    {kCmdIecGetInfoByIxl, IecGetInfoByIxl},
    {kCmdTavoLogRetrieveFileIndex, TavoLogRetrieveFileIndex},
    {kCmdGetConfigReleaseDate, GetConfigReleaseDate},
    {kCmdRegisterToBootLoader, RegisterToBootLoader},
    {kCmdReadChannelStatus, ReadChannelStatus},
    {kCmdWriteChannelStatus, WriteChannelStatus},
    {kCmdVerifyUserNamePwd, AccountCommand<kCmdVerifyUserNamePwd, Verify>},
    {kCmdGetUserNamePwd, GetUserNamePwd},
    {kCmdSetUserNamePwd, AccountCommand<kCmdSetUserNamePwd, ChangePassword>},
    {kCmdAddUserNamePwd, AccountCommand<kCmdAddUserNamePwd, AddAccount>},
    {kCmdLocateDevice, LocateDevice},
    {kCmdSetNetworkSetting, SetNetworkSetting},
    {kCmdSetString, SetString},
    {kCmdSendClientType, SendClientType},
    {kCmdClearMemory, ClearMemory},
    {kCmdCheckDeviceMacExist, CheckDeviceMacExist},
};

Handler FindHandler(std::uint16_t command)
{
    for (const auto& entry : kHandlers)
        if (entry.command == command)
            return entry.handler;
    return nullptr;
}

} // namespace

SimReply SimCommandDispatcher::Dispatch(const SimFrameView& request, SimRecordedRequest& record)
{
    if (request.header.command == kCmdFirmwareProgress) {
        state_.With([](SimDeviceData& d) { ++d.pushAcknowledgements; });
        return {false, {}, {}, {}};
    }
    if (request.header.command == kCmdGateway)
        return Gateway(request, record);
    return Local(request);
}

SimReply SimCommandDispatcher::Local(const SimFrameView& request)
{
    SimByteReader reader(request.payload.data(), request.payload.size());
    return state_.With([&](SimDeviceData& d) {
        if (auto transfer = FileCommand(request.header.command, reader, d))
            return Payload(std::move(*transfer));
        const Handler handler = FindHandler(request.header.command);
        return handler ? handler(reader, d) : Status(kStatusUnknownCommand);
    });
}

std::optional<Bytes> SimCommandDispatcher::FileCommand(std::uint16_t command, SimByteReader& request,
                                                       SimDeviceData& data)
{
    switch (command) {
    case kCmdFileInfo:
        return files_.FileInfo(request, data);
    case kCmdWriteChunk:
        return SimFileTransfer::WriteChunk(request, data);
    case kCmdReadChunk:
        return SimFileTransfer::ReadChunk(request, data);
    case kCmdDeleteFile:
        return SimFileTransfer::Delete(request, data);
    case kCmdLogFileInfo:
        return files_.LogFileInfo(request, data);
    default:
        return std::nullopt;
    }
}

SimReply SimCommandDispatcher::Gateway(const SimFrameView& request, SimRecordedRequest& record)
{
    SimByteReader reader(request.payload.data(), request.payload.size());
    const SimMac mac = ReadMac(reader);
    const Bytes innerBytes = reader.Rest();
    SimByteWriter reply;
    reply.Append(mac);
    if (!reader.ok())
        return Status(kStatusBadRequest);
    record.gatewayMac = mac;

    auto inner = std::make_shared<SimRecordedRequest>();
    inner->connection = record.connection;
    inner->raw = innerBytes;
    std::size_t consumed = 0;
    const bool whole =
        DecodeFrame(innerBytes.data(), innerBytes.size(), inner->frame, consumed) == SimDecodeResult::Complete &&
        consumed == innerBytes.size();
    inner->decoded = whole;
    record.inner = inner;

    if (!state_.With([&](SimDeviceData& d) { return KnownMac(d, mac); }))
        return Payload(reply.U16(kStatusUnknownGatewayTarget));
    if (!whole || !inner->frame.Valid())
        return Payload(reply.U16(kStatusBadRequest));
    // Frames are not wrapped twice, and a pushed-frame acknowledgement has no reply to carry.
    const SimReply answer =
        inner->command() == kCmdGateway ? Status(kStatusUnknownCommand) : Local(ViewOf(inner->frame));
    reply.U16(kStatusOk);
    if (answer.send && inner->command() != kCmdFirmwareProgress)
        reply.Append(EncodeFrame(inner->sequence(), inner->command(), answer.payload));
    return Payload(reply);
}

} // namespace pelsim
