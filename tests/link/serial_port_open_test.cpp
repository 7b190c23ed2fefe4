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
#include <tuple>
#include <unistd.h>
#include <vector>

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

TEST(SerialPortOpen, RefusesWhatIsNotASerialDeviceAndThenAnswersMinusOne) {
    SerialPort port;
    const std::string file =
        std::filesystem::temp_directory_path().string() + "/korvane-not-a-port";
    std::ofstream(file) << "text";
    // Consoles and the controlling terminal are refused by name, before anything is opened.
    const std::vector<std::tuple<std::string, std::string, int>> rows = {
        {file, "not a terminal device", 0},    {"/dev/null", "not a terminal device", 0},
        {"COM17", "not a known port name", 0}, {"/dev/korvane-no-such-device", "", ENOENT},
        {"/dev/tty", kRefusedTerminal, 0},     {"/dev/console", kRefusedTerminal, 0},
        {"/dev/tty0", kRefusedTerminal, 0},    {"/dev/tty63", kRefusedTerminal, 0}};
    for (const auto& [path, reason, code] : rows) {
        EXPECT_FALSE(OpenForUnit(port, path)) << path;
        if (!reason.empty()) {
            EXPECT_EQ(port.LastOpenError().reason, reason) << path;
        }
        EXPECT_EQ(port.LastOpenError().code, code) << path;
    }
    std::filesystem::remove(file);
    EXPECT_EQ(port.LastOpenError().device, "/dev/tty63");
    for (const char* path :
         {"/dev/ttyUSB0", "/dev/ttyS0", "/dev/tty64", "/dev/tty1a", "/dev/pts/0", "/dev/ttyx"}) {
        EXPECT_FALSE(IsRefusedTerminalPath(path)) << path;
    }

    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.PortName(), "none");
    std::uint8_t buffer[4] = {1, 2, 3, 4};
    EXPECT_EQ(port.Write(buffer, 4), -1);
    EXPECT_EQ(port.Read(buffer, 4), -1);
    EXPECT_EQ(port.Purge(), -1);
    EXPECT_EQ(buffer[0], 1);
}

TEST(SerialPortOpen, RefusesTheControllingTerminalWhateverPathLeadsToIt) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    const int status = InChild([&pty] {
        if (setsid() < 0 || ioctl(pty.slave, TIOCSCTTY, 0) != 0) {
            return 77;
        }
        SerialPort port;
        const bool opened = OpenForUnit(port, pty.slavePath);
        return !opened && port.LastOpenError().reason == kRefusedTerminal ? 0 : 1;
    });
    ASSERT_NE(status, 77) << "could not give the child a controlling terminal";
    EXPECT_EQ(status, 0);
}

// Puts the line in a console's cooked mode at 4800 baud, as a device may be found, and
// returns its settings.
struct termios Cook(int fd) {
    struct termios settings {};
    EXPECT_EQ(tcgetattr(fd, &settings), 0);
    settings.c_lflag |= ICANON | ECHO | ISIG | IEXTEN;
    settings.c_iflag |= IXON | ICRNL;
    settings.c_oflag |= OPOST | ONLCR;
    cfsetspeed(&settings, B4800);
    EXPECT_EQ(tcsetattr(fd, TCSANOW, &settings), 0);
    EXPECT_EQ(tcgetattr(fd, &settings), 0);
    return settings;
}

TEST(SerialPortOpen, SetsTheUnitLineWithTheExactRate) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    Cook(pty.slave);
    SerialPort port;
    ASSERT_TRUE(OpenForUnit(port, pty.slavePath)) << DescribeOpenError(port.LastOpenError());
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.PortName(), pty.slavePath);
    EXPECT_EQ(port.LastOpenError().reason, "");

    const LineRate rate = RateOf(pty.slave);
    EXPECT_EQ(rate.output, 1953U);
    EXPECT_EQ(rate.input, 1953U);

    struct termios settings {};
    ASSERT_EQ(tcgetattr(pty.slave, &settings), 0);
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0U);
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF | ICRNL | PARMRK | ISTRIP), 0U);
    EXPECT_EQ(settings.c_iflag & (INPCK | IGNPAR | IGNBRK), INPCK | IGNPAR | IGNBRK);
    EXPECT_EQ(settings.c_oflag & OPOST, 0U);
    EXPECT_EQ(settings.c_cflag & (CLOCAL | CREAD), CLOCAL | CREAD);
    EXPECT_EQ(settings.c_cflag & (CRTSCTS | CSTOPB), 0U);
    EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(settings.c_cc[VMIN], 0);
    const struct termios unitLine = settings;

    ASSERT_TRUE(port.Open(pty.slavePath, kProbeBaudRate, kParityNone, kOneStopBit));
    ASSERT_EQ(tcgetattr(pty.slave, &settings), 0);
    EXPECT_EQ(cfgetospeed(&settings), static_cast<speed_t>(B9600));
    EXPECT_EQ(settings.c_iflag & INPCK, 0U);

    // Settings that cannot be made fail the open and release the device.
    EXPECT_FALSE(port.Open(pty.slavePath, kUnitBaudRate, 5, kOneStopBit));
    EXPECT_FALSE(port.Open(pty.slavePath, kUnitBaudRate, kParityEven, 1));
    EXPECT_FALSE(port.Open(pty.slavePath, 0, kParityEven, kOneStopBit));
    EXPECT_EQ(port.PortName(), "none");

    // A device left at the unit settings (as after a run that never released it) opens.
    ASSERT_EQ(tcsetattr(pty.slave, TCSANOW, &unitLine), 0);
    ASSERT_TRUE(SetCustomLineRate(pty.slave, 1953));
    EXPECT_TRUE(OpenForUnit(port, pty.slavePath)) << DescribeOpenError(port.LastOpenError());
}

