#include "SimFileTransfer.h"

#include "SimByteWriter.h"
#include "SimDeviceInfoFile.h"
#include "SimMd5.h"
#include "SimStatus.h"

#include <algorithm>
#include <span>

namespace pelsim {
namespace {

constexpr std::uint8_t kFlagPresent = 0;
constexpr std::uint8_t kFlagAbsent = 1; // 30202: no file
constexpr std::uint8_t kFlagEnd = 1;    // 30204: nothing at or behind the offset

Bytes StatusOnly(std::uint16_t status)
{
    return SimByteWriter().U16(status).Take();
}

} // namespace

std::optional<SimFileTransfer::InfoRequest> SimFileTransfer::ReadInfoRequest(SimByteReader& request)
{
    InfoRequest info;
    request.U8(); // transfer mode, always 0
    info.key.fileType = request.U8();
    info.size = request.U32();
    info.key.name = request.ShortText();
    if (!request.AtEnd())
        return std::nullopt;
    return info;
}

const Bytes* SimFileTransfer::Find(const SimDeviceData& data, const SimFileKey& key, Bytes& generated)
{
    if (const auto file = data.files.find(key); file != data.files.end())
        return &file->second;
    if (key.fileType != kDeviceInfoFileType)
        return nullptr;
    generated = BuildDeviceInfoFile(data);
    return &generated;
}

Bytes SimFileTransfer::InfoReply(const SimDeviceData& data, const InfoRequest& request)
{
    Bytes generated;
    const Bytes* file = Find(data, request.key, generated);
    SimByteWriter reply;
    if (!file) {
        reply.U16(kStatusNoSuchFile).U8(kFlagAbsent).U32(0).Append(SimDigest{});
        return reply.Take();
    }
    // The digest covers as many leading bytes as the request names, the whole file for 0.
    const std::size_t digested = request.size == 0 ? file->size() : std::min<std::size_t>(request.size, file->size());
    reply.U16(kStatusOk)
        .U8(kFlagPresent)
        .U32(static_cast<std::uint32_t>(file->size()))
        .Append(digests_.Digest(file->data(), digested));
    return reply.Take();
}

Bytes SimFileTransfer::FileInfo(SimByteReader& request, SimDeviceData& data)
{
    const auto info = ReadInfoRequest(request);
    if (!info)
        return StatusOnly(kStatusBadRequest);
    return InfoReply(data, *info);
}

Bytes SimFileTransfer::LogFileInfo(SimByteReader& request, SimDeviceData& data)
{
    const auto info = ReadInfoRequest(request);
    if (!info)
        return StatusOnly(kStatusBadRequest);
    Bytes reply = InfoReply(data, *info);
    const auto values = data.logRetrieveValues.find(info->key);
    const auto pair =
        values == data.logRetrieveValues.end() ? std::pair<std::uint32_t, std::uint32_t>{} : values->second;
    SimByteWriter tail;
    tail.U32(pair.first).U32(pair.second);
    reply.insert(reply.end(), tail.bytes().begin(), tail.bytes().end());
    return reply;
}

Bytes SimFileTransfer::WriteChunk(SimByteReader& request, SimDeviceData& data)
{
    request.U8();
    SimFileKey key;
    key.fileType = request.U8();
    const std::uint32_t offset = request.U32();
    const std::uint16_t length = request.U16();
    key.name = request.ShortText();
    const auto chunk = request.RestView();
    if (!request.ok() || chunk.size() != length)
        return StatusOnly(kStatusBadRequest);
    const auto existing = data.files.find(key);
    const std::size_t currentSize = existing == data.files.end() ? 0 : existing->second.size();
    if (offset > currentSize)
        return StatusOnly(kStatusBadRequest);
    Bytes& file = data.files[key];
    if (length == 0)
        return StatusOnly(kStatusOk);
    // A chunk at offset 0 starts the file again; any other rewrites from its offset on.
    file.resize(offset);
    file.insert(file.end(), chunk.begin(), chunk.end());
    return StatusOnly(kStatusOk);
}

Bytes SimFileTransfer::ReadChunk(SimByteReader& request, SimDeviceData& data)
{
    request.U8();
    SimFileKey key;
    key.fileType = request.U8();
    const std::uint32_t offset = request.U32();
    const std::uint16_t chunkSize = request.U16();
    key.name = request.ShortText();
    if (!request.AtEnd())
        return StatusOnly(kStatusBadRequest);
    Bytes generated;
    const Bytes* file = Find(data, key, generated);
    if (!file)
        return StatusOnly(kStatusNoSuchFile);
    const std::size_t length =
        offset >= file->size() ? 0 : std::min({std::size_t(chunkSize), kMaxReadChunk, file->size() - offset});
    SimByteWriter reply(kReadReplyHeaderSize + length);
    reply.U16(kStatusOk).U8(length == 0 ? kFlagEnd : kFlagPresent).U16(static_cast<std::uint16_t>(length));
    if (length > 0)
        reply.Append(std::span(file->data() + offset, length));
    return reply.Take();
}

Bytes SimFileTransfer::Delete(SimByteReader& request, SimDeviceData& data)
{
    const std::string path = request.ShortText();
    if (!request.AtEnd())
        return StatusOnly(kStatusBadRequest);
    const auto removed = std::erase_if(data.files, [&](const auto& file) { return file.first.name == path; });
    return StatusOnly(removed > 0 ? kStatusOk : kStatusNoSuchFile);
}

} // namespace pelsim
