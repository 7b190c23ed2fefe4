// The transactions, over the program's serial port, against the simulated car.

#include "car_on_port.h"

#include "link/command_frames.h"
#include "link/read_transaction.h"
#include "link/rom_id_transaction.h"
#include "link/write_transaction.h"

#include "live_values.h"
#include "simulated_car.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

namespace korvane::integration {
namespace {

using ecusim::SimulatedCar;
using ecusim::UnitId;

constexpr std::uint64_t kSeed = 1;

std::uint8_t Ram(UnitId unit, std::uint16_t address) {
    return SimulatedCar::InitialRam(kSeed, unit, address);
}

std::uint8_t FrozenLive(UnitId unit, std::uint16_t address) {
    return ecusim::LiveValueAt(*ecusim::FindLiveValue(unit, address), kSeed, 0);
}

std::vector<std::string> Repeat(const std::vector<std::string>& pattern, int times) {
    std::vector<std::string> all;
    for (int i = 0; i < times; ++i) {
        all.insert(all.end(), pattern.begin(), pattern.end());
    }
    return all;
}

const std::string kStop = "12000000";

TEST(ReadOnSimulator, EcuAddressesAreReadWithOneStopAtTheEnd) {
    CarOnPort car;
    ASSERT_TRUE(car.Start({"--frozen"}));
    const std::array<std::uint32_t, 4> addresses = {0x0400, 0x0401, 0x1234, 0x1278};
    std::array<std::uint8_t, 4> bytes{};
    ASSERT_EQ(ReadAddressSequence(car.Link(), addresses, bytes), 4);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{
                         Ram(UnitId::Ecu, 0x0400), Ram(UnitId::Ecu, 0x0401),
                         FrozenLive(UnitId::Ecu, 0x1234), Ram(UnitId::Ecu, 0x1278)}));
    EXPECT_EQ(car.FramesReceived(),
              (std::vector<std::string>{"78040000", "78040100", "78123400", "78127800", kStop}));
}

TEST(ReadOnSimulator, AirconAddressesUseThreeByteFrames) {
    CarOnPort car;
    ASSERT_TRUE(car.Start({"--fast", "--frozen"}));
    const std::array<std::uint32_t, 3> addresses = {0x20, 0x34, 0x1240};
    std::array<std::uint8_t, 3> bytes{};
    ASSERT_EQ(ReadAddressSequence(car.Link(UnitType::Aircon), addresses, bytes), 3);
    // 0x1240 is cut to its low byte on the wire.
    EXPECT_EQ(bytes,
              (std::array<std::uint8_t, 3>{FrozenLive(UnitId::Aircon, 0x20),
                                           Ram(UnitId::Aircon, 0x34), Ram(UnitId::Aircon, 0x40)}));
    EXPECT_EQ(car.FramesReceived(),
              (std::vector<std::string>{"890020", "890034", "890040", kStop}));
}

TEST(ReadOnSimulator, GivesUpAfterFourFramesWhenNoReplyMatches) {
    CarOnPort car;
    ASSERT_TRUE(car.Start({"--fast", "--no-echo"}));
    const std::array<std::uint32_t, 2> addresses = {0x0400, 0x0401};
    std::array<std::uint8_t, 2> bytes = {0xEE, 0xEE};
    EXPECT_EQ(ReadAddressSequence(car.Link(), addresses, bytes), -1);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 2>{0xEE, 0xEE}));
    EXPECT_EQ(car.FramesReceived(), Repeat({"78040000", kStop}, 4));
}

TEST(ReadOnSimulator, StrayBytesCostAResendButNoWrongByte) {
    CarOnPort car;
    ASSERT_TRUE(car.Start({"--fast", "--frozen", "--stray", "1"}));
    std::array<std::uint8_t, 6> bytes{};
    ASSERT_EQ(ReadMemoryRange(car.Link(), 0x0400, 6, bytes), 6);
    for (std::uint16_t i = 0; i < 6; ++i) {
        EXPECT_EQ(bytes[i], Ram(UnitId::Ecu, static_cast<std::uint16_t>(0x0400 + i))) << i;
    }
    // Every address after the first finds the stream out of step and is sent again.
    const std::vector<std::string> frames = car.FramesReceived();
    EXPECT_GT(frames.size(), 7U);
    EXPECT_EQ(frames.back(), kStop);
}

// What a read transaction must have sent when the unit's frames are sent `sends[k]` times
// for the k-th address: a frame is sent again only after a stop, and one stop ends it all.
std::vector<std::string> ReadPattern(const std::vector<std::pair<std::string, int>>& sends) {
    std::vector<std::string> frames;
    for (const auto& [frame, times] : sends) {
        for (int i = 0; i < times; ++i) {
            if (i > 0) {
                frames.push_back(kStop);
            }
            frames.push_back(frame);
        }
    }
    frames.push_back(kStop);
    return frames;
}

