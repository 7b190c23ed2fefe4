#pragma once

#include "app/unit_worker.h"

#include <deque>
#include <functional>
#include <utility>

namespace korvane::fakes {

// A worker whose work waits until the test runs it: the window sees its work under way
// for as long as the test likes, as with the real worker thread on a slow line.
class ManualWorker final : public UnitWorker {
public:
    void Post(std::function<void()> work, std::function<void()> done) override {
        jobs_.emplace_back(std::move(work), std::move(done));
    }
    // News comes while the test runs the work, as it is reported.
    void Report(std::function<void()> news) override { news(); }
    // Runs the oldest piece of work and its completion; false when none waits.
    bool RunNext() {
        if (jobs_.empty()) {
            return false;
        }
        auto [work, done] = std::move(jobs_.front());
        jobs_.pop_front();
        work();
        done();
        return true;
    }
    std::size_t Waiting() const { return jobs_.size(); }

private:
    std::deque<std::pair<std::function<void()>, std::function<void()>>> jobs_;
};

} // namespace korvane::fakes
