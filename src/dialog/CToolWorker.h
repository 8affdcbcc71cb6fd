#pragma once
// One background thread of a device operation. The owner may ask it to stop (a flag the thread
// checks between chunks, polls and waits, and a hook that ends a wait on the controller at once)
// and joins it while the UI thread keeps handling events, because the thread hands log lines,
// boxes and progress values to the UI thread and waits for them. Joining may be asked again while
// an earlier join waits (an event handler run meanwhile); every join returns once the thread has
// ended. The destructor asks it to stop and joins it, so no thread outlives its owner.

#include <QObject>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

class CToolWorker {
public:
    CToolWorker() = default;
    ~CToolWorker();
    CToolWorker(const CToolWorker&) = delete;
    CToolWorker& operator=(const CToolWorker&) = delete;

    // Runs body on a new thread; an earlier thread is joined first.
    void Start(std::function<void()> body);
    // Raises the stop flag and runs the stop hook (when the thread is still running).
    void RequestCancel();
    // Called on the asking thread by RequestCancel: ends the thread's current wait.
    void SetCancelHook(std::function<void()> hook) { cancelHook_ = std::move(hook); }
    bool cancelled() const { return cancel_; }
    bool running() const { return thread_.joinable() && !done_; }
    // Waits for the thread, handling the UI thread's events meanwhile; at once when none runs.
    void Join();

    // Handles the UI thread's pending events once and pauses briefly.
    static void Pump();
    // The stop flag of the worker running on the calling thread, nullptr elsewhere.
    static const std::atomic<bool>* CurrentCancelFlag();
    // Sleeps on a worker thread in short steps; false when the stop flag was raised.
    static bool Sleep(std::chrono::milliseconds duration);
    // Runs call on context's thread and waits for it (directly when already there).
    static void RunOn(QObject* context, const std::function<void()>& call);

private:
    std::thread thread_;
    std::function<void()> cancelHook_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> done_{true};
};
