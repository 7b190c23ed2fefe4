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

private:
    using Clock = std::chrono::steady_clock;

    std::chrono::milliseconds period_;
    bool started_ = false;
    Clock::time_point due_;
};

} // namespace korvane::cli
