#include "link/serial_port.h"
#include "pseudo_terminal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <termios.h>
#include <thread>

namespace korvane {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using testing::PseudoTerminal;

// A read on a line that stays silent must end; this is far beyond any time-out of the line.
constexpr milliseconds kHang{3000};

class SerialPortIo : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ok());
        ASSERT_TRUE(port.Open(pty.SlavePath(), kUnitBaudRate, kParityEven, kOneStopBit));
    }

    PseudoTerminal pty;
    SerialPort port;
};

milliseconds Since(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
}

TEST_F(SerialPortIo, WrittenBytesReachTheDeviceUnchanged) {
    const std::uint8_t frame[] = {0x78, 0x0A, 0x0D, 0x00, 0xFF, 0x11, 0x13};
    EXPECT_EQ(port.Write(frame, 7), 7);
    EXPECT_EQ(pty.ReceiveAtDevice(7), std::string("\x78\x0A\x0D\x00\xFF\x11\x13", 7));
    EXPECT_EQ(port.Write(frame, 0), 0);
}

TEST_F(SerialPortIo, ReadReturnsAsSoonAsAllBytesAreThere) {
    pty.SendFromDevice(std::string("\x12\x34\x00\x0D", 4));
    std::uint8_t buffer[6] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    const auto start = Clock::now();
    ASSERT_EQ(port.Read(buffer, 3), 3);
    // Well before the 100 ms the line's interval time-out would take.
    EXPECT_LT(Since(start), milliseconds(100));
    EXPECT_EQ(buffer[0], 0x12);
    EXPECT_EQ(buffer[1], 0x34);
    EXPECT_EQ(buffer[2], 0x00);
    EXPECT_EQ(buffer[3], 0xEE);
    // The fourth byte waits for the next read.
    ASSERT_EQ(port.Read(buffer, 1), 1);
    EXPECT_EQ(buffer[0], 0x0D);
}

TEST_F(SerialPortIo, SilentLineEndsTheReadAfterTheTotalTimeOut) {
    std::uint8_t buffer[1] = {0xEE};
    const auto start = Clock::now();
    EXPECT_EQ(port.Read(buffer, 1), 0);
    const auto waited = Since(start);
    EXPECT_GE(waited, milliseconds(510));
    EXPECT_LT(waited, kHang);
    EXPECT_EQ(buffer[0], 0xEE);
}

TEST_F(SerialPortIo, SilenceAfterAByteEndsTheReadAfterTheIntervalTimeOut) {
    pty.SendFromDevice("\x42");
    std::uint8_t buffer[3] = {};
    const auto start = Clock::now();
    EXPECT_EQ(port.Read(buffer, 3), 1);
    const auto waited = Since(start);
    EXPECT_GE(waited, milliseconds(100));
    // The total time-out (530 ms) must not be what ended it.
    EXPECT_LT(waited, milliseconds(450));
    EXPECT_EQ(buffer[0], 0x42);
}

TEST_F(SerialPortIo, BytesArrivingWithinTheIntervalAreAllRead) {
    std::thread device([this] {
        for (const char* byte : {"\x01", "\x02", "\x03"}) {
            std::this_thread::sleep_for(milliseconds(30));
            pty.SendFromDevice(byte);
        }
    });
    std::uint8_t buffer[3] = {};
    EXPECT_EQ(port.Read(buffer, 3), 3);
    device.join();
    EXPECT_EQ(buffer[2], 0x03);
}

TEST_F(SerialPortIo, PurgeDropsWhatWasNotReadYet) {
    pty.SendFromDevice("abc");
    const auto start = Clock::now();
    while (pty.PendingAtPort() < 3 && Since(start) < kHang) {
        std::this_thread::sleep_for(milliseconds(1));
    }
    ASSERT_EQ(pty.PendingAtPort(), 3);
    EXPECT_EQ(port.Purge(), 1);
    EXPECT_EQ(pty.PendingAtPort(), 0);

    pty.SendFromDevice("z");
    std::uint8_t buffer[1] = {};
    EXPECT_EQ(port.Read(buffer, 1), 1);
    EXPECT_EQ(buffer[0], 'z');
}

TEST_F(SerialPortIo, BlockedLineEndsTheWriteAfterItsTimeOut) {
    ASSERT_EQ(tcflow(pty.Slave(), TCOOFF), 0);
    const std::uint8_t frame[] = {0x12, 0x00, 0x00, 0x00};
    const auto start = Clock::now();
    EXPECT_EQ(port.Write(frame, 4), 0);
    const auto waited = Since(start);
    ASSERT_EQ(tcflow(pty.Slave(), TCOON), 0);
    EXPECT_GE(waited, milliseconds(540));
    EXPECT_LT(waited, kHang);
}

TEST_F(SerialPortIo, VanishingDeviceEndsTheReadPromptly) {
    std::thread unplug([this] {
        std::this_thread::sleep_for(milliseconds(50));
        pty.CloseMaster();
    });
    std::uint8_t buffer[100] = {};
    const auto start = Clock::now();
    const int result = port.Read(buffer, 100);
    const auto waited = Since(start);
    unplug.join();
    EXPECT_EQ(result, -1);
    // The total time-out of this read is 1.5 s; a vanished device must not be waited for.
    EXPECT_LT(waited, milliseconds(1000));

    const auto after = Clock::now();
    EXPECT_EQ(port.Read(buffer, 100), -1);
    EXPECT_LE(port.Write(buffer, 4), 0);
    EXPECT_LT(Since(after), milliseconds(1000));
    EXPECT_TRUE(port.IsOpen());
}

} // namespace
} // namespace korvane
