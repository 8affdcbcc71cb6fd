#pragma once
// One non-blocking TCP socket of a connection. Every wait is a poll bounded by the caller's
// deadline; failures are raised as result codes.

#include "Deadline.h"

#include <cstddef>
#include <cstdint>
#include <string>

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
    void Close();

    int m_socket = -1;
    std::uint32_t m_timeoutMs;
    std::string m_localAddress;
};
