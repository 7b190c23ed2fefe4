#include "pacer.h"

#include "stop_signal.h"

namespace korvane::cli {

bool Pacer::WaitForNextStep(const StopSignal& stop) {
    const auto now = Clock::now();
    if (!started_) {
        started_ = true;
        due_ = now;
    } else if (due_ + period_ <= now) {
        due_ = now;
    } else {
        due_ += period_;
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due_ - now);
        if (stop.WaitMs(static_cast<int>(wait.count()))) {
            return false;
        }
    }
    return !stop.Requested();
}

} // namespace korvane::cli
