#pragma once
// Shared pieces of the library's tests: a simulator with an open connection, a raw loopback
// server that captures request bytes and answers scripted bytes, files and a progress recorder.

#include "DeviceSimulator.h"
#include "VORNA.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes operator+(Bytes left, const Bytes& right)
{
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

inline constexpr const char* kLoopback = "127.0.0.1";
inline constexpr std::uint32_t kTimeoutMs = 2000;
// Short enough for the cases that wait it out, long enough for a reply on a busy machine.
inline constexpr std::uint32_t kShortTimeoutMs = 500;
// For long transfers and many threads, where the machine's load may stall a single request.
inline constexpr std::uint32_t kPatientTimeoutMs = 30000;

// The socket library is started for the test's life.
class VornaSession {
public:
    VornaSession() { EXPECT_EQ(VORNA_Init(), VORNA_RESULT_OK); }
    ~VornaSession() { VORNA_Exit(); }
};

// A simulated controller and one open connection to it.
class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens another connection (the test disconnects it, or TearDown does for handle).
    std::int32_t Connect(std::uint32_t timeoutMs = kTimeoutMs);
    // Replaces handle by a connection with another time-out.
    void Reconnect(std::uint32_t timeoutMs);
    // Restart round trip: the connection still works.
    void ExpectUsable(const std::string& label);

    VornaSession session;
    pelsim::DeviceSimulator sim;
    std::int32_t handle = 0;
};

// One accepted loopback connection, driven from the server's thread.
class RawPeer {
public:
    explicit RawPeer(int socket) : m_socket(socket) {}
    // One whole frame as sent (header, payload, CRC); empty when none arrived in time.
    Bytes ReadFrame(std::chrono::milliseconds timeout = std::chrono::milliseconds(kTimeoutMs));
    // Exactly length bytes; empty when they did not arrive in time.
    Bytes ReadBytes(std::size_t length, std::chrono::milliseconds timeout = std::chrono::milliseconds(kTimeoutMs));
    void Send(const Bytes& bytes);

private:
    bool ReadExactly(std::uint8_t* target, std::size_t length, std::chrono::steady_clock::time_point deadline);
    int m_socket;
};

// A server on 127.0.0.1 that accepts one connection and runs the script on it in its own thread.
class RawServer {
public:
    explicit RawServer(std::function<void(RawPeer&)> script);
    ~RawServer();
    std::uint16_t port() const { return m_port; }
    // Waits for the script to end.
    void Join();

private:
    int m_listen = -1;
    std::uint16_t m_port = 0;
    std::thread m_thread;
};

// A frame as the controller sends it; the CRC comes from the simulator's own implementation.
Bytes EncodeReply(std::uint16_t sequence, std::uint16_t command, const Bytes& payload);
std::uint16_t ReadLe16(const Bytes& bytes, std::size_t offset);
std::uint32_t ReadLe32(const Bytes& bytes, std::size_t offset);

// Files for the transfers.
class TempFolder {
public:
    std::string Path(const std::string& name) const;
    static void Write(const std::string& path, const Bytes& bytes);
    static Bytes Read(const std::string& path);
    static bool Exists(const std::string& path);

private:
    QTemporaryDir m_dir;
};

// Deterministic content that differs at every position of a chunk.
Bytes PatternBytes(std::size_t size, std::uint8_t seed = 1);

// Records every progress callback; answers the "already complete" question with a preset byte.
class ProgressRecorder {
public:
    struct Call {
        std::uint8_t status;
        std::uint8_t percent;
        int length;
    };
    explicit ProgressRecorder(std::uint8_t answer = VORNA_TRANSFER_KEEP);
    ~ProgressRecorder();
    static void Callback(TransferStatus* status, int length);
    std::vector<Call> Calls() const;
    // Runs once at the given call (1-based), inside the callback.
    void OnCall(int number, std::function<void()> action);

private:
    std::uint8_t m_answer;
    std::vector<Call> m_calls;
    int m_actionAt = 0;
    std::function<void()> m_action;
};
