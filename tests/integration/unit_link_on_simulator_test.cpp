// The unit link end to end: the program's serial port, at the units' line settings, against
// the simulated car on its pty. The transactions' rules are checked with a scripted unit in
// tests/link; here what only a real line shows.

#include "sim_process.h"

#include "link/read_transaction.h"
#include "link/serial_port.h"
#include "link/thread_sleeper.h"

#include "live_values.h"
#include "simulated_car.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace korvane::integration {
namespace {

using ecusim::UnitId;

constexpr std::uint64_t kSeed = 1;

std::uint8_t Ram(UnitId unit, std::uint16_t address) {
    return ecusim::SimulatedCar::InitialRam(kSeed, unit, address);
}

std::uint8_t FrozenLive(UnitId unit, std::uint16_t address) {
    return ecusim::LiveValueAt(*ecusim::FindLiveValue(unit, address), kSeed, 0);
}

// The simulated car with the program's serial port open on it.
struct CarOnPort {
    bool Start(const std::vector<std::string>& arguments) {
        return simulator.Start(arguments) &&
               port.Open(simulator.PtyPath(), kUnitBaudRate, kParityEven, kOneStopBit);
    }
    UnitLink Link(UnitType unit = UnitType::Ecu) { return {port, sleeper, unit}; }

    ecusim::SimProcess simulator;
    SerialPort port;
    ThreadSleeper sleeper;
};

// At the line's pace, so that every reply reaches the port byte by byte. The simulator
// answers only a line set up as the units'.
TEST(UnitLinkOnSimulator, ReadsTheUnitsBytesOverTheLine) {
    CarOnPort car;
    ASSERT_TRUE(car.Start({"--frozen"}));
    const std::array<std::uint32_t, 4> addresses = {0x0400, 0x0401, 0x1234, 0x1278};
    std::array<std::uint8_t, 4> bytes{};
    ASSERT_EQ(ReadAddressSequence(car.Link(), addresses, bytes), 4);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{
                         Ram(UnitId::Ecu, 0x0400), Ram(UnitId::Ecu, 0x0401),
                         FrozenLive(UnitId::Ecu, 0x1234), Ram(UnitId::Ecu, 0x1278)}));
}

// Lost and stray bytes leave the reply stream out of step: the transaction may give up,
// but a byte it took is the unit's.
TEST(UnitLinkOnSimulator, AFaultyLineNeverGivesAWrongByte) {
    for (const std::vector<std::string>& fault :
         {std::vector<std::string>{"--drop", "0.1"}, {"--drop", "0.2"}, {"--stray", "0.5"}}) {
        SCOPED_TRACE(fault[0] + " " + fault[1]);
        CarOnPort car;
        std::vector<std::string> arguments = {"--fast", "--frozen", "--seed", "1"};
        arguments.insert(arguments.end(), fault.begin(), fault.end());
        ASSERT_TRUE(car.Start(arguments));
        std::array<std::uint8_t, 16> bytes{};
        bytes.fill(0xEE);
        int read = 0;
        const int count = ReadMemoryRange(car.Link(), 0x0410, 16, bytes, &read);
        EXPECT_TRUE(count == 16 || count == -1) << count;
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(bytes[i],
                      i < read ? Ram(UnitId::Ecu, static_cast<std::uint16_t>(0x0410 + i)) : 0xEE)
                << i;
        }
    }
}

} // namespace
} // namespace korvane::integration
