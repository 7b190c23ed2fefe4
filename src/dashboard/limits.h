#pragma once

#include <optional>

namespace korvane {

// A tile's optional warning limits. A value equal to a limit is still within it: the
// warning starts past the limit.
struct Limits {
    std::optional<double> low;
    std::optional<double> high;

    bool operator==(const Limits&) const = default;
};

enum class LimitState { Below, Within, Above };

LimitState LimitStateOf(double value, const Limits& limits);

} // namespace korvane
