#pragma once
// A transfer's file on the PC. Any failure to open, read or write it raises
// VORNA_RESULT_LOCAL_FILE, so a transfer never reports success over a file it could not use.

#include "MD5.h"
#include "VORNA.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CLocalFile {
public:
    // A regular file for reading.
    static CLocalFile OpenForReading(const std::string& path);
    // As OpenForReading, but nullopt when the file does not exist.
    static std::optional<CLocalFile> OpenIfExists(const std::string& path);

    CLocalFile(CLocalFile&& other) noexcept;
    CLocalFile& operator=(CLocalFile&&) = delete;
    CLocalFile(const CLocalFile&) = delete;
    ~CLocalFile();

    std::uint64_t Size() const { return m_size; }
    // Reads exactly length bytes at offset; a shorter read raises.
    void ReadAt(std::uint64_t offset, std::uint8_t* buffer, std::size_t length) const;
    // MD5 of the first length bytes, read in blocks.
    CMD5::Digest DigestOfFirst(std::uint64_t length) const;

private:
    CLocalFile(int descriptor, std::uint64_t size);

    int m_descriptor;
    std::uint64_t m_size;
};

// Serves a transfer's chunks, in order, from blocks far larger than a chunk: one read per block
// instead of one per chunk.
class CLocalFileReader {
public:
    // Large enough that the file costs few system calls beside the chunks' requests.
    static constexpr std::size_t kBlockSize = 16 * VORNA_CHUNK_SIZE;

    explicit CLocalFileReader(const CLocalFile& file) : m_file(file) {}

    // The length bytes at offset; valid until the next call. A file that has shrunk raises.
    const std::uint8_t* At(std::uint64_t offset, std::size_t length);

private:
    const CLocalFile& m_file;
    std::vector<std::uint8_t> m_block;
    std::uint64_t m_blockStart = 0;
};

// The file a download fills while its chunks arrive, written in blocks far larger than a chunk.
// Until Commit, a failure leaves the file as it was: bytes appended are cut off again, and a file
// written from the start goes to a temporary file beside it, which replaces it (by a rename) only
// once the whole download is written and flushed, so a full disk never costs the old file. A file
// that did not exist has nothing to keep: it is renamed into place without the flush to disk.
class CLocalFileWriter {
public:
    static constexpr std::size_t kBlockSize = CLocalFileReader::kBlockSize;

    // append: the new bytes continue the file's own. expectedSize: how many are announced.
    CLocalFileWriter(const std::string& path, bool append, std::uint64_t expectedSize);
    CLocalFileWriter(const CLocalFileWriter&) = delete;
    CLocalFileWriter& operator=(const CLocalFileWriter&) = delete;
    ~CLocalFileWriter(); // undoes everything unless committed

    void Append(const std::uint8_t* data, std::size_t length);
    void Commit();

private:
    void OpenForAppending();
    void OpenTemporary();
    void WritePending();

    std::string m_path;      // the file the download is for (a link's target)
    std::string m_temporary; // empty when appending in place
    int m_descriptor = -1;
    std::uint64_t m_originalSize = 0;
    std::vector<std::uint8_t> m_pending;
    bool m_keepsExisting = true; // an existing file is replaced or extended: flushed before commit
    bool m_committed = false;
};
