// The exported functions: each checks its handle and arguments, runs the work and turns a raised
// code into its result. No exception leaves the library.

#include "VORNA.h"

#include "Commands.h"
#include "FileTransfer.h"
#include "IPHelp.h"
#include "MD5.h"
#include "ModuleRTU.h"
#include "VornaError.h"
#include "VornaIO.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>

namespace {

constexpr std::int32_t kLowestPort = 1;
constexpr std::int32_t kHighestPort = 65535;
constexpr std::size_t kDigestSize = 16;

template <class Work>
std::int32_t guarded(Work&& work) noexcept
{
    try {
        work();
        return VORNA_RESULT_OK;
    } catch (int code) {
        return code;
    } catch (const std::bad_alloc&) {
        return VORNA_RESULT_OUT_OF_MEMORY;
    } catch (...) {
        return VORNA_RESULT_INTERNAL_ERROR;
    }
}

template <class Work>
std::int32_t onConnection(std::int32_t handle, Work&& work) noexcept
{
    if (handle < VORNA_FIRST_HANDLE || handle > VORNA_LAST_HANDLE)
        return VORNA_RESULT_BAD_HANDLE;
    return guarded([&] {
        // Held for the call: a disconnect on another thread meanwhile cannot free it.
        const std::shared_ptr<CModuleRTU> module = CVornaIO::Instance().Find(handle);
        work(*module);
    });
}

template <class... Pointers>
void requireArguments(const Pointers*... pointers)
{
    (RequireArgument(pointers), ...);
}

// The caller's text of length bytes; null only when empty.
std::string_view sizedText(const char* text, std::size_t length)
{
    if (length == 0)
        return {};
    RequireArgument(text);
    return std::string_view(text, length);
}

// A remote name: null counts as empty.
std::string_view remoteName(const char* text)
{
    return text == nullptr ? std::string_view() : std::string_view(text);
}

std::string localPath(const char* path)
{
    RequireArgument(path);
    return path;
}

std::int32_t accountCommand(std::uint16_t command, std::int32_t handle, std::uint8_t mode, std::uint8_t nameLength,
                            std::uint8_t passwordLength, const char* name, const char* password, std::uint16_t* status)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(status);
        module.SendAccount(command, mode, sizedText(name, nameLength), sizedText(password, passwordLength), *status);
    });
}

std::int32_t download(std::int32_t handle, const char* local, const char* remote, std::uint8_t fileType,
                      TransferProgressCallback callback)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        CFileTransfer(module, callback).Download(localPath(local), TransferTarget{remoteName(remote), fileType});
    });
}

std::int32_t upload(std::int32_t handle, const char* local, const char* remote, std::uint8_t fileType,
                    TransferProgressCallback callback, bool skipEmptyFile)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        CFileTransfer(module, callback)
            .Upload(localPath(local), TransferTarget{remoteName(remote), fileType}, skipEmptyFile);
    });
}

void copyDigest(const CMD5::Digest& digest, std::uint8_t* target)
{
    std::memcpy(target, digest.data(), kDigestSize);
}

} // namespace

extern "C" {

// ---- Lifecycle and connections ----

std::int32_t VORNA_Init(void)
{
    return guarded([] { CVornaIO::Instance().Startup(); });
}

std::int32_t VORNA_Exit(void)
{
    return CVornaIO::Instance().Cleanup();
}

std::int32_t VORNA_Connect(const char* ip, std::int32_t port, std::uint32_t timeoutMs, std::int32_t* handle)
{
    return VORNA_ConnectEx(ip, port, timeoutMs, handle, nullptr);
}

std::int32_t VORNA_ConnectEx(const char* ip, std::int32_t port, std::uint32_t timeoutMs, std::int32_t* handle,
                             const char* mac)
{
    return guarded([&] {
        requireArguments(ip, handle);
        Require(port >= kLowestPort && port <= kHighestPort, VORNA_RESULT_INVALID_ARGUMENT);
        *handle = CVornaIO::Instance().AddConnection(ip, static_cast<std::uint16_t>(port), timeoutMs, mac);
    });
}

std::int32_t VORNA_Disconnect(std::int32_t handle)
{
    if (handle < VORNA_FIRST_HANDLE || handle > VORNA_LAST_HANDLE)
        return VORNA_RESULT_BAD_HANDLE;
    return guarded([&] { CVornaIO::Instance().RemoveConnection(handle); });
}

std::int32_t VORNA_CancelRequest(std::int32_t handle)
{
    return onConnection(handle, [](CModuleRTU& module) { module.Rtu().Abort(); });
}

std::int32_t VORNA_SetByGatewayEnable(std::int32_t handle, std::int32_t enable)
{
    return onConnection(handle, [&](CModuleRTU& module) { module.Rtu().SetGatewayEnabled(enable != 0); });
}

std::int32_t VORNA_SetByGatewayMacAddress(std::int32_t handle, const std::uint8_t* mac6)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(mac6);
        MacAddress mac;
        std::copy_n(mac6, mac.size(), mac.begin());
        module.Rtu().SetTargetMac(mac);
    });
}

