#pragma once

#include "dashboard/limits.h"

#include <optional>

namespace korvane {

// The stretch of values a gauge spans, low < high.
struct GaugeRange {
    double low = 0;
    double high = 1;
};

// What a gauge spans without a range of its own: from zero (or below, for negative
// values) to a round number above everything seen and both limits, so that it moves
// only when a value leaves it.
GaugeRange AutomaticRange(std::optional<double> lowest, std::optional<double> highest,
                          const Limits& limits);

// Where the value stands on the gauge, 0 at its low end and 1 at its high end, held
// within the two.
double GaugeFraction(double value, const GaugeRange& range);

} // namespace korvane
