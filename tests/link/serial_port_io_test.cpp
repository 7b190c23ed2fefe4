#include "link/serial_port.h"
#include "pseudo_terminal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>

namespace korvane {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using testing::PseudoTerminal;

class SerialPortIo : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ok());
        ASSERT_TRUE(port.Open(pty.slavePath, kUnitBaudRate, kParityEven, kOneStopBit));
    }

    // The far end of the line sends.
    void Send(const std::string& bytes) const {
        ASSERT_EQ(write(pty.master, bytes.data(), bytes.size()),
                  static_cast<ssize_t>(bytes.size()));
    }
    // Bytes at the port's end, not yet read.
    int Pending() const {
        int pending = -1;
        ioctl(pty.slave, FIONREAD, &pending);
        return pending;
    }

    PseudoTerminal pty;
    SerialPort port;
};

TEST_F(SerialPortIo, BytesPassUnchangedAndReadsTakeOnlyWhatWasAskedFor) {
    const std::uint8_t frame[] = {0x78, 0x0A, 0x0D, 0x00, 0xFF, 0x11, 0x13};
    EXPECT_EQ(port.Write(frame, 7), 7);
    std::string received;
    while (received.size() < 7) {
        char buffer[8];
        const ssize_t got = read(pty.master, buffer, sizeof buffer);
        ASSERT_GT(got, 0);
        received.append(buffer, static_cast<std::size_t>(got));
    }
    EXPECT_EQ(received, std::string("\x78\x0A\x0D\x00\xFF\x11\x13", 7));
    EXPECT_EQ(port.Write(frame, 0), 0);

    Send(std::string("\x12\x0D\x00\x11", 4));
    std::uint8_t buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    ASSERT_EQ(port.Read(buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, buffer + 4), std::string("\x12\x0D\x00\xEE", 4));
    ASSERT_EQ(port.Read(buffer, 1), 1);
    EXPECT_EQ(buffer[0], 0x11);
    EXPECT_EQ(port.Read(buffer, 0), 0); // nothing asked, nothing failed
}

// The time-outs are checked from below only: a read or write that never ends runs into the
// test's own time-out.
TEST_F(SerialPortIo, ReadsEndAfterTheTotalOrTheIntervalTimeOut) {
    std::uint8_t buffer[3] = {0xEE};
    const auto start = Clock::now();
    EXPECT_EQ(port.Read(buffer, 1), 0);
    EXPECT_GE(Clock::now() - start, milliseconds(510));
    EXPECT_EQ(buffer[0], 0xEE);

    Send("\x42");
    EXPECT_EQ(port.Read(buffer, 3), 1);
    EXPECT_EQ(buffer[0], 0x42);
}

TEST_F(SerialPortIo, BlockedLineEndsTheWriteAfterItsTimeOut) {
    ASSERT_EQ(tcflow(pty.slave, TCOOFF), 0);
    const std::uint8_t frame[] = {0x12, 0x00, 0x00, 0x00};
    const auto start = Clock::now();
    EXPECT_EQ(port.Write(frame, 4), 0);
    EXPECT_GE(Clock::now() - start, milliseconds(540));
    ASSERT_EQ(tcflow(pty.slave, TCOON), 0);
}

TEST_F(SerialPortIo, PurgeDropsWhatWasNotReadYet) {
    Send("abc");
    while (Pending() < 3) {
        std::this_thread::sleep_for(milliseconds(1));
    }
    EXPECT_EQ(port.Purge(), 1);
    EXPECT_EQ(Pending(), 0);
}

TEST_F(SerialPortIo, ADeviceThatGoesAwayFailsTheReadAndIsReportedLost) {
    EXPECT_FALSE(port.DeviceLost());
    Send("\x01\x02");
    pty.CloseMaster();
    std::uint8_t buffer[3] = {};
    EXPECT_EQ(port.Read(buffer, 3), -1);
    EXPECT_TRUE(port.DeviceLost());
    EXPECT_EQ(port.Write(buffer, 3), 0);
}

} // namespace
} // namespace korvane
