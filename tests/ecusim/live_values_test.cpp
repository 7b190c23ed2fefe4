// The moving values: reproducible from seed and time, and plausible through the example
// formulas.

#include "live_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace korvane::ecusim {
namespace {

const LiveValue& Live(std::uint16_t address) {
    return *FindLiveValue(UnitId::Ecu, address);
}

// Values over the first two minutes, one every 50 ms.
std::vector<int> Samples(const LiveValue& value, std::uint64_t seed) {
    std::vector<int> samples;
    for (std::int64_t ms = 0; ms < 120000; ms += 50) {
        samples.push_back(LiveValueAt(value, seed, ms));
    }
    return samples;
}

TEST(LiveValuesTest, SameSeedAndTimeGiveTheSameValue) {
    for (const LiveValue& value : LiveValueTable()) {
        EXPECT_EQ(Samples(value, 3), Samples(value, 3)) << value.name;
    }
    EXPECT_NE(Samples(Live(0x1234), 3), Samples(Live(0x1234), 4));
}

TEST(LiveValuesTest, EngineValuesStayPlausibleAndMove) {
    const std::vector<int> battery = Samples(Live(0x1234), 1);
    EXPECT_GE(*std::min_element(battery.begin(), battery.end()) * 8 / 100.0, 13.0);
    EXPECT_LE(*std::max_element(battery.begin(), battery.end()) * 8 / 100.0, 14.5);

    const std::vector<int> coolant = Samples(Live(0x1235), 1);
    EXPECT_LE(coolant.front() - 40, 25);
    EXPECT_GE(coolant.back() - 40, 60) << "warmed up after two minutes";
    EXPECT_LE(*std::max_element(coolant.begin(), coolant.end()) - 40, 95);

    const std::vector<int> speed = Samples(Live(0x1238), 1);
    // rpm = (high * 256 + low) / 4: the high byte alone gives the speed to within 64 rpm.
    EXPECT_GE(*std::min_element(speed.begin(), speed.end()) * 64, 650);
    EXPECT_LE(*std::min_element(speed.begin(), speed.end()) * 64, 900) << "idles";
    EXPECT_GE(*std::max_element(speed.begin(), speed.end()) * 64, 4000) << "revs";

    for (const std::uint16_t address : {0x1240, 0x1241}) {
        const LiveValue& switches = Live(address);
        const std::vector<int> bits = Samples(switches, 1);
        std::set<int> distinct(bits.begin(), bits.end());
        EXPECT_GE(distinct.size(), 4U) << address;
        for (const int value : bits) {
            EXPECT_EQ(value & switches.low & ~switches.high, switches.low & ~switches.high);
        }
    }
}

TEST(LiveValuesTest, OnlyTableAddressesAreLive) {
    EXPECT_EQ(FindLiveValue(UnitId::Ecu, 0x1260), nullptr);
    EXPECT_EQ(FindLiveValue(UnitId::Tcu, 0x1234), nullptr);
    EXPECT_NE(FindLiveValue(UnitId::Aircon, 0x20), nullptr);
}

} // namespace
} // namespace korvane::ecusim
