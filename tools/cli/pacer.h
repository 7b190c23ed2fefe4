#pragma once

#include <chrono>

namespace korvane::cli {

class StopSignal;

// Paces repeated steps the way a window timer does: a step starts at most once per
// period, and a step that overran its period is followed by the next one at once.
class Pacer {
public:
    explicit Pacer(int periodMs) : period_(periodMs) {}

    // Waits until the next step is due; the first step is due at once. False when a stop
    // was requested before it came.
    bool WaitForNextStep(const StopSignal& stop);

    using Clock = std::chrono::steady_clock;

    // How long the step asked for at `now` waits before it is due (zero: at once); from
    // then on it counts as started.
    std::chrono::milliseconds NextStepDelay(Clock::time_point now);

private:
    std::chrono::milliseconds period_;
    bool started_ = false;
    Clock::time_point due_;
};

} // namespace korvane::cli
