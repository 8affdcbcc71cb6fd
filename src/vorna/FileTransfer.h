#pragma once
// Whole files between the PC and the controller in chunks: a file info request first decides
// whether the file is complete on the other side, can be resumed, or goes again from the start.

#include "MD5.h"
#include "ReplyView.h"
#include "VORNA.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CModuleRTU;
class CLocalFile;
class CLocalFileWriter;

// Which file on the controller: the file type byte and an optional name.
struct TransferTarget {
    std::string_view remoteName;
    std::uint8_t fileType;
};

// The reply of 30202 (23 bytes) or 30206 (31 bytes).
struct FileInfoReply {
    std::uint16_t status;
    std::uint8_t flag;
    std::uint32_t size;
    CMD5::Digest digest;
    std::array<std::uint32_t, 2> values; // 30206 only
};

class CFileTransfer {
public:
    CFileTransfer(CModuleRTU& module, TransferProgressCallback callback);

    // skipEmptyFile: an empty local file ends the upload at once, without traffic.
    void Upload(const std::string& localPath, const TransferTarget& target, bool skipEmptyFile);
    void Download(const std::string& localPath, const TransferTarget& target);
    // The log download: 30206 first, the caller's chunk size, and one closing read request after
    // the announced size has arrived. values receives the two numbers of the 30206 reply.
    void DownloadLog(const std::string& localPath, const TransferTarget& target, std::uint16_t chunkSize,
                     std::array<std::uint32_t, 2>& values);
    // The comparison alone: 0 resume, 1 complete, 2 from the start; state is left as it was when
    // the reply's flag says the controller has no such file.
    void CompareFile(const std::string& localPath, const TransferTarget& target, std::uint16_t& state);

    // Reply decoders, apart from the socket (the fuzz target feeds them).
    static FileInfoReply DecodeFileInfo(const CReplyView& reply, std::size_t expectedSize);
    // Checks a 30204 reply and returns how many data bytes (from offset 5) to take; remaining is
    // what is left of the announced size.
    static std::size_t DecodeChunk(const CReplyView& reply, std::uint64_t remaining);
    // The log download's rule: once fewer than chunkSize bytes are left of the announced size, the
    // chunk that brings them gives exactly what is left (its reply must hold at least that much).
    static std::size_t DecodeLogChunk(const CReplyView& reply, std::uint64_t remaining, std::uint16_t chunkSize);
    // Status (raised when not 0) and the 5-byte header of a 30204 reply.
    static void CheckChunkHeader(const CReplyView& reply);

private:
    enum class State { Resume = 0, Complete = 1, FromStart = 2 };

    struct DownloadPlan {
        std::uint16_t infoCommand;
        std::size_t infoSize;
        std::uint16_t chunkSize;
        bool closingRequest;
    };

    FileInfoReply RequestFileInfo(std::uint16_t command, std::uint32_t size, const TransferTarget& target,
                                  std::size_t expectedSize);
    void RunDownload(const std::string& localPath, const TransferTarget& target, const DownloadPlan& plan,
                     std::array<std::uint32_t, 2>& values);
    void ReadChunks(std::uint64_t start, std::uint64_t remoteSize, const TransferTarget& target,
                    const DownloadPlan& plan, CLocalFileWriter& file);
    void WriteChunks(const CLocalFile& file, std::uint32_t start, const TransferTarget& target);
    // Asks the callback about a file that is already complete; true when it is kept.
    bool KeepCompleteFile();
    void Report(TransferStatus& record, std::uint8_t status, std::uint8_t percent);

    static State CompareWithRemote(std::uint64_t localSize, const CMD5::Digest& localDigest, const FileInfoReply& info);

    CModuleRTU& m_module;
    TransferProgressCallback m_callback;
};
