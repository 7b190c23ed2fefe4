#include "log/time_of_day.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>

#include <gtest/gtest.h>

namespace korvane {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

std::string Shown(const TimeOfDay& time) {
    return std::to_string(time.hour) + ":" + std::to_string(time.minute) + ":" +
           std::to_string(time.second) + "." + std::to_string(time.millisecond);
}

TEST(UtcTimeOfDay, SplitsAPointInTimeIntoItsUtcFields) {
    const sys_days day = 2024y / March / 10;
    EXPECT_EQ(Shown(UtcTimeOfDay(day + 14h + 5min + 9s + 42ms)), "14:5:9.42");
    EXPECT_EQ(Shown(UtcTimeOfDay(day + 24h)), "0:0:0.0");
    EXPECT_EQ(Shown(UtcTimeOfDay(sys_days{1969y / December / 31} + 23h + 59min + 59s + 999ms)),
              "23:59:59.999");
}

#ifndef _WIN32
TEST(SystemUtcTimeOfDay, IgnoresTheLocalTimeZone) {
    const char* earlier = std::getenv("TZ");
    const std::string saved = earlier != nullptr ? earlier : "";
    ::setenv("TZ", "XST-2", 1);
    ::tzset();
    // Compare with the platform's own UTC reading, retrying when a minute turns meanwhile.
    bool compared = false;
    for (int attempt = 0; attempt < 3 && !compared; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const TimeOfDay now = SystemUtcTimeOfDay();
        const std::tm utc = *std::gmtime(&before);
        if (const std::time_t after = std::time(nullptr); before / 60 != after / 60) {
            continue;
        }
        EXPECT_EQ((std::localtime(&before)->tm_hour - utc.tm_hour + 24) % 24, 2);
        EXPECT_EQ(now.hour, utc.tm_hour);
        EXPECT_EQ(now.minute, utc.tm_min);
        compared = true;
    }
    earlier != nullptr ? ::setenv("TZ", saved.c_str(), 1) : ::unsetenv("TZ");
    ::tzset();
    EXPECT_TRUE(compared) << "the minute kept turning";
}
#endif

} // namespace
} // namespace korvane
