#pragma once
// A thread started ahead of its work: it waits until Run hands it one job, runs it and ends. A
// new thread takes milliseconds to be scheduled; one made ready before a client connects answers
// the client at once.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace pelsim {

class SimReadyThread {
public:
    SimReadyThread();
    ~SimReadyThread(); // waits for the job; ends at once when none came
    SimReadyThread(const SimReadyThread&) = delete;
    SimReadyThread& operator=(const SimReadyThread&) = delete;

    // Hands the thread its one job.
    void Run(std::function<void()> job);

private:
    void WaitForJob();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> job_;
    bool ending_ = false;
    std::thread thread_; // last: starts once everything it uses exists
};

} // namespace pelsim
