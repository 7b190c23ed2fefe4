#include "dashboard/gauge_range.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// The smallest round number at least `value` (> 0): a step below times a power of ten.
double RoundUp(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0}) {
        if (step * power >= value) {
            return step * power;
        }
    }
    return 10 * power;
}

} // namespace

GaugeRange AutomaticRange(std::optional<double> lowest, std::optional<double> highest,
                          const Limits& limits) {
    double low = 0;
    double high = 0;
    for (const auto& value : {lowest, highest, limits.low, limits.high}) {
        if (value) {
            low = std::min(low, *value);
            high = std::max(high, *value);
        }
    }
    GaugeRange range;
    range.low = low < 0 ? -RoundUp(-low) : 0;
    range.high = high > 0 ? RoundUp(high) : (low < 0 ? 0 : 1);
    return range;
}

double GaugeFraction(double value, const GaugeRange& range) {
    if (!(range.high > range.low) || std::isnan(value)) {
        return 0;
    }
    return std::clamp((value - range.low) / (range.high - range.low), 0.0, 1.0);
}

} // namespace korvane
