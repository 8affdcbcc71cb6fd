#pragma once
// The waits and limits of the device tool dialog's operations and workers, in one place; tests
// shorten them.

#include <chrono>
#include <optional>

struct ToolTimings {
    using ms = std::chrono::milliseconds;
    ms statusPoll{1000};    // between device status polls and log-settings polls
    ms readyCheck{500};     // between checks of the progress-window-ready flag
    ms afterReady{1000};    // after the next progress window has opened
    ms beforeReport{500};   // after the status polling, before the report
    ms afterFetch{500};     // after the information fetch, before its file is read
    ms tick{250};           // the progress ticker's step
    ms reconnectWait{3000}; // between boot-loader connect attempts
    ms bootConnectTimeout{60000};
    std::optional<ms> switchTimeout; // boot-loader switch; none: the model's SwitchTimeout seconds
    ms progressWindowTick{1000};     // the progress window's close check

    // Polls end here even when the device never finishes: 15 minutes of status polls, 5 minutes
    // of log-settings polls, and at most 10 reboot-or-retry rounds of the boot-loader update.
    int maxStatusPolls = 900;
    int maxLogPolls = 300;
    int maxBootRounds = 10;
    int bootConnectAttempts = 3;
};
