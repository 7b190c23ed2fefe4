#include "log/time_of_day.h"

namespace korvane {

TimeOfDay UtcTimeOfDay(std::chrono::system_clock::time_point when) {
    constexpr long long kMillisecondsPerDay = 24LL * 60 * 60 * 1000;
    const long long sinceEpoch =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
    long long ofDay = sinceEpoch % kMillisecondsPerDay;
    if (ofDay < 0) { // before 1970 the remainder is negative
        ofDay += kMillisecondsPerDay;
    }
    TimeOfDay time;
    time.millisecond = static_cast<int>(ofDay % 1000);
    time.second = static_cast<int>(ofDay / 1000 % 60);
    time.minute = static_cast<int>(ofDay / 60000 % 60);
    time.hour = static_cast<int>(ofDay / 3600000);
    return time;
}

TimeOfDay SystemUtcTimeOfDay() {
    return UtcTimeOfDay(std::chrono::system_clock::now());
}

} // namespace korvane
