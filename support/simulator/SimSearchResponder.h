#pragma once
// Answers the device search's UDP request on 127.0.0.1, as each listed controller would: one
// answer datagram per device for every request. Plain C++ and POSIX sockets, one thread.

#include "SimDeviceData.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pelsim {

struct SimSearchAnswer {
    std::string firstIp;
    SimMac firstMac{};
    std::string secondIp;
    SimMac secondMac{};
    bool useSecond = false;
};

class SimSearchResponder {
public:
    // Binds 127.0.0.1:port (0: a free port); throws std::runtime_error when it cannot.
    explicit SimSearchResponder(std::uint16_t port = 0);
    ~SimSearchResponder();
    SimSearchResponder(const SimSearchResponder&) = delete;
    SimSearchResponder& operator=(const SimSearchResponder&) = delete;

    std::uint16_t port() const { return port_; }
    // The devices that answer; by default one at 127.0.0.1 with the simulator's MAC.
    void SetAnswers(std::vector<SimSearchAnswer> answers);
    int RequestsSeen() const { return requests_; }
    // The sender address of the last request, dotted.
    std::string LastRequestSource() const;

private:
    void Serve();

    int socket_ = -1;
    int stopRead_ = -1;
    int stopWrite_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<int> requests_{0};
    mutable std::mutex mutex_;
    std::vector<SimSearchAnswer> answers_;
    std::string lastSource_;
    std::thread thread_;
};

} // namespace pelsim
