#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace korvane {

// Where unit transactions run. The line is slow (a pass takes about a second, several
// with a silent unit), so the window hands every transaction to a worker that owns the
// serial port and hears back when it is done; it never waits for the line itself. Work
// runs in the order posted, one piece at a time.
class UnitWorker {
public:
    virtual ~UnitWorker() = default;
    // Runs `work` on the worker after everything posted before it, then `done` on the
    // window's thread.
    virtual void Post(std::function<void()> work, std::function<void()> done) = 0;
    // Called by work under way to show how far it got: runs `news` on the window's thread,
    // in the order reported and before the work's own completion.
    virtual void Report(std::function<void()> news) = 0;
};

// Runs the work and its completion at once on the calling thread: for the tests of the
// window presenters, where the order of events matters and threads do not.
class InlineWorker final : public UnitWorker {
public:
    void Post(std::function<void()> work, std::function<void()> done) override {
        work();
        done();
    }
    void Report(std::function<void()> news) override { news(); }
};

// Runs `work` on the worker and hands its result to `done` on the window's thread.
template <class Work, class Done> void PostUnitWork(UnitWorker& worker, Work work, Done done) {
    using Result = decltype(work());
    auto result = std::make_shared<std::optional<Result>>();
    worker.Post([result, work = std::move(work)]() mutable { result->emplace(work()); },
                [result, done = std::move(done)]() mutable { done(std::move(**result)); });
}

// Ties completions to the life of their owner: a window closed while its work is under
// way must not hear back. Checked and destroyed on the window's thread only.
class CompletionGuard {
public:
    template <class F> auto operator()(F f) const {
        return [alive = std::weak_ptr<int>(token_), f = std::move(f)](auto&&... args) mutable {
            if (!alive.expired()) {
                f(std::forward<decltype(args)>(args)...);
            }
        };
    }

private:
    std::shared_ptr<int> token_ = std::make_shared<int>(0);
};

} // namespace korvane
