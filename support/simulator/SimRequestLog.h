#pragma once
// Every request frame the device received, raw and decoded, in arrival order.

#include "SimDeviceData.h"
#include "SimFrame.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace pelsim {

struct SimRecordedRequest {
    int connection = 0;   // 1, 2, ... in accept order
    Bytes raw;            // the exact bytes of the frame (or of the unsplittable rest of the stream)
    bool decoded = false; // false: bad magic or impossible length, nothing below is set
    SimFrame frame;
    // 30700 only: the target MAC and the wrapped frame.
    std::optional<SimMac> gatewayMac;
    std::shared_ptr<SimRecordedRequest> inner;

    std::uint16_t command() const { return frame.header.command; }
    std::uint16_t sequence() const { return frame.header.sequence; }
    const Bytes& payload() const { return frame.payload; }
};

class SimRequestLog {
public:
    void Add(SimRecordedRequest request);
    std::vector<SimRecordedRequest> All() const;
    std::vector<SimRecordedRequest> OfCommand(std::uint16_t command) const;
    void Clear();
    // True once at least count requests are recorded; false after the time-out.
    bool WaitFor(std::size_t count, std::chrono::milliseconds timeout) const;
    // The same for the requests of one command.
    bool WaitFor(std::uint16_t command, std::size_t count, std::chrono::milliseconds timeout) const;
    void SetEnabled(bool enabled);
    bool enabled() const { return enabled_; }

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable added_;
    std::vector<SimRecordedRequest> requests_;
    std::atomic<bool> enabled_{true};
};

} // namespace pelsim
