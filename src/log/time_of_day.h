#pragma once

#include <chrono>
#include <functional>

namespace korvane {

// A time of day in coordinated universal time, to the millisecond.
struct TimeOfDay {
    int hour = 0;        // 0..23
    int minute = 0;      // 0..59
    int second = 0;      // 0..59
    int millisecond = 0; // 0..999
};

// Where the log takes its time stamps from; tests pass a fixed clock.
using UtcClock = std::function<TimeOfDay()>;

// The UTC time of day of a point in time (the system clock counts UTC without leap
// seconds, so the hour is never 24).
TimeOfDay UtcTimeOfDay(std::chrono::system_clock::time_point when);

// The UTC time of day now.
TimeOfDay SystemUtcTimeOfDay();

} // namespace korvane
