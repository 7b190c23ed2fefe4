// Frames and replies over the simulator's pty.

#include "sim_line.h"

#include "live_values.h"
#include "simulated_car.h"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

namespace korvane::ecusim::testing {
namespace {

constexpr std::uint64_t kDefaultSeed = 1;

std::uint8_t FrozenLive(UnitId unit, std::uint16_t address) {
    return LiveValueAt(*FindLiveValue(unit, address), kDefaultSeed, 0);
}

std::uint8_t Ram(UnitId unit, std::uint16_t address) {
    return SimulatedCar::InitialRam(kDefaultSeed, unit, address);
}

class Protocol : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim.Start({"--fast", "--frozen"})); }
    SimLine sim;
};

// Each row starts after a stop and sends its frames, waiting for a reply to each; the reply
// to the last one is checked. The rows run in order on one car, so the writes stay.
TEST_F(Protocol, EachUnitAnswersFromItsOwnMemoryAndAWriteGoesToTheUnitReadLast) {
    const std::vector<std::pair<std::string, Bytes>> rows = {
        {"78040000", {0x04, 0x00, Ram(UnitId::Ecu, 0x0400)}},
        {"78123400", {0x12, 0x34, FrozenLive(UnitId::Ecu, 0x1234)}},
        {"45040000", {0x04, 0x00, Ram(UnitId::Tcu, 0x0400)}},
        // Three-byte units echo zero and the low byte.
        {"890034", {0x00, 0x34, Ram(UnitId::Aircon, 0x34)}},
        {"920034", {0x00, 0x34, Ram(UnitId::FourWs, 0x34)}},
        {"AB0020", {0x00, 0x20, Ram(UnitId::Cruise, 0x20)}},
        {"890020", {0x00, 0x20, FrozenLive(UnitId::Aircon, 0x20)}},
        {"890040 AA00405A", {0x00, 0x40, 0x5A}},
        {"78004000 AA0040A5", {0x00, 0x40, 0xA5}},
        {"890040", {0x00, 0x40, 0x5A}},
        {"78004000", {0x00, 0x40, 0xA5}},
        {"920040", {0x00, 0x40, Ram(UnitId::FourWs, 0x40)}},
    };
    for (const auto& [frames, reply] : rows) {
        SCOPED_TRACE(frames);
        sim.StopAndPurge();
        std::istringstream words(frames);
        for (std::string frame; words >> frame;) {
            ASSERT_TRUE(sim.Send(frame));
            ASSERT_TRUE(sim.NextReply()); // a later frame comes after the unit answered
        }
        EXPECT_TRUE(sim.ReplyStarting(reply));
    }
    // The replies repeat until a stop, and then nothing comes.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(sim.NextReply(), (ReplyBytes{0x00, 0x40, Ram(UnitId::FourWs, 0x40)}));
    }
    sim.StopAndPurge();
    EXPECT_TRUE(sim.Read(1, kQuietWindow).empty());
}

// Without a stop frame between addresses the replies of the old address may still come,
// but always whole, so a reader taking 3 bytes at a time stays aligned.
TEST_F(Protocol, SwitchingAddressMidStreamKeepsRepliesWhole) {
    std::uint16_t previous = 0x0100;
    ASSERT_TRUE(sim.Send(EcuRead(previous)));
    ASSERT_TRUE(sim.ReplyStarting({0x01, 0x00}));
    for (int i = 1; i <= 40; ++i) {
        const auto address = static_cast<std::uint16_t>(0x0100 + i * 0x11);
        ASSERT_TRUE(sim.Send(EcuRead(address)));
        const auto deadline = std::chrono::steady_clock::now() + kArrivalLimit;
        for (;;) {
            const std::optional<ReplyBytes> reply = sim.NextReply();
            ASSERT_TRUE(reply && std::chrono::steady_clock::now() < deadline) << "switch " << i;
            const auto echo = static_cast<std::uint16_t>((*reply)[0] << 8 | (*reply)[1]);
            if (echo == address) {
                EXPECT_EQ((*reply)[2], Ram(UnitId::Ecu, address));
                break;
            }
            ASSERT_EQ(echo, previous) << "switch " << i << ": reply out of step";
        }
        previous = address;
    }
}

// A reader that stops reading finds one reply waiting, or a few more when the simulator was
// woken late; far fewer than the some 60 an unpaced simulator would send meanwhile.
TEST_F(Protocol, AReaderThatStopsReadingIsNotFlooded) {
    ASSERT_TRUE(sim.Send(EcuRead(0x1234)));
    ASSERT_TRUE(sim.NextReply());
    std::this_thread::sleep_for(kQuietWindow);
    const int waiting = sim.Waiting();
    EXPECT_GE(waiting, 3);
    EXPECT_LE(waiting, 3 * 8);
    EXPECT_EQ(waiting % 3, 0);
}

} // namespace
} // namespace korvane::ecusim::testing
