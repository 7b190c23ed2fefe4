#pragma once

#include "log/time_of_day.h"

namespace korvane::testing {

// A clock that shows whatever time the test sets.
struct FakeUtcClock {
    TimeOfDay now{14, 5, 9, 42};
    UtcClock Function() {
        return [this] { return now; };
    }
};

} // namespace korvane::testing
