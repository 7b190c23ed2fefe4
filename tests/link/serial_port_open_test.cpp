#include "link/posix/line_rate.h"
#include "link/posix/terminal_refusal.h"
#include "link/serial_port.h"
#include "pseudo_terminal.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace korvane {
namespace {

using testing::PseudoTerminal;

const std::string kRefusedTerminal =
    "a console or the controlling terminal, never used as a serial port";

bool OpenForUnit(SerialPort& port, const std::string& name) {
    return port.Open(name, kUnitBaudRate, kParityEven, kOneStopBit);
}

LineRate RateOf(int fd) {
    LineRate rate;
    EXPECT_TRUE(ReadLineRate(fd, rate));
    return rate;
}

// Runs the check in a child process (which may change its session or identity) and returns
// its exit status.
template <typename Check> int InChild(Check check) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(check());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

TEST(SerialPortClosed, EveryOperationAnswersMinusOneAtOnce) {
    SerialPort port;
    std::uint8_t buffer[4] = {1, 2, 3, 4};
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.PortName(), "none");
    EXPECT_EQ(port.Write(buffer, 4), -1);
    EXPECT_EQ(port.Read(buffer, 4), -1);
    EXPECT_EQ(port.Purge(), -1);
    EXPECT_EQ(buffer[0], 1);
}

TEST(SerialPortOpen, RefusesWhatIsNotASerialDevice) {
    SerialPort port;
    const std::string file =
        std::filesystem::temp_directory_path().string() + "/korvane-not-a-port";
    std::ofstream(file) << "text";

    EXPECT_FALSE(OpenForUnit(port, file));
    EXPECT_EQ(port.LastOpenError().reason, "not a terminal device");
    EXPECT_FALSE(OpenForUnit(port, "/dev/null"));
    EXPECT_EQ(port.LastOpenError().reason, "not a terminal device");
    std::filesystem::remove(file);

    EXPECT_FALSE(OpenForUnit(port, "/dev/korvane-no-such-device"));
    EXPECT_EQ(port.LastOpenError().code, ENOENT);
    EXPECT_EQ(port.LastOpenError().device, "/dev/korvane-no-such-device");
    EXPECT_FALSE(OpenForUnit(port, "COM17"));
    EXPECT_EQ(port.LastOpenError().reason, "not a known port name");

    // Refused by name, before anything is opened.
    for (const char* terminal : {"/dev/tty", "/dev/console", "/dev/tty0", "/dev/tty1"}) {
        EXPECT_FALSE(OpenForUnit(port, terminal)) << terminal;
        EXPECT_EQ(port.LastOpenError().reason, kRefusedTerminal) << terminal;
        EXPECT_EQ(port.LastOpenError().code, 0) << terminal;
    }
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.PortName(), "none");
}

TEST(SerialPortOpen, TerminalPathRulesMatchWholeNamesOnly) {
    for (const char* path : {"/dev/tty", "/dev/console", "/dev/tty0", "/dev/tty9", "/dev/tty63"}) {
        EXPECT_TRUE(IsRefusedTerminalPath(path)) << path;
    }
    for (const char* path : {"/dev/ttyUSB0", "/dev/ttyACM0", "/dev/ttyS0", "/dev/tty64",
                             "/dev/tty1a", "/dev/pts/0", "/dev/ttyx", "/dev/tt"}) {
        EXPECT_FALSE(IsRefusedTerminalPath(path)) << path;
    }
}

TEST(SerialPortOpen, RefusesTheControllingTerminalWhateverPathLeadsToIt) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    const int status = InChild([&pty] {
        if (setsid() < 0 || ioctl(pty.Slave(), TIOCSCTTY, 0) != 0) {
            return 77;
        }
        SerialPort port;
        const bool opened = OpenForUnit(port, pty.SlavePath());
        return !opened && port.LastOpenError().reason == kRefusedTerminal ? 0 : 1;
    });
    ASSERT_NE(status, 77) << "could not give the child a controlling terminal";
    EXPECT_EQ(status, 0);
}

