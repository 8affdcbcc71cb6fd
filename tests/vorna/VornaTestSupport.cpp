#include "VornaTestSupport.h"

#include "SimCrc16.h"
#include "SimFrame.h"

#include <QFile>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

ProgressRecorder* g_recorder = nullptr;

constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kLengthOutside = 8;

} // namespace

// ---- SimulatorTest ----

void SimulatorTest::SetUp()
{
    handle = Connect();
    ASSERT_NE(handle, 0);
}

void SimulatorTest::TearDown()
{
    if (handle != 0)
        VORNA_Disconnect(handle);
}

std::int32_t SimulatorTest::Connect(std::uint32_t timeoutMs)
{
    std::int32_t opened = 0;
    EXPECT_EQ(VORNA_Connect(kLoopback, sim.port(), timeoutMs, &opened), VORNA_RESULT_OK);
    return opened;
}

void SimulatorTest::Reconnect(std::uint32_t timeoutMs)
{
    ASSERT_EQ(VORNA_Disconnect(handle), VORNA_RESULT_OK);
    handle = Connect(timeoutMs);
}

void SimulatorTest::ExpectUsable(const std::string& label)
{
    sim.ClearFaults();
    EXPECT_EQ(VORNA_Restart(handle), VORNA_RESULT_OK) << label << ": the connection is no longer usable";
}

// ---- RawServer ----

bool RawPeer::ReadExactly(std::uint8_t* target, std::size_t length, std::chrono::steady_clock::time_point deadline)
{
    std::size_t done = 0;
    while (done < length) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd entry{m_socket, POLLIN, 0};
        if (::poll(&entry, 1, static_cast<int>(left.count())) <= 0)
            return false;
        const ssize_t got = ::recv(m_socket, target + done, length - done, 0);
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

Bytes RawPeer::ReadFrame(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    Bytes frame(kHeaderSize);
    if (!ReadExactly(frame.data(), kHeaderSize, deadline))
        return {};
    const std::size_t total = ReadLe16(frame, 6) + kLengthOutside;
    frame.resize(total);
    if (!ReadExactly(frame.data() + kHeaderSize, total - kHeaderSize, deadline))
        return {};
    return frame;
}

Bytes RawPeer::ReadBytes(std::size_t length, std::chrono::milliseconds timeout)
{
    Bytes bytes(length);
    if (!ReadExactly(bytes.data(), length, std::chrono::steady_clock::now() + timeout))
        return {};
    return bytes;
}

void RawPeer::Send(const Bytes& bytes)
{
    ::send(m_socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

RawServer::RawServer(std::function<void(RawPeer&)> script)
{
    m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(m_listen, 1);
    socklen_t size = sizeof address;
    ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &size);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this, script = std::move(script)] {
        pollfd entry{m_listen, POLLIN, 0};
        if (::poll(&entry, 1, static_cast<int>(kTimeoutMs)) <= 0)
            return;
        const int peerSocket = ::accept(m_listen, nullptr, nullptr);
        if (peerSocket < 0)
            return;
        RawPeer peer(peerSocket);
        script(peer);
        ::close(peerSocket);
    });
}

RawServer::~RawServer()
{
    Join();
    ::close(m_listen);
}

void RawServer::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

Bytes EncodeReply(std::uint16_t sequence, std::uint16_t command, const Bytes& payload)
{
    return pelsim::EncodeFrame(sequence, command, payload);
}

std::uint16_t ReadLe16(const Bytes& bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

std::uint32_t ReadLe32(const Bytes& bytes, std::size_t offset)
{
    return ReadLe16(bytes, offset) | static_cast<std::uint32_t>(ReadLe16(bytes, offset + 2)) << 16;
}

// ---- Files ----

std::string TempFolder::Path(const std::string& name) const
{
    return m_dir.filePath(QString::fromStdString(name)).toStdString();
}

void TempFolder::Write(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes TempFolder::Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempFolder::Exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

Bytes PatternBytes(std::size_t size, std::uint8_t seed)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 31 + seed * 7 + i / 251) & 0xFF);
    return bytes;
}

// ---- ProgressRecorder ----

ProgressRecorder::ProgressRecorder(std::uint8_t answer) : m_answer(answer)
{
    g_recorder = this;
}

ProgressRecorder::~ProgressRecorder()
{
    g_recorder = nullptr;
}

void ProgressRecorder::Callback(TransferStatus* status, int length)
{
    ProgressRecorder* self = g_recorder;
    if (self == nullptr)
        return;
    self->m_calls.push_back({status->status, status->percent, length});
    if (status->status == VORNA_TRANSFER_COMPLETE)
        status->status = self->m_answer;
    if (self->m_action && static_cast<int>(self->m_calls.size()) == self->m_actionAt)
        self->m_action();
}

std::vector<ProgressRecorder::Call> ProgressRecorder::Calls() const
{
    return m_calls;
}

void ProgressRecorder::OnCall(int number, std::function<void()> action)
{
    m_actionAt = number;
    m_action = std::move(action);
}