// ---- Device commands ----

std::int32_t VORNA_Restart(std::int32_t handle)
{
    return onConnection(handle, [](CModuleRTU& module) { module.Restart(); });
}

std::int32_t VORNA_Reset(std::int32_t handle)
{
    return onConnection(handle, [](CModuleRTU& module) { module.Reset(); });
}

std::int32_t VORNA_WarmReset(std::int32_t handle)
{
    return onConnection(handle, [](CModuleRTU& module) { module.WarmReset(); });
}

std::int32_t VORNA_RegisterToBootLoader(std::int32_t handle)
{
    return onConnection(handle, [](CModuleRTU& module) { module.RegisterToBootLoader(); });
}

std::int32_t VORNA_IECReset(std::int32_t handle)
{
    return onConnection(handle, [](CModuleRTU& module) { module.IECReset(); });
}

std::int32_t VORNA_TimeSync(std::int32_t handle, VornaSystemTime time)
{
    return onConnection(handle, [&](CModuleRTU& module) { module.TimeSync(time); });
}

std::int32_t VORNA_CheckDeviceStatus(std::int32_t handle, std::uint8_t request, std::uint8_t* result)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(result);
        *result = module.CheckDeviceStatus(request);
    });
}

std::int32_t VORNA_Calibration(std::int32_t handle, std::uint8_t module, std::uint8_t channel)
{
    return onConnection(handle, [&](CModuleRTU& connection) { connection.Calibration(module, channel); });
}

std::int32_t VORNA_LocateDevice(std::int32_t handle, std::uint8_t value)
{
    return onConnection(handle, [&](CModuleRTU& module) { module.LocateDevice(value); });
}

std::int32_t VORNA_ClearMemory(std::int32_t handle, std::uint8_t value)
{
    return onConnection(handle, [&](CModuleRTU& module) { module.ClearMemory(value); });
}

std::int32_t VORNA_SendClientTypeToDevice(std::int32_t handle, std::uint8_t clientType)
{
    return onConnection(handle, [&](CModuleRTU& module) { module.SendClientTypeToDevice(clientType); });
}

std::int32_t VORNA_GetFileAttribute(std::int32_t handle, const char* remotePath, FileAttribute* attribute)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(attribute);
        *attribute = module.GetFileAttribute(remoteName(remotePath));
    });
}

std::int32_t VORNA_SetFileAttribute(std::int32_t handle, const char* remotePath, FileAttribute attribute)
{
    return onConnection(handle,
                        [&](CModuleRTU& module) { module.SetFileAttribute(remoteName(remotePath), attribute); });
}

std::int32_t VORNA_DeleteFileAndFolder(std::int32_t handle, const char* remotePath)
{
    return onConnection(handle, [&](CModuleRTU& module) { module.DeleteFileAndFolder(remoteName(remotePath)); });
}

std::int32_t VORNA_UpgradeModelInfo(std::int32_t handle, std::uint16_t count, const std::uint8_t* items,
                                    std::uint16_t* result)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(result);
        *result = module.UpgradeModelInfo(count, items);
    });
}

std::int32_t VORNA_ReadChannelStatus(std::int32_t handle, std::uint8_t first, std::uint8_t second, std::uint16_t* value,
                                     std::uint8_t* data)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(value);
        *value = module.ReadChannelStatus(first, second, data);
    });
}

std::int32_t VORNA_WriteChannelStatus(std::int32_t handle, std::uint16_t count, const std::uint8_t* items,
                                      std::uint16_t* results)
{
    return onConnection(handle, [&](CModuleRTU& module) { module.WriteChannelStatus(count, items, results); });
}

std::int32_t VORNA_VerifyUserNamePwd(std::int32_t handle, std::uint8_t mode, std::uint8_t nameLength,
                                     std::uint8_t passwordLength, const char* name, const char* password,
                                     std::uint16_t* status)
{
    return accountCommand(Command::kVerifyUserNamePwd, handle, mode, nameLength, passwordLength, name, password,
                          status);
}