// Dropped reply bytes leave the reply stream out of step: the transaction reads again,
// resends after a stop, gives up after the fourth frame, and never takes a wrong byte.
TEST(ReadOnSimulator, DroppedBytesAreRereadOrResentButNeverMisread) {
    for (const char* drop : {"0.1", "0.5"}) {
        SCOPED_TRACE(drop);
        CarOnPort car;
        ASSERT_TRUE(car.Start({"--fast", "--frozen", "--seed", "1", "--drop", drop}));
        constexpr int kCount = 16;
        std::array<std::uint8_t, kCount> bytes{};
        bytes.fill(0xEE);
        const int count = ReadMemoryRange(car.Link(), 0x0410, kCount, bytes);

        const std::vector<std::string> frames = car.FramesReceived();
        std::vector<std::pair<std::string, int>> sends;
        for (const std::string& frame : frames) {
            if (frame == kStop) {
                continue;
            }
            if (sends.empty() || sends.back().first != frame) {
                sends.push_back({frame, 0});
            }
            ++sends.back().second;
        }
        EXPECT_EQ(frames, ReadPattern(sends));
        ASSERT_FALSE(sends.empty());
        for (std::size_t k = 0; k < sends.size(); ++k) {
            char expected[9];
            std::snprintf(expected, sizeof expected, "78%04X00", static_cast<unsigned>(0x0410 + k));
            EXPECT_EQ(sends[k].first, expected);
            EXPECT_LE(sends[k].second, 4);
        }
        const int read = count < 0 ? static_cast<int>(sends.size()) - 1 : count;
        if (count < 0) {
            EXPECT_EQ(sends.back().second, 4);
        } else {
            EXPECT_EQ(count, kCount);
            EXPECT_EQ(static_cast<int>(sends.size()), kCount);
        }
        for (int i = 0; i < kCount; ++i) {
            EXPECT_EQ(bytes[i],
                      i < read ? Ram(UnitId::Ecu, static_cast<std::uint16_t>(0x0410 + i)) : 0xEE)
                << i;
        }
    }
}

TEST(RomIdOnSimulator, TheUnitLastReadAnswers) {
    CarOnPort car;
    ASSERT_TRUE(car.Start({"--romid", "5A6B7C"}));
    UnitReply id{};
    ASSERT_TRUE(RequestRomId(car.Link(), id));
    EXPECT_EQ(id, (UnitReply{0x5A, 0x6B, 0x7C}));
    ASSERT_TRUE(RequestRomId(car.Link(UnitType::Aircon), id));
    EXPECT_EQ(id, (UnitReply{0x6B, 0x20, 0x02}));
    const std::vector<std::string> frames = car.FramesReceived();
    EXPECT_EQ(frames.front(), kStop);
    EXPECT_EQ(frames.back(), kStop);
}

TEST(WriteOnSimulator, ChangedByteIsStoredAndSameByteTakesEightRequests) {
    CarOnPort car;
    ASSERT_TRUE(car.Start({"--fast"}));
    const auto fresh = static_cast<std::uint8_t>(Ram(UnitId::Ecu, 0x0400) ^ 0x5A);
    EXPECT_EQ(WriteMemoryByte(car.Link(), 0x0400, fresh), fresh);
    std::array<std::uint8_t, 1> back{};
    ASSERT_EQ(ReadMemoryRange(car.Link(), 0x0400, 1, back), 1);
    EXPECT_EQ(back[0], fresh);

    const std::size_t before = car.FramesReceived().size();
    EXPECT_EQ(WriteMemoryByte(car.Link(), 0x0400, fresh), fresh);
    const std::vector<std::string> frames = car.FramesReceived();
    const std::vector<std::string> last(frames.begin() + static_cast<long>(before), frames.end());
    std::vector<std::string> expected = {kStop, "78040000"};
    const std::string request = "AA0400" + std::string(1, "0123456789ABCDEF"[fresh >> 4]) +
                                std::string(1, "0123456789ABCDEF"[fresh & 0xF]);
    for (int i = 0; i < 8; ++i) {
        expected.push_back(request);
    }
    expected.push_back(kStop);
    EXPECT_EQ(last, expected);
}

TEST(WriteOnSimulator, ProgramAreaKeepsItsByte) {
    CarOnPort car;
    ASSERT_TRUE(car.Start({"--fast"}));
    std::array<std::uint8_t, 1> before{};
    ASSERT_EQ(ReadMemoryRange(car.Link(), 0x9000, 1, before), 1);
    EXPECT_EQ(WriteMemoryByte(car.Link(), 0x9000, static_cast<std::uint8_t>(before[0] ^ 1)),
              before[0]);
}

TEST(LinkOnSimulator, SimulatorGoneMidTransactionFailsWithoutHanging) {
    CarOnPort car;
    ASSERT_TRUE(car.Start({}));
    std::vector<std::uint8_t> bytes(2000);
    // A hang runs into the test's time-out. At line pace 2000 addresses take over a minute: the
    // simulator dies long before.
    std::thread killer([&car] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        (void)car.Simulator().Signal(SIGKILL);
    });
    const int count = ReadMemoryRange(car.Link(), 0x0400, 2000, bytes);
    killer.join();
    EXPECT_EQ(count, -1);
}

} // namespace
} // namespace korvane::integration
