#pragma once
// One TCP socket of a connection. Connecting and sending never block (their waits are polls);
// a receive blocks in the kernel for at most what is left of the caller's deadline. Failures are
// raised as result codes. Abort, from any thread, ends the wait of the request under way at once.

#include "Deadline.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <mutex>
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

    // Connects within the time-out: 2001 (also at once when the peer refuses), 2003.
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
    // Ends the current and every later send or receive with VORNA_RESULT_CANCELLED; the socket is
    // shut down (not closed: the thread of the request still uses its descriptor).
    void Abort();

    std::uint32_t TimeoutMs() const { return m_timeoutMs; }

private:
    void Open();
    void BindLocalInterface();
    // True when the connect completed; false when it was refused or failed.
    bool TryConnect(const sockaddr_in& peer, const CDeadline& deadline);
    // 2005, or VORNA_RESULT_CANCELLED after Abort.
    [[noreturn]] void RaiseBroken() const;
    // Raises 2001 unless the socket shows events before the deadline.
    void WaitFor(short events, const CDeadline& deadline);
    // Once connected, receives block: the socket's receive time-out bounds them.
    void UseBlockingReceives();
    // Keeps the receive time-out at or below what is left of the deadline (a little slack aside).
    void BoundReceiveBy(const CDeadline& deadline);
    void Close();

    static constexpr int kNoReceiveTimeout = std::numeric_limits<int>::max(); // the kernel's: forever

    // Read by Abort on another thread; the descriptor is shut down and closed under m_descriptorMutex,
    // so Abort never reaches a number the system has meanwhile handed to another file.
    std::atomic<int> m_socket{-1};
    std::mutex m_descriptorMutex;
    std::atomic<bool> m_aborted{false};
    int m_receiveTimeoutMs = kNoReceiveTimeout;
    std::uint32_t m_timeoutMs;
    std::string m_localAddress;
};
