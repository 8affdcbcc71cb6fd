#pragma once
// A simulated controller for tests and benchmarks: a TCP server on 127.0.0.1 (ephemeral port)
// that speaks the device protocol, keeps its files and settings in memory, records every request
// frame and can be told to misbehave. Plain C++ and POSIX sockets; one thread per connection.
//
// Where the protocol leaves the device's side open, this device:
// - answers status words from SimStatus.h (1 no such file, 0x8011 login refused, 0x8100 unknown
//   command, 0x8101 malformed request, ...);
// - drops request frames with a bad CRC or frame id unanswered, and hangs up on a stream it
//   cannot split (bad magic, impossible length);
// - pushes 30019 frames (percent, state) after each boot-loader registration and treats a 30019
//   frame from the client as an acknowledgement without reply;
// - digests the first min(request size, file size) bytes of a file for 30202 (all of it for 0),
//   restarts a file on a chunk at offset 0 and rewrites it from any other offset up to its end.

#include "SimCommandDispatcher.h"
#include "SimDeviceState.h"
#include "SimFault.h"
#include "SimFaultPlan.h"
#include "SimReadyThread.h"
#include "SimRequestLog.h"
#include "SimStatus.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace pelsim {

class SimConnection;

class DeviceSimulator {
public:
    // Listens on 127.0.0.1:port (0: a free port) at once; throws std::runtime_error when no socket
    // can be opened.
    explicit DeviceSimulator(std::uint16_t port = 0);
    ~DeviceSimulator();
    DeviceSimulator(const DeviceSimulator&) = delete;
    DeviceSimulator& operator=(const DeviceSimulator&) = delete;

    std::uint16_t port() const { return port_; }

    // The device state: edit(SimDeviceData&) runs under the device's lock.
    template <class Edit>
    auto Update(Edit&& edit)
    {
        return state_.With(std::forward<Edit>(edit));
    }
    SimDeviceData Snapshot() const { return state_.Snapshot(); }

    void SetFile(std::uint8_t fileType, Bytes content, const std::string& name = {});
    std::optional<Bytes> File(std::uint8_t fileType, const std::string& name = {});
    void RemoveFile(std::uint8_t fileType, const std::string& name = {});

    // Misbehaviour. times: replies hit (kAlways for every one); skip: matching replies left alone first.
    void FailNextReply(SimFault fault, int times = 1);
    void FailCommand(std::uint16_t command, SimFault fault, int times = 1, int skip = 0);
    void ClearFaults();

    // Frames pushed now on every open connection.
    void PushProgress(const std::vector<SimFirmwareProgress>& frames);
    void PushFrame(std::uint16_t command, const Bytes& payload);

    // Recorded requests, in arrival order.
    std::vector<SimRecordedRequest> Requests() const { return log_.All(); }
    std::vector<SimRecordedRequest> Requests(std::uint16_t command) const { return log_.OfCommand(command); }
    void ClearRequests() { log_.Clear(); }
    bool WaitForRequests(std::size_t count, std::chrono::milliseconds timeout) const
    {
        return log_.WaitFor(count, timeout);
    }
    bool WaitForRequests(std::uint16_t command, std::size_t count, std::chrono::milliseconds timeout) const
    {
        return log_.WaitFor(command, count, timeout);
    }
    void SetRecording(bool enabled) { log_.SetEnabled(enabled); }

    int AcceptedConnections() const;
    int OpenConnections() const;
    // Hangs up on every client; the server keeps listening.
    void DropConnections();

private:
    void AcceptLoop();
    void ReapFinished(); // callers hold connectionsMutex_

    SimDeviceState state_;
    SimFaultPlan faults_;
    SimRequestLog log_;
    SimCommandDispatcher dispatcher_{state_};

    int listenSocket_ = -1;
    int stopRead_ = -1;
    int stopWrite_ = -1;
    std::uint16_t port_ = 0;
    std::thread acceptThread_;

    mutable std::mutex connectionsMutex_;
    std::vector<std::unique_ptr<SimConnection>> connections_;
    int accepted_ = 0;
    // The next client's thread, started before it connects.
    std::unique_ptr<SimReadyThread> readyThread_ = std::make_unique<SimReadyThread>();
};

} // namespace pelsim
