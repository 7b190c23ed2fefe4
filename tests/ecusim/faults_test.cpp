// The fault options damage replies in the ways they promise.

#include "sim_fixture.h"

#include "live_values.h"

#include <gtest/gtest.h>

namespace korvane::ecusim::testing {
namespace {

std::uint8_t FrozenBattery() {
    return LiveValueAt(*FindLiveValue(UnitId::Ecu, 0x1234), 1, 0);
}

RunningSim& Started(RunningSim& sim, std::vector<std::string> extra) {
    extra.insert(extra.begin(), {"--fast", "--frozen"});
    EXPECT_TRUE(sim.Start(extra));
    return sim;
}

TEST(FaultsTest, GarbleAtFullRateChangesEveryByte) {
    RunningSim garbled;
    Started(garbled, {"--garble", "1"});
    ASSERT_TRUE(garbled.Send(EcuRead(0x1234)));
    for (int i = 0; i < 10; ++i) {
        const std::optional<ReplyBytes> reply = garbled.NextReply();
        ASSERT_TRUE(reply);
        EXPECT_NE((*reply)[0], 0x12);
        EXPECT_NE((*reply)[1], 0x34);
        EXPECT_NE((*reply)[2], FrozenBattery());
    }
}

TEST(FaultsTest, SameSeedDamagesTheSameBytes) {
    const auto received = [](const std::string& seed) {
        RunningSim sim;
        Started(sim, {"--drop", "0.3", "--garble", "0.3", "--seed", seed});
        (void)sim.Send(EcuRead(0x0400));
        return sim.Line().Read(60, kArrivalLimit);
    };
    const Bytes first = received("5");
    EXPECT_EQ(first.size(), 60U);
    EXPECT_EQ(first, received("5"));
    EXPECT_NE(first, received("6"));
}

} // namespace
} // namespace korvane::ecusim::testing