TEST(SerialPortOpen, SetsTheUnitLineWithTheExactRate) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    SerialPort port;
    ASSERT_TRUE(OpenForUnit(port, pty.SlavePath())) << DescribeOpenError(port.LastOpenError());
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.PortName(), pty.SlavePath());
    EXPECT_EQ(port.LastOpenError().reason, "");

    const LineRate rate = RateOf(pty.Slave());
    EXPECT_EQ(rate.output, 1953U);
    EXPECT_EQ(rate.input, 1953U);

    struct termios settings {};
    ASSERT_EQ(tcgetattr(pty.Slave(), &settings), 0);
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0U);
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF | ICRNL | PARMRK | ISTRIP), 0U);
    EXPECT_EQ(settings.c_iflag & (INPCK | IGNPAR | IGNBRK), INPCK | IGNPAR | IGNBRK);
    EXPECT_EQ(settings.c_oflag & OPOST, 0U);
    EXPECT_EQ(settings.c_cflag & (CLOCAL | CREAD), CLOCAL | CREAD);
    EXPECT_EQ(settings.c_cflag & (CRTSCTS | CSTOPB), 0U);
    EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(settings.c_cc[VMIN], 0);
}

TEST(SerialPortOpen, ProbeSettingsUseTheStandardRateWithoutParity) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    SerialPort port;
    ASSERT_TRUE(port.Open(pty.SlavePath(), kProbeBaudRate, kParityNone, kOneStopBit));
    struct termios settings {};
    ASSERT_EQ(tcgetattr(pty.Slave(), &settings), 0);
    EXPECT_EQ(cfgetospeed(&settings), static_cast<speed_t>(B9600));
    EXPECT_EQ(cfgetispeed(&settings), static_cast<speed_t>(B9600));
    EXPECT_EQ(settings.c_iflag & INPCK, 0U);
    EXPECT_EQ(RateOf(pty.Slave()).output, 9600U);
}

TEST(SerialPortOpen, SettingsThatCannotBeMadeFailTheOpen) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    SerialPort port;
    EXPECT_FALSE(port.Open(pty.SlavePath(), kUnitBaudRate, 5, kOneStopBit));
    EXPECT_FALSE(port.Open(pty.SlavePath(), kUnitBaudRate, kParityEven, 1));
    EXPECT_FALSE(port.Open(pty.SlavePath(), 0, kParityEven, kOneStopBit));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.PortName(), "none");
    // The failed attempts released the device again.
    EXPECT_TRUE(OpenForUnit(port, pty.SlavePath()));
}

TEST(SerialPortOpen, SecondHolderOfTheSameDeviceIsRefused) {
    PseudoTerminal first;
    PseudoTerminal second;
    ASSERT_TRUE(first.Ok() && second.Ok());
    SerialPort holder;
    SerialPort other;
    ASSERT_TRUE(OpenForUnit(holder, first.SlavePath()));
    EXPECT_FALSE(OpenForUnit(other, first.SlavePath()));
    EXPECT_NE(other.LastOpenError().code, 0);
    EXPECT_EQ(other.PortName(), "none");
    EXPECT_EQ(holder.PortName(), first.SlavePath());

    // Moving to another device lets the first one go.
    ASSERT_TRUE(OpenForUnit(holder, second.SlavePath()));
    EXPECT_TRUE(OpenForUnit(other, first.SlavePath()));
}

TEST(SerialPortOpen, ReopeningReleasesThePortFirst) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    SerialPort port;
    ASSERT_TRUE(OpenForUnit(port, pty.SlavePath()));
    // Without releasing first, the port would now be held twice and refused by its own lock.
    EXPECT_TRUE(OpenForUnit(port, pty.SlavePath()));
    EXPECT_EQ(port.PortName(), pty.SlavePath());

    EXPECT_FALSE(OpenForUnit(port, "/dev/korvane-no-such-device"));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.PortName(), "none");
    SerialPort other;
    EXPECT_TRUE(OpenForUnit(other, pty.SlavePath()));
}

