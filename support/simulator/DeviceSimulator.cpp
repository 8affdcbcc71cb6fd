#include "DeviceSimulator.h"

#include "SimConnection.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace pelsim {
namespace {

constexpr int kListenBacklog = 16;

[[noreturn]] void Fail(const char* what)
{
    throw std::runtime_error(std::string("device simulator: ") + what + ": " + std::strerror(errno));
}

} // namespace

DeviceSimulator::DeviceSimulator(std::uint16_t port)
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        Fail("pipe");
    stopRead_ = pipeEnds[0];
    stopWrite_ = pipeEnds[1];

    listenSocket_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenSocket_ < 0)
        Fail("socket");
    const int on = 1;
    ::setsockopt(listenSocket_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    socklen_t length = sizeof address;
    if (::bind(listenSocket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenSocket_, kListenBacklog) != 0 ||
        ::getsockname(listenSocket_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(listenSocket_);
        ::close(stopRead_);
        ::close(stopWrite_);
        Fail("listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    acceptThread_ = std::thread([this] { AcceptLoop(); });
}

DeviceSimulator::~DeviceSimulator()
{
    const char stop = 1;
    while (::write(stopWrite_, &stop, 1) < 0 && errno == EINTR) {}
    acceptThread_.join();
    {
        std::lock_guard lock(connectionsMutex_);
        connections_.clear(); // each joins its thread, which sees the stop pipe
    }
    ::close(listenSocket_);
    ::close(stopRead_);
    ::close(stopWrite_);
}

void DeviceSimulator::AcceptLoop()
{
    for (;;) {
        pollfd fds[2] = {{listenSocket_, POLLIN, 0}, {stopRead_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (fds[1].revents != 0)
            return;
        if (fds[0].revents == 0)
            continue;
        const int client = ::accept4(listenSocket_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        const int on = 1;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        std::lock_guard lock(connectionsMutex_);
        ReapFinished();
        auto connection = std::make_unique<SimConnection>(++accepted_, client, stopRead_, dispatcher_, faults_, log_);
        connection->Start(std::exchange(readyThread_, std::make_unique<SimReadyThread>()));
        connections_.push_back(std::move(connection));
    }
}

void DeviceSimulator::ReapFinished()
{
    std::erase_if(connections_, [](const auto& connection) { return connection->finished(); });
}

void DeviceSimulator::SetFile(std::uint8_t fileType, Bytes content, const std::string& name)
{
    state_.With([&](SimDeviceData& d) { d.files[{fileType, name}] = std::move(content); });
}

std::optional<Bytes> DeviceSimulator::File(std::uint8_t fileType, const std::string& name)
{
    return state_.With([&](SimDeviceData& d) -> std::optional<Bytes> {
        const auto file = d.files.find({fileType, name});
        if (file == d.files.end())
            return std::nullopt;
        return file->second;
    });
}

void DeviceSimulator::RemoveFile(std::uint8_t fileType, const std::string& name)
{
    state_.With([&](SimDeviceData& d) { d.files.erase({fileType, name}); });
}

void DeviceSimulator::FailNextReply(SimFault fault, int times)
{
    faults_.Arm(std::nullopt, std::move(fault), times, 0);
}

void DeviceSimulator::FailCommand(std::uint16_t command, SimFault fault, int times, int skip)
{
    faults_.Arm(command, std::move(fault), times, skip);
}

void DeviceSimulator::ClearFaults()
{
    faults_.Clear();
}

void DeviceSimulator::PushProgress(const std::vector<SimFirmwareProgress>& frames)
{
    for (const auto& progress : frames)
        PushFrame(kCmdFirmwareProgress, {progress.percent, progress.state});
}

void DeviceSimulator::PushFrame(std::uint16_t command, const Bytes& payload)
{
    std::lock_guard lock(connectionsMutex_);
    for (const auto& connection : connections_)
        if (!connection->finished())
            connection->QueuePush(command, payload);
}

int DeviceSimulator::AcceptedConnections() const
{
    std::lock_guard lock(connectionsMutex_);
    return accepted_;
}

int DeviceSimulator::OpenConnections() const
{
    std::lock_guard lock(connectionsMutex_);
    return static_cast<int>(std::count_if(connections_.begin(), connections_.end(),
                                          [](const auto& connection) { return !connection->finished(); }));
}

void DeviceSimulator::DropConnections()
{
    std::lock_guard lock(connectionsMutex_);
    for (const auto& connection : connections_)
        connection->Drop();
}

} // namespace pelsim
