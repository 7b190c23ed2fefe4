// The program reaches the simulator by a COM name through the port folder.

#include "sim_process.h"
#include "support/port_folder.h"

#include "link/read_transaction.h"
#include "link/serial_port.h"
#include "link/thread_sleeper.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <filesystem>

namespace korvane::integration {
namespace {

TEST(PortNamesOnSimulator, ComNameOpensTheSimulatorsPty) {
    // The port folder is looked up in this process's environment as well as the simulator's.
    const korvane::testing::PortFolder folder;

    ecusim::SimProcess simulator;
    ASSERT_TRUE(simulator.Start({"--fast", "--com", "12"}));
    SerialPort port;
    ASSERT_TRUE(port.Open("COM12", kUnitBaudRate, kParityEven, kOneStopBit));
    EXPECT_EQ(port.PortName(), "COM12");
    ThreadSleeper sleeper;
    const std::array<std::uint32_t, 1> addresses = {0x0400};
    std::array<std::uint8_t, 1> bytes{};
    EXPECT_EQ(ReadAddressSequence({port, sleeper, UnitType::Ecu}, addresses, bytes), 1);

    ASSERT_TRUE(simulator.Signal(SIGTERM));
    EXPECT_EQ(simulator.WaitForExit(std::chrono::seconds(5)), 0);
    EXPECT_FALSE(std::filesystem::exists(folder.Link(12)));
}

} // namespace
} // namespace korvane::integration
