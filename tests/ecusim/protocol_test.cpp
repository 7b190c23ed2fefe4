// Frames and replies over the simulator's pty.

#include "sim_fixture.h"

#include "live_values.h"
#include "simulated_car.h"

#include <gtest/gtest.h>

#include <thread>

namespace korvane::ecusim::testing {
namespace {

constexpr std::uint64_t kDefaultSeed = 1;

std::uint8_t FrozenLive(UnitId unit, std::uint16_t address) {
    const LiveValue* live = FindLiveValue(unit, address);
    return live == nullptr ? 0 : LiveValueAt(*live, kDefaultSeed, 0);
}

std::uint8_t Ram(UnitId unit, std::uint16_t address) {
    return SimulatedCar::InitialRam(kDefaultSeed, unit, address);
}

class ProtocolTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim.Start({"--fast", "--frozen"})); }
    RunningSim sim;
};

TEST_F(ProtocolTest, EcuReadRepeatsEchoedReplyUntilStop) {
    ASSERT_TRUE(sim.Send(EcuRead(0x1234)));
    const ReplyBytes expected = {0x12, 0x34, FrozenLive(UnitId::Ecu, 0x1234)};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(sim.NextReply(), expected) << "reply " << i;
    }
    sim.StopAndPurge();
    EXPECT_TRUE(sim.StaysQuiet());

    // Plain memory after a stop: the next frame starts a new stream.
    ASSERT_TRUE(sim.Send(EcuRead(0x0400)));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x04, 0x00, Ram(UnitId::Ecu, 0x0400)}));
}

TEST_F(ProtocolTest, ThreeByteUnitsEchoZeroAndLowByteFromTheirOwnMemory) {
    // The echo does not tell the units apart, so each read starts after a stop.
    const auto expectRead = [this](const Bytes& frame, const ReplyBytes& expected) {
        sim.StopAndPurge();
        ASSERT_TRUE(sim.Send(frame));
        EXPECT_EQ(sim.NextReply(), expected);
        EXPECT_EQ(sim.NextReply(), expected);
    };
    expectRead(ShortRead(0x89, 0x34), {0x00, 0x34, Ram(UnitId::Aircon, 0x34)});
    expectRead(ShortRead(0x92, 0x34), {0x00, 0x34, Ram(UnitId::FourWs, 0x34)});
    expectRead(ShortRead(0xAB, 0x20), {0x00, 0x20, Ram(UnitId::Cruise, 0x20)});
    expectRead(ShortRead(0x89, 0x20), {0x00, 0x20, FrozenLive(UnitId::Aircon, 0x20)});
    expectRead({0x45, 0x04, 0x00, 0x00}, {0x04, 0x00, Ram(UnitId::Tcu, 0x0400)});

    // Each unit has its own memory, and a write goes to the unit read last.
    for (const auto& [frame, data] :
         {std::pair{ShortRead(0x89, 0x40), 0x5A}, {EcuRead(0x0040), 0xA5}}) {
        sim.StopAndPurge();
        ASSERT_TRUE(sim.Send(frame));
        ASSERT_TRUE(sim.NextReply());
        ASSERT_TRUE(sim.Send(WriteRequest(0x0040, static_cast<std::uint8_t>(data))));
    }
    expectRead(ShortRead(0x89, 0x40), {0x00, 0x40, 0x5A});
    expectRead(EcuRead(0x0040), {0x00, 0x40, 0xA5});
    expectRead(ShortRead(0x92, 0x40), {0x00, 0x40, Ram(UnitId::FourWs, 0x40)});
}

// Without a stop frame between addresses the replies of the old address may still come,
// but always whole, so a reader taking 3 bytes at a time stays aligned.
void ExpectAlignedAcrossSwitches(RunningSim& sim, int switches, int staleAllowed) {
    std::uint16_t previous = 0x0100;
    ASSERT_TRUE(sim.Send(EcuRead(previous)));
    ASSERT_TRUE(sim.ReplyEchoing(0x01, 0x00));
    for (int i = 1; i <= switches; ++i) {
        const auto address = static_cast<std::uint16_t>(0x0100 + i * 0x11);
        ASSERT_TRUE(sim.Send(EcuRead(address)));
        int stale = 0;
        for (;;) {
            const std::optional<ReplyBytes> reply = sim.NextReply();
            ASSERT_TRUE(reply) << "switch " << i;
            const auto echo = static_cast<std::uint16_t>((*reply)[0] << 8 | (*reply)[1]);
            if (echo == address) {
                EXPECT_EQ((*reply)[2], Ram(UnitId::Ecu, address));
                break;
            }
            ASSERT_EQ(echo, previous) << "switch " << i << ": reply out of step";
            ASSERT_LE(++stale, staleAllowed) << "switch " << i;
        }
        previous = address;
    }
}

TEST_F(ProtocolTest, SwitchingAddressMidStreamKeepsRepliesWhole) {
    ExpectAlignedAcrossSwitches(sim, 60, kStaleLimit);
}

TEST_F(ProtocolTest, AReaderThatStopsReadingIsNotFlooded) {
    ASSERT_TRUE(sim.Send(EcuRead(0x1234)));
    ASSERT_TRUE(sim.NextReply());
    // Unpaced, some 60 replies would be sent meanwhile.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const int waiting = sim.Line().Waiting();
    EXPECT_GE(waiting, 3);
    EXPECT_LE(waiting, 3 * kStaleLimit);
    EXPECT_EQ(waiting % 3, 0);
}

} // namespace
} // namespace korvane::ecusim::testing
