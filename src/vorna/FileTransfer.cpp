#include "FileTransfer.h"

#include "Commands.h"
#include "LocalFile.h"
#include "ModuleRTU.h"
#include "PayloadWriter.h"
#include "VornaError.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {

constexpr std::uint8_t kTransferMode = 0;  // first byte of every transfer request
constexpr std::uint16_t kStatusNoFile = 1; // 30202: the controller has no such file
constexpr std::size_t kFileInfoSize = 23;
constexpr std::size_t kLogFileInfoSize = 31;
constexpr std::size_t kFileInfoSizeAt = 3;
constexpr std::size_t kFileInfoDigestAt = 7;
constexpr std::size_t kLogValuesAt = 23;
constexpr std::size_t kChunkHeaderSize = 5; // status, flag, data length
constexpr std::size_t kChunkFlagAt = 2;
constexpr std::size_t kChunkLengthAt = 3;
constexpr std::uint8_t kChunkFlagNoData = 1;
constexpr std::uint16_t kChunkSize = VORNA_CHUNK_SIZE;
constexpr int kStatusRecordLength = 2;

std::uint8_t percentOf(std::uint64_t done, std::uint64_t total)
{
    if (total == 0)
        return 100;
    return static_cast<std::uint8_t>(done * 100 / total);
}

std::uint32_t protocolSize(std::uint64_t size)
{
    Require(size <= std::numeric_limits<std::uint32_t>::max(), VORNA_RESULT_INVALID_ARGUMENT);
    return static_cast<std::uint32_t>(size);
}

CPayloadWriter& transferHeader(CPayloadWriter& payload, const TransferTarget& target)
{
    return payload.Byte(kTransferMode).Byte(target.fileType);
}

} // namespace

CFileTransfer::CFileTransfer(CModuleRTU& module, TransferProgressCallback callback)
    : m_module(module), m_callback(callback)
{}

void CFileTransfer::Report(TransferStatus& record, std::uint8_t status, std::uint8_t percent)
{
    record.status = status;
    record.percent = percent;
    if (m_callback)
        m_callback(&record, kStatusRecordLength);
    Require(record.status != VORNA_TRANSFER_CANCEL, VORNA_RESULT_CANCELLED);
}

bool CFileTransfer::KeepCompleteFile()
{
    TransferStatus& record = m_module.Status();
    Report(record, VORNA_TRANSFER_COMPLETE, 0);
    if (record.status == VORNA_TRANSFER_AGAIN)
        return false;
    Report(record, VORNA_TRANSFER_LAST, 100);
    return true;
}

FileInfoReply CFileTransfer::DecodeFileInfo(const CReplyView& reply, std::size_t expectedSize)
{
    Require(reply.Size() == expectedSize, VORNA_RESULT_BAD_REPLY);
    FileInfoReply info{};
    info.status = reply.U16(0);
    info.flag = reply.U8(2);
    info.size = reply.U32(kFileInfoSizeAt);
    reply.Copy(kFileInfoDigestAt, info.digest.data(), info.digest.size());
    if (expectedSize == kLogFileInfoSize) {
        info.values[0] = reply.U32(kLogValuesAt);
        info.values[1] = reply.U32(kLogValuesAt + 4);
    }
    return info;
}

void CFileTransfer::CheckChunkHeader(const CReplyView& reply)
{
    CModuleRTU::RaiseStatus(reply);
    Require(reply.Size() >= kChunkHeaderSize, VORNA_RESULT_BAD_REPLY);
}

std::size_t CFileTransfer::DecodeChunk(const CReplyView& reply, std::uint64_t remaining)
{
    CheckChunkHeader(reply);
    const std::size_t length = reply.U8(kChunkFlagAt) == kChunkFlagNoData ? 0 : reply.U16(kChunkLengthAt);
    Require(length <= reply.Size() - kChunkHeaderSize, VORNA_RESULT_BAD_REPLY);
    Require(length <= remaining, VORNA_RESULT_BAD_REPLY);
    return length;
}

std::size_t CFileTransfer::DecodeLogChunk(const CReplyView& reply, std::uint64_t remaining, std::uint16_t chunkSize)
{
    CheckChunkHeader(reply);
    if (reply.U8(kChunkFlagAt) == kChunkFlagNoData || remaining >= chunkSize)
        return DecodeChunk(reply, remaining);
    // The last chunk is what is left of the announced size, whatever its length field says: a
    // controller may send a full chunk. Only a reply too short to hold the rest is refused.
    Require(reply.Size() - kChunkHeaderSize >= remaining, VORNA_RESULT_BAD_REPLY);
    return static_cast<std::size_t>(remaining);
}

FileInfoReply CFileTransfer::RequestFileInfo(std::uint16_t command, std::uint32_t size, const TransferTarget& target,
                                             std::size_t expectedSize)
{
    CPayloadWriter payload;
    transferHeader(payload, target).U32(size).Name(target.remoteName);
    return DecodeFileInfo(m_module.Request(command, payload, CModuleRTU::kStatusArea), expectedSize);
}

// ---- Upload ----

void CFileTransfer::Upload(const std::string& localPath, const TransferTarget& target, bool skipEmptyFile)
{
    const CLocalFile file = CLocalFile::OpenForReading(localPath);
    const std::uint32_t size = protocolSize(file.Size());
    if (size == 0 && skipEmptyFile)
        return;

    const FileInfoReply info = RequestFileInfo(Command::kFileInfo, 0, target, kFileInfoSize);
    State state = State::FromStart;
    if (info.status == 0) {
        // Resumable only when the controller's file is a prefix of ours.
        if (size >= info.size && file.DigestOfFirst(info.size) == info.digest)
            state = size == info.size ? State::Complete : State::Resume;
    } else if (info.status != kStatusNoFile) {
        Raise(info.status);
    }
    if (state == State::Complete && KeepCompleteFile())
        return;
    WriteChunks(file, state == State::Resume ? info.size : 0, target);
}

