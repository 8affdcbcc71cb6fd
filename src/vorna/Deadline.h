#pragma once
// One deadline bounds a whole request: sending and every piece of the reply.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>

class CDeadline {
public:
    using Clock = std::chrono::steady_clock;

    explicit CDeadline(std::uint32_t timeoutMs) : m_end(Clock::now() + std::chrono::milliseconds(timeoutMs)) {}

    // Milliseconds left, rounded up so a wait never ends before the deadline; 0 once it passed.
    int RemainingMs() const
    {
        const auto left = m_end - Clock::now();
        if (left <= Clock::duration::zero())
            return 0;
        const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        return static_cast<int>(std::min<decltype(milliseconds)>(milliseconds, std::numeric_limits<int>::max()));
    }

    bool Expired() const { return Clock::now() >= m_end; }

private:
    Clock::time_point m_end;
};
