#include "dashboard/pass_rate.h"

#include "text/format_text.h"

#include <algorithm>

namespace korvane {

namespace {

// Enough passes to smooth one slow read without hiding a change of pace for long.
constexpr std::size_t kPassesAveraged = 8;

} // namespace

void PassRate::StartRun() {
    times_.clear();
}

void PassRate::AddPass(double seconds) {
    times_.push_back(seconds);
    if (times_.size() > kPassesAveraged) {
        times_.pop_front();
    }
    newest_ = seconds;
    if (const auto rate = PassesPerSecond()) {
        passSeconds_ = 1 / *rate;
    }
}

std::optional<double> PassRate::PassesPerSecond() const {
    if (times_.size() < 2 || !(times_.back() > times_.front())) {
        return std::nullopt;
    }
    return static_cast<double>(times_.size() - 1) / (times_.back() - times_.front());
}

std::string PassRateText(const PassRate& rate, double now) {
    if (!rate.NewestPass()) {
        return "No pass yet";
    }
    const double age = std::max(0.0, now - *rate.NewestPass());
    const auto perSecond = rate.PassesPerSecond();
    const std::string pace =
        perSecond ? FormatText("%.1f passes/s", *perSecond) : std::string("- passes/s");
    return pace + FormatText(", newest pass %.1f s ago", age);
}

} // namespace korvane
