#include "log/time_of_day.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace korvane {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

void ExpectTime(const TimeOfDay& time, int hour, int minute, int second, int millisecond) {
    EXPECT_EQ(time.hour, hour);
    EXPECT_EQ(time.minute, minute);
    EXPECT_EQ(time.second, second);
    EXPECT_EQ(time.millisecond, millisecond);
}

TEST(UtcTimeOfDay, SplitsAPointInTimeIntoItsUtcFields) {
    const sys_days day = 2024y / March / 10;
    ExpectTime(UtcTimeOfDay(day + 14h + 5min + 9s + 42ms), 14, 5, 9, 42);
    ExpectTime(UtcTimeOfDay(day + 7ms), 0, 0, 0, 7);
    ExpectTime(UtcTimeOfDay(day + 23h + 59min + 59s + 999ms), 23, 59, 59, 999);
    ExpectTime(UtcTimeOfDay(day + 24h), 0, 0, 0, 0);
    // Before 1970 too.
    ExpectTime(UtcTimeOfDay(sys_days{1969y / December / 31} + 23h + 59min + 59s + 999ms), 23, 59,
               59, 999);
}

// Sets the time zone for the life of the object.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            saved_ = old;
        }
        Set(zone);
    }
    ~ScopedTimeZone() { Set(saved_ ? saved_->c_str() : nullptr); }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    static void Set(const char* zone) {
#ifdef _WIN32
        _putenv_s("TZ", zone ? zone : "");
        _tzset();
#else
        if (zone) {
            ::setenv("TZ", zone, 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
#endif
    }
    std::optional<std::string> saved_;
};

TEST(SystemUtcTimeOfDay, IgnoresTheLocalTimeZone) {
    const ScopedTimeZone twoHoursAhead("XST-2");
    // Compare with the platform's own UTC reading, retrying when a minute turns meanwhile.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const TimeOfDay now = SystemUtcTimeOfDay();
        const std::time_t after = std::time(nullptr);
        const std::tm utcBefore = *std::gmtime(&before);
        const std::tm utcAfter = *std::gmtime(&after);
        if (utcBefore.tm_min != utcAfter.tm_min) {
            continue;
        }
        const std::tm local = *std::localtime(&before);
        EXPECT_EQ((local.tm_hour - utcBefore.tm_hour + 24) % 24, 2) << "time zone not applied";
        EXPECT_EQ(now.hour, utcBefore.tm_hour);
        EXPECT_EQ(now.minute, utcBefore.tm_min);
        EXPECT_LT(now.millisecond, 1000);
        return;
    }
    FAIL() << "the minute kept turning";
}

} // namespace
} // namespace korvane
