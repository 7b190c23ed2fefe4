// The unit link end to end: the program's serial port, at the units' line settings, against
// the simulated car on its pty. The transactions' rules are checked with a scripted unit in
// tests/link; here what only a real line shows.

#include "sim_process.h"

#include "link/read_transaction.h"
#include "link/serial_port.h"
#include "link/thread_sleeper.h"

#include "simulated_car.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace korvane::integration {
namespace {

// A clean line at its own pace brings every reply byte by byte, and the simulator answers
// only a line set up as the units'. Lost and stray bytes leave the reply stream out of
// step: the transaction may give up, but a byte it took is the unit's.
TEST(UnitLinkOnSimulator, ReadsTheUnitsBytesAndNeverAWrongOne) {
    const std::vector<std::pair<std::vector<std::string>, bool>> lines = {
        {{"--frozen"}, true},
        {{"--fast", "--frozen", "--drop", "0.1"}, false},
        {{"--fast", "--frozen", "--drop", "0.2"}, false},
        {{"--fast", "--frozen", "--stray", "0.5"}, false},
    };
    for (const auto& [arguments, clean] : lines) {
        SCOPED_TRACE(arguments.back());
        ecusim::SimProcess simulator;
        SerialPort port;
        ThreadSleeper sleeper;
        ASSERT_TRUE(simulator.Start(arguments));
        ASSERT_TRUE(port.Open(simulator.PtyPath(), kUnitBaudRate, kParityEven, kOneStopBit));
        std::array<std::uint8_t, 16> bytes{};
        bytes.fill(0xEE);
        int read = 0;
        const int count = ReadMemoryRange({port, sleeper, UnitType::Ecu}, 0x0410, 16, bytes, &read);
        EXPECT_TRUE(count == 16 || (count == -1 && !clean)) << count;
        for (int i = 0; i < 16; ++i) {
            const auto address = static_cast<std::uint16_t>(0x0410 + i);
            EXPECT_EQ(bytes[i],
                      i < read ? ecusim::SimulatedCar::InitialRam(1, ecusim::UnitId::Ecu, address)
                               : 0xEE)
                << i;
        }
    }
}

} // namespace
} // namespace korvane::integration