std::int32_t VORNA_SetUserNamePwd(std::int32_t handle, std::uint8_t mode, std::uint8_t nameLength,
                                  std::uint8_t passwordLength, const char* name, const char* password,
                                  std::uint16_t* status)
{
    return accountCommand(Command::kSetUserNamePwd, handle, mode, nameLength, passwordLength, name, password, status);
}

std::int32_t VORNA_AddUserNamePwd(std::int32_t handle, std::uint8_t mode, std::uint8_t nameLength,
                                  std::uint8_t passwordLength, const char* name, const char* password,
                                  std::uint16_t* status)
{
    return accountCommand(Command::kAddUserNamePwd, handle, mode, nameLength, passwordLength, name, password, status);
}

std::int32_t VORNA_GetUserNamePwd(std::int32_t handle, std::uint8_t index, std::uint16_t* accountCount, void*)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(accountCount);
        *accountCount = module.GetUserNamePwd(index);
    });
}

std::int32_t VORNA_SetNetworkSetting(std::int32_t handle, std::uint8_t mode, std::uint8_t count,
                                     const SettingItem* items, void*)
{
    return onConnection(handle, [&](CModuleRTU& module) { module.SetNetworkSetting(mode, count, items); });
}

std::int32_t VORNA_SetString(std::int32_t handle, std::uint8_t count, const SettingItem* items, void*)
{
    return onConnection(handle, [&](CModuleRTU& module) { module.SetString(count, items); });
}

std::int32_t VORNA_IECGetInfo(std::int32_t handle, IECResourceInfo* info)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(info);
        module.IECGetInfo(*info);
    });
}

std::int32_t VORNA_IECGetInfoByIXL(std::int32_t handle, IECResourceNameList* list)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(list);
        module.IECGetInfoByIXL(*list);
    });
}

std::int32_t VORNA_GetConfigErrors(std::int32_t handle, ConfigErrorList* errors)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(errors);
        module.GetConfigErrors(*errors);
    });
}

std::int32_t VORNA_SystemLogGetEnable(std::int32_t handle, SystemLogSettings* settings)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(settings);
        module.SystemLogGetEnable(*settings);
    });
}

std::int32_t VORNA_SystemLogSetEnable(std::int32_t handle, SystemLogEnableBlock block, SystemLogSetResult* result)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(result);
        module.SystemLogSetEnable(block, *result);
    });
}

std::int32_t VORNA_GetConfigReleaseDate(std::int32_t handle, ConfigReleaseDate* date)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(date);
        module.GetConfigReleaseDate(*date);
    });
}

std::int32_t VORNA_GetTAVOLogRetrieveFileIndex(std::int32_t handle, LogRetrieveIndexRequest request,
                                               LogRetrieveIndexResult* result)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(result);
        module.GetTAVOLogRetrieveFileIndex(request, *result);
    });
}

std::int32_t VORNA_CheckDeviceMACExist(std::int32_t handle, std::uint32_t macHead, std::uint32_t macTail,
                                       std::uint16_t* result)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(result);
        *result = module.CheckDeviceMACExist(macHead, macTail);
    });
}

std::int32_t VORNA_GetFwUpgradePpercentage(std::int32_t handle, std::uint8_t* payload)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(payload);
        module.GetFwUpgradePpercentage(payload);
    });
}

std::int32_t VORNA_SendCmdDirectly(std::int32_t handle, std::uint16_t command, const std::uint8_t* payload,
                                   std::uint16_t length, std::uint8_t* reply, std::uint16_t* replyLength)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        requireArguments(reply, replyLength);
        module.SendCmdDirectly(command, payload, length, reply, *replyLength);
    });
}

std::int32_t VORNA_SendCmdByGateway(std::int32_t handle, const std::uint8_t* mac6, const std::uint8_t* frame,
                                    std::uint16_t length, std::uint8_t* reply, std::uint16_t* replyLength)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        requireArguments(mac6, reply, replyLength);
        MacAddress mac;
        std::copy_n(mac6, mac.size(), mac.begin());
        *replyLength =
            static_cast<std::uint16_t>(module.Rtu().SendByGateway(mac, frame, length, reply, VORNA_MAX_PAYLOAD));
    });
}

// ---- File transfer ----

std::int32_t VORNA_GetFileInfo(std::int32_t handle, const char* local, const char* remote, std::uint8_t fileType,
                               std::uint16_t* state)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        RequireArgument(state);
        CFileTransfer(module, nullptr)
            .CompareFile(localPath(local), TransferTarget{remoteName(remote), fileType}, *state);
    });
}

