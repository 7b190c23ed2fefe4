// The fault options damage replies in the ways they promise.

#include "sim_line.h"

#include "live_values.h"

#include <gtest/gtest.h>

namespace korvane::ecusim::testing {
namespace {

TEST(Faults, GarbleAtFullRateChangesEveryByte) {
    SimLine sim;
    ASSERT_TRUE(sim.Start({"--fast", "--frozen", "--garble", "1"}));
    const std::uint8_t battery = LiveValueAt(*FindLiveValue(UnitId::Ecu, 0x1234), 1, 0);
    ASSERT_TRUE(sim.Send(EcuRead(0x1234)));
    for (int i = 0; i < 10; ++i) {
        const std::optional<ReplyBytes> reply = sim.NextReply();
        ASSERT_TRUE(reply);
        EXPECT_NE((*reply)[0], 0x12);
        EXPECT_NE((*reply)[1], 0x34);
        EXPECT_NE((*reply)[2], battery);
    }
}

TEST(Faults, SameSeedDamagesTheSameBytes) {
    const auto received = [](const std::string& seed) {
        SimLine sim;
        EXPECT_TRUE(
            sim.Start({"--fast", "--frozen", "--drop", "0.3", "--garble", "0.3", "--seed", seed}));
        (void)sim.Send(EcuRead(0x0400));
        return sim.Read(60);
    };
    const Bytes first = received("5");
    EXPECT_EQ(first.size(), 60U);
    EXPECT_EQ(first, received("5"));
    EXPECT_NE(first, received("6"));
}

} // namespace
} // namespace korvane::ecusim::testing
