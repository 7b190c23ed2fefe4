#include "link/line_timeouts.h"
#include "link/port_device.h"
#include "link/posix/line_driver.h"
#include "link/posix/line_settings.h"
#include "link/posix/terminal_refusal.h"
#include "link/posix/timed_io.h"
#include "link/serial_port.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace korvane {

namespace {

std::string CanonicalPath(const std::string& path) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr) {
        return path;
    }
    return resolved;
}

std::string GroupOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return {};
    }
    struct group entry {};
    struct group* found = nullptr;
    char buffer[4096];
    if (getgrgid_r(status.st_gid, &entry, buffer, sizeof buffer, &found) != 0 || found == nullptr) {
        return std::to_string(status.st_gid);
    }
    return found->gr_name;
}

// Lets bytes still queued for sending leave at the rate they were written with before the
// earlier settings come back, without waiting longer than a write may take.
void DrainOutput(int fd) {
    int queued = 0;
    if (ioctl(fd, TIOCOUTQ, &queued) != 0 || queued <= 0) {
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(kWriteTotalTimeoutConstantMs +
                                                    kWriteTotalTimeoutMultiplierMs * queued);
    while (ioctl(fd, TIOCOUTQ, &queued) == 0 && queued > 0 &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

struct SerialPort::Device {
    explicit Device(int descriptor) : fd(descriptor) {}
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    ~Device() {
        if (restoreOnRelease) {
            DrainOutput(fd);
            RestoreLine(fd, saved);
        }
        if (lowLatencyDriver != nullptr) {
            (void)lowLatencyDriver->SetLowLatency(fd, false);
        }
        // Exclusive mode would otherwise outlive us while anyone else holds the terminal.
        (void)ioctl(fd, TIOCNXCL);
        close(fd); // also releases the lock
    }

    int fd;
    SavedLine saved;
    bool restoreOnRelease = false;
    // The driver that switched low latency on for this port, to switch it off on release.
    const LineDriver* lowLatencyDriver = nullptr;
};

SerialPort::SerialPort() = default;

SerialPort::~SerialPort() {
    Close();
}

void SerialPort::Close() {
    device.reset();
    name = "none";
    deviceLost = false;
}

bool SerialPort::Open(const std::string& portName, int baudRate, int parity, int stopBits) {
    Close();
    lastOpenError = {};
    const auto refuse = [this](std::string reason, int code) {
        lastOpenError.reason = std::move(reason);
        lastOpenError.code = code;
        return false;
    };
    const auto fail = [&refuse](int code) {
        return refuse(std::generic_category().message(code), code);
    };

    const std::string path = PortDevicePath(portName);
    if (path.empty()) {
        lastOpenError.device = portName;
        return refuse("not a known port name", 0);
    }
    lastOpenError.device = CanonicalPath(path);
    if (IsRefusedTerminalPath(lastOpenError.device)) {
        return refuse("a console or the controlling terminal, never used as a serial port", 0);
    }

    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        if (code == EACCES) {
            lastOpenError.group = GroupOf(path);
        }
        return fail(code);
    }
    auto opened = std::make_unique<Device>(fd);
    if (isatty(fd) == 0) {
        return refuse("not a terminal device", 0);
    }
    if (IsRefusedTerminalDevice(fd)) {
        return refuse("a console or the controlling terminal, never used as a serial port", 0);
    }
    // TIOCEXCL alone does not keep out a second program running as root; the lock does.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int code = errno;
        if (code == EWOULDBLOCK) {
            return refuse("in use by another program", code);
        }
        return fail(code);
    }
    (void)ioctl(fd, TIOCEXCL);
    if (!SaveLine(fd, opened->saved)) {
        return fail(errno);
    }
    opened->restoreOnRelease = true;
    std::string reason;
    unsigned madeRate = 0;
    if (!ConfigureLine(fd, {baudRate, parity, stopBits, anyRate}, madeRate, reason)) {
        return refuse(reason, 0);
    }
    LowerModemLines(fd);
    // Drivers and pseudo-terminals that do not know the flag simply stay as they are.
    const LineDriver& driver = ActiveLineDriver();
    bool lowLatency = false;
    if (driver.ReadLowLatency(fd, lowLatency) && !lowLatency && driver.SetLowLatency(fd, true)) {
        opened->lowLatencyDriver = &driver;
    }

    device = std::move(opened);
    name = portName;
    madeBaudRate = static_cast<int>(madeRate);
    return true;
}

int SerialPort::Write(const std::uint8_t* bytes, int count) {
    if (!device) {
        return -1;
    }
    if (bytes == nullptr || count <= 0) {
        return 0;
    }
    return WriteWithTimeout(device->fd, bytes, count);
}

int SerialPort::Read(std::uint8_t* buffer, int count) {
    if (!device || count < 0 || (buffer == nullptr && count > 0)) {
        return -1;
    }
    if (count == 0) {
        return 0;
    }
    const int received = ReadWithTimeouts(device->fd, buffer, count);
    if (received < 0) {
        deviceLost = true;
    }
    return received;
}

int SerialPort::Purge() {
    if (!device) {
        return -1;
    }
    return tcflush(device->fd, TCIFLUSH) == 0 ? 1 : 0;
}

} // namespace korvane
