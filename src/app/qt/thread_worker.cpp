#include "app/qt/thread_worker.h"

#include <QMetaObject>
#include <utility>

namespace korvane {

ThreadWorker::ThreadWorker() : thread_([this] { Run(); }) {}

ThreadWorker::~ThreadWorker() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        jobs_.clear();
    }
    wake_.notify_one();
    thread_.join();
}

void ThreadWorker::Post(std::function<void()> work, std::function<void()> done) {
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) {
            return;
        }
        jobs_.push_back({std::move(work), std::move(done)});
    }
    wake_.notify_one();
}

void ThreadWorker::Report(std::function<void()> news) {
    // Queued behind the completions and news before it; dropped with the worker.
    QMetaObject::invokeMethod(&receiver_, std::move(news), Qt::QueuedConnection);
}

void ThreadWorker::Run() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (stopping_) {
                return;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job.work();
        QMetaObject::invokeMethod(&receiver_, std::move(job.done), Qt::QueuedConnection);
    }
}

} // namespace korvane
