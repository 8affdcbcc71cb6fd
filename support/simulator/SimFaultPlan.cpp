#include "SimFaultPlan.h"

namespace pelsim {

void SimFaultPlan::Arm(std::optional<std::uint16_t> command, SimFault fault, int times, int skip)
{
    std::lock_guard lock(mutex_);
    rules_.push_back({command, std::move(fault), times, skip});
    armed_ = true;
}

std::optional<SimFault> SimFaultPlan::Take(std::uint16_t command, bool pushed)
{
    if (!armed_)
        return std::nullopt;
    std::lock_guard lock(mutex_);
    for (auto rule = rules_.begin(); rule != rules_.end(); ++rule) {
        const bool matches = rule->command ? *rule->command == command : !pushed;
        if (!matches)
            continue;
        if (rule->skip > 0) {
            --rule->skip;
            continue;
        }
        SimFault fault = rule->fault;
        if (rule->times != kAlways && --rule->times <= 0)
            rules_.erase(rule);
        armed_ = !rules_.empty();
        return fault;
    }
    return std::nullopt;
}

void SimFaultPlan::Clear()
{
    std::lock_guard lock(mutex_);
    rules_.clear();
    armed_ = false;
}

} // namespace pelsim
