#include "log/time_of_day.h"

#include <chrono>
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

} // namespace
} // namespace korvane
