#include "CToolWorker.h"

#include "TraceLog.h"

#include <QCoreApplication>
#include <QThread>

#include <exception>

namespace {

constexpr std::chrono::milliseconds kSleepStep{20};
constexpr std::chrono::microseconds kJoinPoll{200};

thread_local const std::atomic<bool>* currentCancel = nullptr;

} // namespace

CToolWorker::CToolWorker() : thread_([this] { WaitForWork(); }) {}

CToolWorker::~CToolWorker()
{
    RequestCancel();
    Join();
    {
        std::lock_guard lock(workMutex_);
        quit_ = true;
    }
    workArrived_.notify_one();
    thread_.join();
}

void CToolWorker::Start(std::function<void()> body)
{
    Join();
    cancel_ = false;
    done_ = false;
    {
        std::lock_guard lock(workMutex_);
        work_ = std::move(body);
    }
    workArrived_.notify_one();
}

void CToolWorker::WaitForWork()
{
    for (;;) {
        std::function<void()> body;
        {
            std::unique_lock lock(workMutex_);
            workArrived_.wait(lock, [this] { return quit_ || work_; });
            if (!work_)
                return;
            body = std::move(work_);
            work_ = nullptr;
        }
        RunBody(body);
        body = nullptr; // what the body holds goes before the join returns
        done_ = true;
        // Wakes a Join waiting for events on the UI thread.
        if (QCoreApplication::instance())
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
    }
}

void CToolWorker::RunBody(const std::function<void()>& body)
{
    currentCancel = &cancel_;
    try {
        body();
    } catch (const std::exception& error) {
        TraceLog("%s:%d device operation thread failed: %s", __FILE__, __LINE__, error.what());
    } catch (...) {
        TraceLog("%s:%d device operation thread failed", __FILE__, __LINE__);
    }
    currentCancel = nullptr;
}

void CToolWorker::RequestCancel()
{
    cancel_ = true;
    if (cancelHook_ && running())
        cancelHook_();
}

void CToolWorker::Join()
{
    if (done_ || thread_.get_id() == std::this_thread::get_id())
        return;
    const bool uiThread =
        QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
    // The worker's calls to the UI thread are served as they come; its end posts one more event.
    while (!done_) {
        if (uiThread)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        else
            std::this_thread::sleep_for(kJoinPoll);
    }
    if (uiThread)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void CToolWorker::Pump()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    std::this_thread::sleep_for(kJoinPoll);
}

const std::atomic<bool>* CToolWorker::CurrentCancelFlag()
{
    return currentCancel;
}

bool CToolWorker::Sleep(std::chrono::milliseconds duration)
{
    const auto end = std::chrono::steady_clock::now() + duration;
    for (;;) {
        if (currentCancel && *currentCancel)
            return false;
        const auto now = std::chrono::steady_clock::now();
        if (now >= end)
            return true;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(kSleepStep, end - now));
    }
}

void CToolWorker::RunOn(QObject* context, const std::function<void()>& call)
{
    if (!context || QThread::currentThread() == context->thread())
        call();
    else
        QMetaObject::invokeMethod(context, call, Qt::BlockingQueuedConnection);
}