void CFileTransfer::WriteChunks(const CLocalFile& file, std::uint32_t start, const TransferTarget& target)
{
    // Behind the data come empty chunks: one after a short last chunk, two after a full one.
    const std::uint32_t size = static_cast<std::uint32_t>(file.Size());
    const std::uint32_t passes = (size - start) / kChunkSize + 2;
    CLocalFileReader reader(file);
    std::uint32_t offset = start;
    for (std::uint32_t pass = 0; pass < passes; ++pass) {
        const std::uint16_t length = static_cast<std::uint16_t>(std::min<std::uint32_t>(kChunkSize, size - offset));
        const std::uint8_t* chunk = reader.At(offset, length);
        CPayloadWriter payload;
        transferHeader(payload, target).U32(offset).U16(length).Name(target.remoteName);
        CModuleRTU::RaiseStatus(
            m_module.Request(Command::kWriteChunk, payload, chunk, length, CModuleRTU::kStatusArea));
        offset += length;
        Report(m_module.Status(), offset < size ? VORNA_TRANSFER_MORE : VORNA_TRANSFER_LAST, percentOf(offset, size));
    }
}

// ---- Download ----

CFileTransfer::State CFileTransfer::CompareWithRemote(std::uint64_t localSize, const CMD5::Digest& localDigest,
                                                      const FileInfoReply& info)
{
    // Resumable only when our file is a prefix of the controller's.
    if (info.size < localSize || info.digest != localDigest)
        return State::FromStart;
    return info.size == localSize ? State::Complete : State::Resume;
}

namespace {

struct LocalSnapshot {
    std::uint32_t size;
    CMD5::Digest digest;
};

// A missing local file counts as empty: the download creates it.
LocalSnapshot snapshotOf(const std::string& path)
{
    const std::optional<CLocalFile> file = CLocalFile::OpenIfExists(path);
    if (!file)
        return {0, CMD5::Of(nullptr, 0)};
    const std::uint32_t size = protocolSize(file->Size());
    return {size, file->DigestOfFirst(size)};
}

} // namespace

void CFileTransfer::Download(const std::string& localPath, const TransferTarget& target)
{
    std::array<std::uint32_t, 2> unused{};
    RunDownload(localPath, target, DownloadPlan{Command::kFileInfo, kFileInfoSize, kChunkSize, false}, unused);
}

void CFileTransfer::DownloadLog(const std::string& localPath, const TransferTarget& target, std::uint16_t chunkSize,
                                std::array<std::uint32_t, 2>& values)
{
    RunDownload(localPath, target, DownloadPlan{Command::kLogFileInfo, kLogFileInfoSize, chunkSize, true}, values);
}

void CFileTransfer::RunDownload(const std::string& localPath, const TransferTarget& target, const DownloadPlan& plan,
                                std::array<std::uint32_t, 2>& values)
{
    const LocalSnapshot local = snapshotOf(localPath);
    const FileInfoReply info = RequestFileInfo(plan.infoCommand, local.size, target, plan.infoSize);
    if (info.status != 0)
        Raise(info.status);
    Require(info.size <= VORNA_MAX_DOWNLOAD_SIZE, VORNA_RESULT_BAD_REPLY);
    values = info.values;

    const State state = CompareWithRemote(local.size, local.digest, info);
    if (state == State::Complete && KeepCompleteFile())
        return;
    const std::uint64_t start = state == State::Resume ? local.size : 0;
    // A failure on the way leaves the local file as it was.
    CLocalFileWriter file(localPath, state == State::Resume, info.size - start);
    ReadChunks(start, info.size, target, plan, file);
    file.Commit();
}

void CFileTransfer::ReadChunks(std::uint64_t start, std::uint64_t remoteSize, const TransferTarget& target,
                               const DownloadPlan& plan, CLocalFileWriter& file)
{
    TransferStatus record{};
    std::uint64_t received = start;
    for (;;) {
        const bool allArrived = received == remoteSize;
        if (allArrived && !plan.closingRequest && received > start)
            break;
        CPayloadWriter payload;
        transferHeader(payload, target)
            .U32(static_cast<std::uint32_t>(received))
            .U16(plan.chunkSize)
            .Name(target.remoteName);
        const CReplyView reply = m_module.Request(Command::kReadChunk, payload, CModuleRTU::kListArea);
        // Once everything has arrived the log's closing request takes nothing, whatever it offers.
        std::size_t length = 0;
        if (allArrived)
            CheckChunkHeader(reply);
        else if (plan.closingRequest)
            length = DecodeLogChunk(reply, remoteSize - received, plan.chunkSize);
        else
            length = DecodeChunk(reply, remoteSize - received);
        file.Append(reply.Data() + kChunkHeaderSize, length);
        received += length;
        Report(record, length > 0 ? VORNA_TRANSFER_MORE : VORNA_TRANSFER_LAST, percentOf(received, remoteSize));
        if (length == 0)
            break;
    }
    // An end before the announced size is a broken transfer, not a smaller file.
    Require(received == remoteSize, VORNA_RESULT_SHORT_DOWNLOAD);
}

void CFileTransfer::CompareFile(const std::string& localPath, const TransferTarget& target, std::uint16_t& state)
{
    const LocalSnapshot local = snapshotOf(localPath);
    const FileInfoReply info = RequestFileInfo(Command::kFileInfo, local.size, target, kFileInfoSize);
    if (info.flag == 0)
        state = static_cast<std::uint16_t>(CompareWithRemote(local.size, local.digest, info));
}