std::int32_t VORNA_DownloadFile(std::int32_t handle, const char* local, const char* remote, std::uint8_t fileType,
                                TransferProgressCallback callback)
{
    return download(handle, local, remote, fileType, callback);
}

std::int32_t VORNA_DownloadFile_Ex(std::int32_t handle, const char* local, const char* remote, std::uint8_t fileType,
                                   TransferProgressCallback callback)
{
    return download(handle, local, remote, fileType, callback);
}

std::int32_t VORNA_DownloadFile_Retrieve_Log(std::int32_t handle, const char* local, const char* remote,
                                             std::uint8_t fileType, std::uint32_t chunkSize, std::uint32_t* firstValue,
                                             std::uint32_t* secondValue, TransferProgressCallback callback)
{
    return onConnection(handle, [&](CModuleRTU& module) {
        requireArguments(firstValue, secondValue);
        std::array<std::uint32_t, 2> values{};
        CFileTransfer(module, callback)
            .DownloadLog(localPath(local), TransferTarget{remoteName(remote), fileType},
                         static_cast<std::uint16_t>(chunkSize), values);
        *firstValue = values[0];
        *secondValue = values[1];
    });
}

std::int32_t VORNA_UploadFile(std::int32_t handle, const char* local, const char* remote, std::uint8_t fileType,
                              TransferProgressCallback callback)
{
    return upload(handle, local, remote, fileType, callback, false);
}

std::int32_t VORNA_UploadFile_Ex(std::int32_t handle, const char* local, const char* remote, std::uint8_t fileType,
                                 TransferProgressCallback callback)
{
    return upload(handle, local, remote, fileType, callback, false);
}

std::int32_t VORNA_UploadFile_ulTEK_Ex(std::int32_t handle, const char* local, const char* remote,
                                       std::uint8_t fileType, TransferProgressCallback callback)
{
    return upload(handle, local, remote, fileType, callback, true);
}

// ---- MD5 ----

std::int32_t VORNA_MD5Gen(const std::uint8_t* data, std::uint32_t length, std::uint8_t* digest16)
{
    return guarded([&] {
        RequireArgument(digest16);
        if (length > 0)
            RequireArgument(data);
        copyDigest(CMD5::Of(data, length), digest16);
    });
}

std::int32_t VORNA_MD5Gen_4_ulTEK_Init(Md5Context* context)
{
    return guarded([&] {
        RequireArgument(context);
        CMD5::Init(*context);
    });
}

std::int32_t VORNA_MD5Gen_4_ulTEK_Set_Len(Md5Context* context, std::uint32_t* counter, std::uint32_t totalLength)
{
    return guarded([&] {
        requireArguments(context, counter);
        CMD5::SetLength(*context, *counter, totalLength);
    });
}

std::int32_t VORNA_MD5Gen_4_ulTEK_Update(Md5Context* context, std::uint32_t* counter, const std::uint8_t* data,
                                         std::uint32_t length)
{
    return guarded([&] {
        requireArguments(context, counter);
        if (length > 0)
            RequireArgument(data);
        CMD5::Update(*context, *counter, data, length);
    });
}

std::int32_t VORNA_MD5Gen_4_ulTEK_Final(Md5Context* context, std::uint8_t* digest16)
{
    return guarded([&] {
        requireArguments(context, digest16);
        copyDigest(CMD5::Final(*context), digest16);
    });
}

// ---- Interfaces ----

std::int32_t VORNA_ListIF(std::uint16_t* count)
{
    return guarded([&] {
        RequireArgument(count);
        *count = CIPHelp::CountInterfaces(CIPHelp::ReadSystemTables());
    });
}

std::int32_t VORNA_GetIFInfoEx(std::uint16_t count, InterfaceRecord* records)
{
    if (count == 0)
        return VORNA_RESULT_OK;
    return guarded([&] {
        RequireArgument(records);
        std::fill_n(records, count, InterfaceRecord{});
        const std::vector<InterfaceRecord> found = CIPHelp::Records(CIPHelp::ReadSystemTables(), count);
        std::copy(found.begin(), found.end(), records);
    });
}

std::int32_t VORNA_SelectIFEx(std::uint16_t count, const InterfaceRecord* records, std::uint32_t interfaceIndex)
{
    return guarded([&] { CIPHelp::Select(count, records, interfaceIndex); });
}

} // extern "C"
