#pragma once

#include <deque>
#include <optional>
#include <string>

namespace korvane {

// How fast the passes come and how old the newest one is, from the times they arrive at
// (seconds of a clock that never goes back).
class PassRate {
public:
    // Until two passes of a run give their spacing, a pass is taken to need this long:
    // about what 16 addresses take on the line.
    static constexpr double kAssumedPassSeconds = 1.0;

    // A new run: the pause before it is no spacing between passes.
    void StartRun();
    void AddPass(double seconds);

    // Over the last few passes of the run; none before its second pass.
    std::optional<double> PassesPerSecond() const;
    // The time between passes of the latest run that had two, else the assumed time.
    double PassSeconds() const { return passSeconds_; }
    std::optional<double> NewestPass() const { return newest_; }

private:
    std::deque<double> times_;
    std::optional<double> newest_;
    double passSeconds_ = kAssumedPassSeconds;
};

// The dashboard's status line: "2.5 passes/s, newest pass 0.4 s ago".
std::string PassRateText(const PassRate& rate, double now);

} // namespace korvane