TEST(SerialPortOpen, OpensADeviceLeftAtTheUnitSettings) {
    // As after a run that ended without releasing the port: asking for what the device
    // already has (less the parity a pseudo-terminal drops) must still succeed.
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    struct termios unitLine {};
    {
        SerialPort port;
        ASSERT_TRUE(OpenForUnit(port, pty.SlavePath()));
        ASSERT_EQ(tcgetattr(pty.Slave(), &unitLine), 0);
    }
    ASSERT_EQ(tcsetattr(pty.Slave(), TCSANOW, &unitLine), 0);
    ASSERT_TRUE(SetCustomLineRate(pty.Slave(), 1953));

    SerialPort port;
    EXPECT_TRUE(OpenForUnit(port, pty.SlavePath())) << DescribeOpenError(port.LastOpenError());
    EXPECT_EQ(RateOf(pty.Slave()).output, 1953U);
}

TEST(SerialPortOpen, ReleasingPutsBackTheEarlierSettings) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    struct termios earlier {};
    ASSERT_EQ(tcgetattr(pty.Slave(), &earlier), 0);
    earlier.c_lflag |= ICANON | ECHO | ISIG;
    earlier.c_iflag |= IXON | ICRNL;
    earlier.c_oflag |= OPOST | ONLCR;
    cfsetspeed(&earlier, B4800);
    ASSERT_EQ(tcsetattr(pty.Slave(), TCSANOW, &earlier), 0);
    ASSERT_EQ(tcgetattr(pty.Slave(), &earlier), 0);

    const auto expectEarlier = [&pty, &earlier] {
        struct termios now {};
        ASSERT_EQ(tcgetattr(pty.Slave(), &now), 0);
        EXPECT_EQ(now.c_iflag, earlier.c_iflag);
        EXPECT_EQ(now.c_oflag, earlier.c_oflag);
        EXPECT_EQ(now.c_cflag, earlier.c_cflag);
        EXPECT_EQ(now.c_lflag, earlier.c_lflag);
        EXPECT_EQ(RateOf(pty.Slave()).output, 4800U);
    };

    {
        SerialPort port;
        ASSERT_TRUE(OpenForUnit(port, pty.SlavePath()));
        EXPECT_EQ(RateOf(pty.Slave()).output, 1953U);
    }
    expectEarlier();

    // Released by an open of another name as well.
    SerialPort port;
    ASSERT_TRUE(OpenForUnit(port, pty.SlavePath()));
    EXPECT_FALSE(OpenForUnit(port, "/dev/korvane-no-such-device"));
    expectEarlier();
}

TEST(SerialPortOpen, ReleasingPutsBackAnEarlierRateWithoutASpeedCode) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    ASSERT_TRUE(SetCustomLineRate(pty.Slave(), 1953));
    const LineRate earlier = RateOf(pty.Slave());
    {
        SerialPort port;
        ASSERT_TRUE(port.Open(pty.SlavePath(), kProbeBaudRate, kParityNone, kOneStopBit));
        EXPECT_EQ(RateOf(pty.Slave()).output, 9600U);
        EXPECT_EQ(RateOf(pty.Slave()).input, 9600U);
    }
    const LineRate now = RateOf(pty.Slave());
    EXPECT_EQ(now.output, 1953U);
    EXPECT_EQ(now.input, 1953U);
    EXPECT_EQ(now.encoding, earlier.encoding);
}

TEST(SerialPortOpen, DeniedAccessNamesTheDevicesGroup) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    struct stat status {};
    ASSERT_EQ(stat(pty.SlavePath().c_str(), &status), 0);
    const struct group* owner = getgrgid(status.st_gid);
    const std::string groupName = owner != nullptr ? owner->gr_name : std::to_string(status.st_gid);

    const int result = InChild([&] {
        // Root opens anything: take an identity that may not open the device.
        if (getuid() == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0) {
                return 77;
            }
        } else if (chmod(pty.SlavePath().c_str(), 0) != 0) {
            return 77;
        }
        SerialPort port;
        if (OpenForUnit(port, pty.SlavePath())) {
            return 1;
        }
        const PortOpenError& error = port.LastOpenError();
        return error.code == EACCES && error.group == groupName &&
                       error.device == pty.SlavePath() &&
                       DescribeOpenError(error) == pty.SlavePath() + ": " + error.reason +
                                                       " (device group: " + groupName + ")"
                   ? 0
                   : 2;
    });
    if (result == 77) {
        GTEST_SKIP() << "cannot take an identity without access";
    }
    EXPECT_EQ(result, 0);
}

} // namespace
} // namespace korvane
