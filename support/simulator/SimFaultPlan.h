#pragma once
// The armed faults: each rule hits the replies it matches (any command, or one command) after
// skipping some, a number of times or always. The first armed rule that matches a reply applies.

#include "SimFault.h"

#include <atomic>
#include <cstdint>
#include <list>
#include <mutex>
#include <optional>

namespace pelsim {

inline constexpr int kAlways = -1;

class SimFaultPlan {
public:
    // command empty: any reply except pushed frames.
    void Arm(std::optional<std::uint16_t> command, SimFault fault, int times, int skip);
    // The fault for the next reply to command, if one is armed; counts the reply against it.
    std::optional<SimFault> Take(std::uint16_t command, bool pushed);
    void Clear();

private:
    struct Rule {
        std::optional<std::uint16_t> command;
        SimFault fault;
        int times;
        int skip;
    };
    std::mutex mutex_;
    std::list<Rule> rules_;
    // Mirrors !rules_.empty(): a reply with no fault armed takes no lock.
    std::atomic<bool> armed_{false};
};

} // namespace pelsim
