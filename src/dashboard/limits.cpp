#include "dashboard/limits.h"

namespace korvane {

LimitState LimitStateOf(double value, const Limits& limits) {
    if (limits.high && value > *limits.high) {
        return LimitState::Above;
    }
    if (limits.low && value < *limits.low) {
        return LimitState::Below;
    }
    return LimitState::Within;
}

} // namespace korvane
