#include "LocalFile.h"

#include "VornaError.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kReadBlockSize = CLocalFileReader::kBlockSize;
constexpr mode_t kNewFileMode = 0644;
constexpr mode_t kPermissionBits = 07777;
constexpr int kTemporaryAttempts = 100;

// A link is followed: the download replaces the file it points to, not the link.
std::string resolvedPath(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char* target = ::realpath(path.c_str(), nullptr);
    if (target == nullptr)
        return path;
    std::string resolved(target);
    std::free(target);
    return resolved;
}

int openForReading(const std::string& path)
{
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

void writeAll(int descriptor, const std::uint8_t* data, std::size_t length)
{
    std::size_t done = 0;
    while (done < length) {
        const ssize_t result = ::write(descriptor, data + done, length - done);
        if (result < 0 && errno == EINTR)
            continue;
        Require(result > 0, VORNA_RESULT_LOCAL_FILE);
        done += static_cast<std::size_t>(result);
    }
}

} // namespace

CLocalFile::CLocalFile(int descriptor, std::uint64_t size) : m_descriptor(descriptor), m_size(size)
{}

CLocalFile::CLocalFile(CLocalFile&& other) noexcept : m_descriptor(other.m_descriptor), m_size(other.m_size)
{
    other.m_descriptor = -1;
}

CLocalFile::~CLocalFile()
{
    if (m_descriptor != -1)
        ::close(m_descriptor);
}

std::optional<CLocalFile> CLocalFile::OpenIfExists(const std::string& path)
{
    const int descriptor = openForReading(path);
    if (descriptor == -1) {
        Require(errno == ENOENT, VORNA_RESULT_LOCAL_FILE);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        Raise(VORNA_RESULT_LOCAL_FILE);
    }
    return CLocalFile(descriptor, static_cast<std::uint64_t>(info.st_size));
}

CLocalFile CLocalFile::OpenForReading(const std::string& path)
{
    std::optional<CLocalFile> file = OpenIfExists(path);
    Require(file.has_value(), VORNA_RESULT_LOCAL_FILE);
    return std::move(*file);
}

void CLocalFile::ReadAt(std::uint64_t offset, std::uint8_t* buffer, std::size_t length) const
{
    std::size_t done = 0;
    while (done < length) {
        const ssize_t result = ::pread(m_descriptor, buffer + done, length - done, static_cast<off_t>(offset + done));
        if (result < 0 && errno == EINTR)
            continue;
        Require(result > 0, VORNA_RESULT_LOCAL_FILE);
        done += static_cast<std::size_t>(result);
    }
}

CMD5::Digest CLocalFile::DigestOfFirst(std::uint64_t length) const
{
    Md5Context context;
    std::uint32_t counter = 0;
    CMD5::Init(context);
    CMD5::SetLength(context, counter, length);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(std::min<std::uint64_t>(kReadBlockSize, length)));
    for (std::uint64_t offset = 0; offset < length;) {
        const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), length - offset));
        ReadAt(offset, block.data(), take);
        CMD5::Update(context, counter, block.data(), take);
        offset += take;
    }
    return CMD5::Final(context);
}

const std::uint8_t* CLocalFileReader::At(std::uint64_t offset, std::size_t length)
{
    const bool inBlock = offset >= m_blockStart && offset + length <= m_blockStart + m_block.size();
    if (!inBlock) {
        const std::uint64_t left = m_file.Size() > offset ? m_file.Size() - offset : 0;
        const std::size_t blockLength =
            std::max(length, static_cast<std::size_t>(std::min<std::uint64_t>(kReadBlockSize, left)));
        m_block.resize(blockLength);
        m_blockStart = offset;
        m_file.ReadAt(offset, m_block.data(), blockLength);
    }
    return m_block.data() + (offset - m_blockStart);
}

CLocalFileWriter::CLocalFileWriter(const std::string& path, bool append, std::uint64_t expectedSize)
    : m_path(resolvedPath(path))
{
    if (append)
        OpenForAppending();
    else
        OpenTemporary();
    m_pending.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, expectedSize)));
}

void CLocalFileWriter::OpenForAppending()
{
    m_descriptor = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, kNewFileMode);
    Require(m_descriptor != -1, VORNA_RESULT_LOCAL_FILE);
    struct stat info {};
    if (::fstat(m_descriptor, &info) != 0) {
        ::close(m_descriptor);
        m_descriptor = -1;
        Raise(VORNA_RESULT_LOCAL_FILE);
    }
    m_originalSize = static_cast<std::uint64_t>(info.st_size);
}

void CLocalFileWriter::OpenTemporary()
{
    // Beside the file, so the final rename stays within one file system.
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < kTemporaryAttempts && m_descriptor == -1; ++attempt) {
        m_temporary = m_path + ".part" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        m_descriptor = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        Require(m_descriptor != -1 || errno == EEXIST, VORNA_RESULT_LOCAL_FILE);
    }
    Require(m_descriptor != -1, VORNA_RESULT_LOCAL_FILE);
    // A replaced file keeps its permissions.
    struct stat info {};
    m_keepsExisting = ::stat(m_path.c_str(), &info) == 0;
    if (m_keepsExisting)
        static_cast<void>(::fchmod(m_descriptor, info.st_mode & kPermissionBits));
}

CLocalFileWriter::~CLocalFileWriter()
{
    if (m_committed)
        return;
    if (m_temporary.empty() && m_descriptor != -1)
        static_cast<void>(::ftruncate(m_descriptor, static_cast<off_t>(m_originalSize)));
    if (m_descriptor != -1)
        ::close(m_descriptor);
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
}

void CLocalFileWriter::Append(const std::uint8_t* data, std::size_t length)
{
    if (m_pending.size() + length > kBlockSize)
        WritePending();
    m_pending.insert(m_pending.end(), data, data + length);
}

void CLocalFileWriter::WritePending()
{
    writeAll(m_descriptor, m_pending.data(), m_pending.size());
    m_pending.clear();
}

void CLocalFileWriter::Commit()
{
    WritePending();
    Require(!m_keepsExisting || ::fsync(m_descriptor) == 0, VORNA_RESULT_LOCAL_FILE);
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    Require(::close(descriptor) == 0, VORNA_RESULT_LOCAL_FILE);
    if (!m_temporary.empty())
        Require(::rename(m_temporary.c_str(), m_path.c_str()) == 0, VORNA_RESULT_LOCAL_FILE);
    m_committed = true;
}
