#include "SimReadyThread.h"

namespace pelsim {

SimReadyThread::SimReadyThread() : thread_([this] { WaitForJob(); }) {}

SimReadyThread::~SimReadyThread()
{
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_one();
    thread_.join();
}

void SimReadyThread::Run(std::function<void()> job)
{
    {
        std::lock_guard lock(mutex_);
        job_ = std::move(job);
    }
    changed_.notify_one();
}

void SimReadyThread::WaitForJob()
{
    std::function<void()> job;
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return ending_ || job_; });
        job = std::move(job_);
    }
    if (job)
        job();
}

} // namespace pelsim
