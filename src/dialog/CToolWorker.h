#pragma once
// One background thread of a device operation. The owner may ask it to stop (a flag the thread
// checks between chunks, polls and waits, and a hook that ends a wait on the controller at once)
// and joins it while the UI thread keeps handling events, because the thread hands log lines,
// boxes and progress values to the UI thread and waits for them. Joining may be asked again while
// an earlier join waits (an event handler run meanwhile); every join returns once the work has
// ended. The thread is started with the worker and waits for each piece of work, because a new
// thread takes milliseconds to be scheduled; the destructor asks the work to stop, waits for it
// and ends the thread, so no thread outlives its owner.

#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class CToolWorker {
public:
    CToolWorker();
    ~CToolWorker();
    CToolWorker(const CToolWorker&) = delete;
    CToolWorker& operator=(const CToolWorker&) = delete;

    // Runs body on the worker's thread; an earlier body is joined first.
    void Start(std::function<void()> body);
    // Raises the stop flag and runs the stop hook (when the thread is still running).
    void RequestCancel();
    // Called on the asking thread by RequestCancel: ends the thread's current wait.
    void SetCancelHook(std::function<void()> hook) { cancelHook_ = std::move(hook); }
    bool cancelled() const { return cancel_; }
    bool running() const { return !done_; }
    // Waits for the body, handling the UI thread's events meanwhile; at once when none runs.
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
    void WaitForWork();
    void RunBody(const std::function<void()>& body);

    std::function<void()> cancelHook_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> done_{true};
    std::mutex workMutex_;
    std::condition_variable workArrived_;
    std::function<void()> work_; // handed over by Start, taken by the thread
    bool quit_ = false;
    std::thread thread_; // last: starts once everything it uses exists
};
