#pragma once
// One TCP socket of a connection. Connecting and sending never block (their waits are polls);
// a receive blocks in the kernel for at most what is left of the caller's deadline. Failures are
// raised as result codes.

#include "Deadline.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

struct iovec;
struct sockaddr_in;

class CVornaSockEIO {
public:
    // localAddress: the selected PC interface to bind to, empty for none.
    CVornaSockEIO(std::uint32_t timeoutMs, std::string localAddress);
    ~CVornaSockEIO();
    CVornaSockEIO(const CVornaSockEIO&) = delete;
    CVornaSockEIO& operator=(const CVornaSockEIO&) = delete;

    // Connects within the time-out, trying again while the peer refuses: 2001, 2003.
    void Connect(const std::string& ip, std::uint16_t port);

    // Sends every byte: 2001 when the deadline passes, 2005 when the send fails.
    void SendAll(const std::uint8_t* data, std::size_t length, const CDeadline& deadline);
    // As SendAll for the pieces in order, in one system call when the socket takes them all, so
    // a frame is sent from where its parts lie without being copied together first. The pieces
    // themselves are used up (advanced past what was sent).
    void SendAllGathered(iovec* pieces, std::size_t count, const CDeadline& deadline);
    // Receives at least one byte, at most capacity: 2001, 2005 (also when the peer closed).
    std::size_t ReceiveSome(std::uint8_t* buffer, std::size_t capacity, const CDeadline& deadline);
    // Throws away whatever has already arrived, so a late or broken reply cannot spoil the next one.
    void DiscardPendingInput();

    std::uint32_t TimeoutMs() const { return m_timeoutMs; }

private:
    void Open();
    void BindLocalInterface();
    // True when the connect completed; false when it was refused or failed and may be tried again.
    bool TryConnect(const sockaddr_in& peer, const CDeadline& deadline);
    // Raises 2001 unless the socket shows events before the deadline.
    void WaitFor(short events, const CDeadline& deadline);
    // Once connected, receives block: the socket's receive time-out bounds them.
    void UseBlockingReceives();
    // Keeps the receive time-out at or below what is left of the deadline (a little slack aside).
    void BoundReceiveBy(const CDeadline& deadline);
    void Close();

    static constexpr int kNoReceiveTimeout = std::numeric_limits<int>::max(); // the kernel's: forever

    int m_socket = -1;
    int m_receiveTimeoutMs = kNoReceiveTimeout;
    std::uint32_t m_timeoutMs;
    std::string m_localAddress;
};
