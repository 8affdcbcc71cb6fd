#pragma once
// One accepted client: a thread that splits the incoming stream into frames, records and answers
// each one, shapes the reply by the armed fault, and sends pushed frames when they are due.

#include "SimCommandDispatcher.h"
#include "SimFaultPlan.h"
#include "SimReadyThread.h"
#include "SimRequestLog.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <memory>
#include <mutex>

struct iovec;

namespace pelsim {

class SimConnection {
public:
    // Takes ownership of socket; stopFd becomes readable when the whole simulator stops (it ends
    // a wait for room to send).
    SimConnection(int id, int socket, int stopFd, SimCommandDispatcher& dispatcher, SimFaultPlan& faults,
                  SimRequestLog& log);
    ~SimConnection(); // stops and joins the thread, closes the socket
    SimConnection(const SimConnection&) = delete;
    SimConnection& operator=(const SimConnection&) = delete;

    // Serves the client on the given thread, which it keeps.
    void Start(std::unique_ptr<SimReadyThread> thread);
    // Pushes a frame as soon as the connection's thread gets to it.
    void QueuePush(std::uint16_t command, Bytes payload);
    // Closes the connection from outside; the thread ends on its own.
    void Drop();
    // Drop, and the thread ends even when the client keeps talking.
    void Stop();
    bool finished() const { return finished_; }

private:
    using Clock = std::chrono::steady_clock;
    struct ScheduledPush {
        Clock::time_point due;
        std::uint16_t command;
        Bytes payload;
    };

    void Run();
    // False when the connection has to end.
    bool HandleInput(Bytes& buffer, std::size_t& used);
    bool HandleRequest(const SimFrameView& frame, const std::uint8_t* raw, std::size_t rawSize);
    bool SendFrame(std::uint16_t sequence, std::uint16_t command, Bytes payload, const std::optional<SimFault>& fault);
    // A frame without a fault, sent from its pieces: the payload is not copied into a frame.
    bool SendPlainFrame(std::uint16_t sequence, std::uint16_t command, const Bytes& payload);
    bool SendPushed(std::uint16_t command, Bytes payload);
    bool SendDuePushes();
    void SchedulePushes(const std::vector<SimFirmwareProgress>& frames, std::chrono::milliseconds interval);
    int MillisecondsToNextPush();
    bool SendAll(const std::uint8_t* data, std::size_t size);
    bool SendAllGathered(iovec* pieces, std::size_t count);
    // Waits until the socket takes more; false when it failed or the simulator stops.
    bool WaitUntilWritable();
    bool SendByteByByte(const Bytes& frame, std::uint32_t microsecondsBetween);

    const int id_;
    const int socket_;
    const int stopFd_;
    SimCommandDispatcher& dispatcher_;
    SimFaultPlan& faults_;
    SimRequestLog& log_;
    std::uint16_t pushSequence_ = 0;
    std::mutex pushMutex_;
    std::deque<ScheduledPush> pushes_;
    // Mirrors !pushes_.empty(), so a request with nothing queued costs no lock and no clock reading.
    std::atomic<bool> pushesQueued_{false};
    std::atomic<bool> stopping_{false};
    std::atomic<bool> finished_{false};
    std::unique_ptr<SimReadyThread> thread_;
};

} // namespace pelsim
