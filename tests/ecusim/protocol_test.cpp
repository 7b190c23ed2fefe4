// Frames and replies over the simulator's pty.

#include "sim_fixture.h"

#include "live_values.h"
#include "rom_image.h"
#include "simulated_car.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace korvane::ecusim::testing {
namespace {

constexpr std::uint64_t kDefaultSeed = 1;
const RomIdBytes kDefaultEcuId = {0xA1, 0xB2, 0xC3};

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
}

TEST_F(ProtocolTest, UnitsKeepSeparateMemories) {
    // A write goes to the unit read last.
    ASSERT_TRUE(sim.Send(ShortRead(0x89, 0x40)));
    ASSERT_TRUE(sim.NextReply());
    ASSERT_TRUE(sim.Send(WriteRequest(0x0040, 0x5A)));
    sim.StopAndPurge();
    ASSERT_TRUE(sim.Send(EcuRead(0x0040)));
    ASSERT_TRUE(sim.NextReply());
    ASSERT_TRUE(sim.Send(WriteRequest(0x0040, 0xA5)));
    sim.StopAndPurge();

    ASSERT_TRUE(sim.Send(ShortRead(0x89, 0x40)));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x00, 0x40, 0x5A}));
    sim.StopAndPurge();
    ASSERT_TRUE(sim.Send(EcuRead(0x0040)));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x00, 0x40, 0xA5}));
    sim.StopAndPurge();
    ASSERT_TRUE(sim.Send(ShortRead(0x92, 0x40)));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x00, 0x40, Ram(UnitId::FourWs, 0x40)}));
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

TEST(ProtocolAtLinePaceTest, SwitchingAddressMidStreamKeepsRepliesWhole) {
    RunningSim sim;
    ASSERT_TRUE(sim.Start({"--frozen"}));
    ExpectAlignedAcrossSwitches(sim, 6, kStaleLimit);
}

TEST_F(ProtocolTest, RomIdComesFromTheUnitLastRead) {
    // Before any read the engine unit answers.
    ASSERT_TRUE(sim.Send(kRomIdRequest));
    EXPECT_EQ(sim.NextReply(), kDefaultEcuId);
    EXPECT_EQ(sim.NextReply(), kDefaultEcuId);
    sim.StopAndPurge();

    // As the program asks: read address 0, then the request; stale address-0 replies
    // begin with 0x00 and are skipped.
    ASSERT_TRUE(sim.Send(ShortRead(0x89, 0x00)));
    ASSERT_TRUE(sim.NextReply());
    ASSERT_TRUE(sim.Send(kRomIdRequest));
    EXPECT_EQ(sim.ReplyEchoing(0x6B, 0x20), (ReplyBytes{0x6B, 0x20, 0x02}));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x6B, 0x20, 0x02}));
}

TEST(ProtocolOptionsTest, RomIdOptionSetsTheEngineUnitsId) {
    RunningSim sim;
    ASSERT_TRUE(sim.Start({"--fast", "--romid", "5a6B7c"}));
    ASSERT_TRUE(sim.Send(EcuRead(0x0000)));
    ASSERT_TRUE(sim.NextReply());
    ASSERT_TRUE(sim.Send(kRomIdRequest));
    EXPECT_EQ(sim.ReplyEchoing(0x5A, 0x6B), (ReplyBytes{0x5A, 0x6B, 0x7C}));
}

TEST(ProtocolOptionsTest, RomIdStartingWithZeroIsRefused) {
    SimProcess process;
    EXPECT_FALSE(process.Start({"--romid", "00B2C3"}));
    EXPECT_NE(process.WaitForExit(kArrivalLimit), 0);
}

TEST_F(ProtocolTest, WriteStoresTheByteAndStreamsIt) {
    const auto value = static_cast<std::uint8_t>(Ram(UnitId::Ecu, 0x0400) ^ 0xFF);
    ASSERT_TRUE(sim.Send(EcuRead(0x0400)));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x04, 0x00, Ram(UnitId::Ecu, 0x0400)}));
    ASSERT_TRUE(sim.Send(WriteRequest(0x0400, value)));
    EXPECT_TRUE(sim.AwaitReply({0x04, 0x00, value}));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x04, 0x00, value})) << "the write reply repeats";
    sim.StopAndPurge();

    ASSERT_TRUE(sim.Send(EcuRead(0x0400)));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x04, 0x00, value}));
}

TEST_F(ProtocolTest, WriteToTheProgramAreaIsRefused) {
    const std::vector<std::uint8_t> rom = GenerateRomImage(kDefaultSeed, kDefaultEcuId);
    const std::uint8_t stored = rom[0x1000];
    ASSERT_TRUE(sim.Send(EcuRead(0x9000)));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x90, 0x00, stored}));
    ASSERT_TRUE(sim.Send(WriteRequest(0x9000, static_cast<std::uint8_t>(stored ^ 0x55))));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x90, 0x00, stored}));
    }
    sim.StopAndPurge();
    ASSERT_TRUE(sim.Send(EcuRead(0x9000)));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x90, 0x00, stored}));
}

TEST_F(ProtocolTest, GarbageBeforeAFrameIsSkipped) {
    // A lone byte, a frame start that cannot continue, and a ROM ID request cut short.
    ASSERT_TRUE(sim.Send({0x33, 0x78, 0x00, 0x00, 0x46, 0x78, 0x12, 0x34, 0x00}));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x12, 0x34, FrozenLive(UnitId::Ecu, 0x1234)}));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x12, 0x34, FrozenLive(UnitId::Ecu, 0x1234)}));
}

TEST_F(ProtocolTest, GarbageDoesNotStopARunningStream) {
    ASSERT_TRUE(sim.Send(EcuRead(0x1238)));
    ASSERT_TRUE(sim.NextReply());
    ASSERT_TRUE(sim.Send({0x33, 0x78, 0x55, 0x66, 0x77}));
    sim.Line().Flush();
    // The stream goes on, aligned, for the same address.
    for (int i = 0; i < 3; ++i) {
        const std::optional<ReplyBytes> reply = sim.ReplyEchoing(0x12, 0x38);
        ASSERT_TRUE(reply);
    }
}

TEST_F(ProtocolTest, AFrameCutShortIsForgottenAfterAPause) {
    // Without the pause AA 12 78 12 would be a write request.
    ASSERT_TRUE(sim.Send({0xAA, 0x12}));
    EXPECT_TRUE(sim.StaysQuiet());
    ASSERT_TRUE(sim.Send(EcuRead(0x1238)));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x12, 0x38, FrozenLive(UnitId::Ecu, 0x1238)}));
    ASSERT_TRUE(sim.Send(EcuRead(0x1278)));
    EXPECT_EQ(sim.ReplyEchoing(0x12, 0x78), (ReplyBytes{0x12, 0x78, Ram(UnitId::Ecu, 0x1278)}));
}

TEST(ProtocolLiveTest, LiveValuesMoveUnlessFrozen) {
    RunningSim sim;
    ASSERT_TRUE(sim.Start({"--fast"}));
    ASSERT_TRUE(sim.Send(EcuRead(0x1234)));
    std::set<std::uint8_t> seen;
    // The battery ripple covers its whole swing within a second.
    for (int i = 0; i < 600 && seen.size() < 2; ++i) {
        const std::optional<ReplyBytes> reply = sim.NextReply();
        ASSERT_TRUE(reply);
        seen.insert((*reply)[2]);
    }
    EXPECT_GE(seen.size(), 2U);
}

} // namespace
} // namespace korvane::ecusim::testing
