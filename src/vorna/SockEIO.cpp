#include "SockEIO.h"

#include "VornaError.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

// How far a receive may wait past the deadline rather than pay a call to shorten its time-out.
constexpr int kReceiveTimeoutSlackMs = 5;

bool isRetryable(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

sockaddr_in ipv4Address(const std::string& text, std::uint16_t port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    return inet_pton(AF_INET, text.c_str(), &address.sin_addr) == 1 ? address : sockaddr_in{};
}

} // namespace

CVornaSockEIO::CVornaSockEIO(std::uint32_t timeoutMs, std::string localAddress)
    : m_timeoutMs(timeoutMs), m_localAddress(std::move(localAddress))
{}

CVornaSockEIO::~CVornaSockEIO()
{
    Close();
}

void CVornaSockEIO::Close()
{
    const std::lock_guard lock(m_descriptorMutex);
    if (const int socket = m_socket.exchange(-1); socket != -1)
        ::close(socket);
}

void CVornaSockEIO::Open()
{
    m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
    Require(m_socket != -1, VORNA_RESULT_SOCKET_CREATE);
    const int on = 1;
    if (::setsockopt(m_socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on) != 0) {
        Close();
        Raise(VORNA_RESULT_SOCKET_CREATE);
    }
    BindLocalInterface();
}

void CVornaSockEIO::BindLocalInterface()
{
    if (m_localAddress.empty())
        return;
    const sockaddr_in local = ipv4Address(m_localAddress, 0);
    if (local.sin_family != AF_INET || ::bind(m_socket, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        Close();
        Raise(VORNA_RESULT_SOCKET_CREATE);
    }
}

void CVornaSockEIO::Connect(const std::string& ip, std::uint16_t port)
{
    const sockaddr_in peer = ipv4Address(ip, port);
    Require(peer.sin_family == AF_INET, VORNA_RESULT_INVALID_ARGUMENT);
    const CDeadline deadline(m_timeoutMs);
    Open();
    // A refused connect ends at once: nothing listens, and waiting would only freeze the caller.
    if (!TryConnect(peer, deadline)) {
        Close();
        Raise(VORNA_RESULT_TIMEOUT);
    }
    UseBlockingReceives();
}

bool CVornaSockEIO::TryConnect(const sockaddr_in& peer, const CDeadline& deadline)
{
    Require(!deadline.Expired(), VORNA_RESULT_TIMEOUT);
    if (::connect(m_socket, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0)
        return true;
    if (errno != EINPROGRESS && errno != EINTR)
        return false;
    WaitFor(POLLOUT, deadline);
    int error = 0;
    socklen_t size = sizeof error;
    if (::getsockopt(m_socket, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
        return false;
    return error == 0;
}

void CVornaSockEIO::WaitFor(short events, const CDeadline& deadline)
{
    for (;;) {
        const int left = deadline.RemainingMs();
        Require(left > 0, VORNA_RESULT_TIMEOUT);
        pollfd entry{m_socket, events, 0};
        const int ready = ::poll(&entry, 1, left);
        if (ready > 0)
            return;
        if (ready < 0 && errno != EINTR)
            RaiseBroken();
    }
}

void CVornaSockEIO::RaiseBroken() const
{
    Raise(m_aborted ? VORNA_RESULT_CANCELLED : VORNA_RESULT_CONNECTION);
}

void CVornaSockEIO::Abort()
{
    m_aborted = true;
    const std::lock_guard lock(m_descriptorMutex);
    if (const int socket = m_socket; socket != -1)
        ::shutdown(socket, SHUT_RDWR);
}

// A send tries first: the socket is nearly always writable, so one system call per frame.
void CVornaSockEIO::SendAll(const std::uint8_t* data, std::size_t length, const CDeadline& deadline)
{
    iovec piece{const_cast<std::uint8_t*>(data), length};
    SendAllGathered(&piece, 1, deadline);
}

void CVornaSockEIO::SendAllGathered(iovec* pieces, std::size_t count, const CDeadline& deadline)
{
    Require(m_socket != -1, VORNA_RESULT_CONNECTION);
    Require(!m_aborted, VORNA_RESULT_CANCELLED);
    for (;;) {
        while (count > 0 && pieces->iov_len == 0) {
            ++pieces;
            --count;
        }
        if (count == 0)
            return;
        Require(!deadline.Expired(), VORNA_RESULT_TIMEOUT);
        msghdr message{};
        message.msg_iov = pieces;
        message.msg_iovlen = count;
        const ssize_t result = ::sendmsg(m_socket, &message, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (result > 0) {
            for (auto sent = static_cast<std::size_t>(result); sent > 0; ++pieces, --count) {
                const std::size_t taken = std::min(sent, pieces->iov_len);
                pieces->iov_base = static_cast<std::uint8_t*>(pieces->iov_base) + taken;
                pieces->iov_len -= taken;
                sent -= taken;
                if (pieces->iov_len > 0)
                    break;
            }
            continue;
        }
        const int error = errno;
        if (result == 0 || !isRetryable(error))
            RaiseBroken();
        if (error != EINTR)
            WaitFor(POLLOUT, deadline);
    }
}

// A receive blocks in the kernel, bounded by the socket's receive time-out: one system call per
// piece of the reply. The time-out is set again only when what is left of the deadline has fallen
// noticeably below it, so the first receive of a request nearly never costs a second call.
std::size_t CVornaSockEIO::ReceiveSome(std::uint8_t* buffer, std::size_t capacity, const CDeadline& deadline)
{
    Require(m_socket != -1, VORNA_RESULT_CONNECTION);
    for (;;) {
        Require(!m_aborted, VORNA_RESULT_CANCELLED);
        BoundReceiveBy(deadline);
        const ssize_t result = ::recv(m_socket, buffer, capacity, 0);
        if (result > 0)
            return static_cast<std::size_t>(result);
        // EAGAIN: the receive time-out ran out; the next pass checks the deadline.
        if (result == 0 || !isRetryable(errno))
            RaiseBroken();
    }
}

void CVornaSockEIO::BoundReceiveBy(const CDeadline& deadline)
{
    const int left = deadline.RemainingMs();
    Require(left > 0, VORNA_RESULT_TIMEOUT);
    if (m_receiveTimeoutMs - kReceiveTimeoutSlackMs <= left)
        return;
    const timeval timeout{left / 1000, (left % 1000) * 1000};
    if (::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout) != 0)
        Raise(VORNA_RESULT_CONNECTION);
    m_receiveTimeoutMs = left;
}

void CVornaSockEIO::UseBlockingReceives()
{
    const int flags = ::fcntl(m_socket, F_GETFL);
    if (flags == -1 || ::fcntl(m_socket, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        Close();
        Raise(VORNA_RESULT_SOCKET_CREATE);
    }
    m_receiveTimeoutMs = kNoReceiveTimeout;
}

void CVornaSockEIO::DiscardPendingInput()
{
    if (m_socket == -1)
        return;
    std::uint8_t scratch[512];
    while (::recv(m_socket, scratch, sizeof scratch, MSG_DONTWAIT) > 0) {}
}
