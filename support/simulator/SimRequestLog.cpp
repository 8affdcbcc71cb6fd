#include "SimRequestLog.h"

#include <algorithm>

namespace pelsim {

void SimRequestLog::Add(SimRecordedRequest request)
{
    {
        std::lock_guard lock(mutex_);
        if (!enabled_)
            return;
        requests_.push_back(std::move(request));
    }
    added_.notify_all();
}

std::vector<SimRecordedRequest> SimRequestLog::All() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<SimRecordedRequest> SimRequestLog::OfCommand(std::uint16_t command) const
{
    std::lock_guard lock(mutex_);
    std::vector<SimRecordedRequest> matching;
    for (const auto& request : requests_)
        if (request.decoded && request.command() == command)
            matching.push_back(request);
    return matching;
}

void SimRequestLog::Clear()
{
    std::lock_guard lock(mutex_);
    requests_.clear();
}

bool SimRequestLog::WaitFor(std::size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(mutex_);
    return added_.wait_for(lock, timeout, [&] { return requests_.size() >= count; });
}

bool SimRequestLog::WaitFor(std::uint16_t command, std::size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(mutex_);
    return added_.wait_for(lock, timeout, [&] {
        return static_cast<std::size_t>(std::count_if(requests_.begin(), requests_.end(), [&](const auto& request) {
                   return request.decoded && request.command() == command;
               })) >= count;
    });
}

void SimRequestLog::SetEnabled(bool enabled)
{
    std::lock_guard lock(mutex_);
    enabled_ = enabled;
}

} // namespace pelsim