TEST(SerialPortOpen, OneHolderPerDeviceAndReopeningReleasesFirst) {
    PseudoTerminal first;
    PseudoTerminal second;
    ASSERT_TRUE(first.Ok() && second.Ok());
    SerialPort holder;
    SerialPort other;
    ASSERT_TRUE(OpenForUnit(holder, first.slavePath));
    // Reopening the same device must release it first, or its own lock would refuse it.
    ASSERT_TRUE(OpenForUnit(holder, first.slavePath));
    EXPECT_FALSE(OpenForUnit(other, first.slavePath));
    EXPECT_NE(other.LastOpenError().code, 0);
    EXPECT_EQ(other.PortName(), "none");
    EXPECT_EQ(holder.PortName(), first.slavePath);

    ASSERT_TRUE(OpenForUnit(holder, second.slavePath));
    EXPECT_TRUE(OpenForUnit(other, first.slavePath));
    EXPECT_FALSE(OpenForUnit(holder, "/dev/korvane-no-such-device"));
    EXPECT_EQ(holder.PortName(), "none");
    EXPECT_TRUE(OpenForUnit(other, second.slavePath));
}

TEST(SerialPortOpen, ReleasingPutsBackTheEarlierSettings) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    const struct termios earlier = Cook(pty.slave);

    const auto expectEarlier = [&pty, &earlier] {
        struct termios now {};
        ASSERT_EQ(tcgetattr(pty.slave, &now), 0);
        EXPECT_EQ(now.c_iflag, earlier.c_iflag);
        EXPECT_EQ(now.c_oflag, earlier.c_oflag);
        EXPECT_EQ(now.c_cflag, earlier.c_cflag);
        EXPECT_EQ(now.c_lflag, earlier.c_lflag);
        EXPECT_EQ(RateOf(pty.slave).output, 4800U);
    };

    {
        SerialPort port;
        ASSERT_TRUE(OpenForUnit(port, pty.slavePath));
        EXPECT_EQ(RateOf(pty.slave).output, 1953U);
    }
    expectEarlier();

    // Released by an open of another name as well.
    SerialPort port;
    ASSERT_TRUE(OpenForUnit(port, pty.slavePath));
    EXPECT_FALSE(OpenForUnit(port, "/dev/korvane-no-such-device"));
    expectEarlier();

    // A rate without a speed code comes back too.
    ASSERT_TRUE(SetCustomLineRate(pty.slave, 1953));
    const LineRate custom = RateOf(pty.slave);
    ASSERT_TRUE(port.Open(pty.slavePath, kProbeBaudRate, kParityNone, kOneStopBit));
    EXPECT_EQ(RateOf(pty.slave).input, 9600U);
    EXPECT_FALSE(OpenForUnit(port, "COM17"));
    const LineRate now = RateOf(pty.slave);
    EXPECT_EQ(now.output, 1953U);
    EXPECT_EQ(now.input, 1953U);
    EXPECT_EQ(now.encoding, custom.encoding);
}

TEST(SerialPortOpen, DeniedAccessNamesTheDevicesGroup) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    struct stat status {};
    ASSERT_EQ(stat(pty.slavePath.c_str(), &status), 0);
    // The device's own group; then, where the test may change it, a group without a name.
    std::vector<gid_t> groups = {status.st_gid};
    if (getuid() == 0 && getgrgid(54321) == nullptr) {
        groups.push_back(54321);
    }
    for (const gid_t gid : groups) {
        ASSERT_TRUE(gid == status.st_gid || chown(pty.slavePath.c_str(), status.st_uid, gid) == 0);
        const struct group* owner = getgrgid(gid);
        const std::string groupName = owner != nullptr ? owner->gr_name : std::to_string(gid);
        const int result = InChild([&] {
            // Root opens anything: take an identity that may not open the device.
            if (getuid() == 0) {
                if (setgid(65534) != 0 || setuid(65534) != 0) {
                    return 77;
                }
            } else if (chmod(pty.slavePath.c_str(), 0) != 0) {
                return 77;
            }
            SerialPort port;
            if (OpenForUnit(port, pty.slavePath)) {
                return 1;
            }
            const PortOpenError& error = port.LastOpenError();
            return error.code == EACCES && error.group == groupName &&
                           error.device == pty.slavePath &&
                           DescribeOpenError(error) == pty.slavePath + ": " + error.reason +
                                                           " (device group: " + groupName + ")"
                       ? 0
                       : 2;
        });
        if (result == 77) {
            GTEST_SKIP() << "cannot take an identity without access";
        }
        EXPECT_EQ(result, 0) << groupName;
    }
}

} // namespace
} // namespace korvane
