#pragma once

#include "app/unit_worker.h"

#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace korvane {

// The worker thread that owns the serial port: runs the posted work one piece at a time
// in order, and queues each completion to the thread that made the worker (the GUI
// thread), whose event loop runs it.
class ThreadWorker final : public UnitWorker {
public:
    ThreadWorker();
    // Drops work not yet started and waits for the piece under way, so the port is free
    // when this returns; completions not yet run are dropped.
    ~ThreadWorker() override;
    ThreadWorker(const ThreadWorker&) = delete;
    ThreadWorker& operator=(const ThreadWorker&) = delete;

    void Post(std::function<void()> work, std::function<void()> done) override;
    void Report(std::function<void()> news) override;

private:
    struct Job {
        std::function<void()> work;
        std::function<void()> done;
    };

    void Run();

    // Lives on the GUI thread; completions are queued to it.
    QObject receiver_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace korvane
