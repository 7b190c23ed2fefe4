#include "pacer.h"

#include "stop_signal.h"

namespace korvane::cli {

std::chrono::milliseconds Pacer::NextStepDelay(Clock::time_point now) {
    if (!started_) {
        started_ = true;
        due_ = now;
        return {};
    }
    if (due_ + period_ <= now) {
        due_ = now;
        return {};
    }
    due_ += period_;
    return std::chrono::ceil<std::chrono::milliseconds>(due_ - now);
}

bool Pacer::WaitForNextStep(const StopSignal& stop) {
    const std::chrono::milliseconds wait = NextStepDelay(Clock::now());
    if (wait.count() > 0 && stop.WaitMs(static_cast<int>(wait.count()))) {
        return false;
    }
    return !stop.Requested();
}

} // namespace korvane::cli
