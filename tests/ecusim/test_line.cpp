#include "test_line.h"

// termios2 sets the exact rate; its header cannot be mixed with <termios.h>.
#include <algorithm>
#include <asm/termbits.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace korvane::ecusim::testing {

TestLine::~TestLine() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool TestLine::Open(const std::string& path, const LineSetup& setup) {
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    return fd_ >= 0 && Configure(setup);
}

bool TestLine::OpenAsIs(const std::string& path) {
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    return fd_ >= 0;
}

bool TestLine::Configure(const LineSetup& setup) {
    struct termios2 line {};
    if (ioctl(fd_, TCGETS2, &line) != 0) {
        return false;
    }
    // Raw: no echo, no line editing, no translation of bytes either way.
    line.c_iflag = 0;
    line.c_oflag = 0;
    line.c_lflag = 0;
    line.c_cflag = CS8 | CREAD | CLOCAL | BOTHER;
    if (setup.parity) {
        line.c_cflag |= PARENB;
    }
    if (setup.oddParity) {
        line.c_cflag |= PARODD;
    }
    if (setup.twoStopBits) {
        line.c_cflag |= CSTOPB;
    }
    line.c_ispeed = setup.baud;
    line.c_ospeed = setup.baud;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    return ioctl(fd_, TCSETS2, &line) == 0;
}

bool TestLine::Write(const std::vector<std::uint8_t>& bytes) {
    return write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

std::vector<std::uint8_t> TestLine::Read(std::size_t count, std::chrono::milliseconds limit) {
    std::vector<std::uint8_t> bytes;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (bytes.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fd{fd_, POLLIN, 0};
        if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        std::uint8_t buffer[64];
        const std::size_t want = std::min(sizeof buffer, count - bytes.size());
        const ssize_t got = read(fd_, buffer, want);
        if (got > 0) {
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
    }
    return bytes;
}

int TestLine::Waiting() const {
    int count = 0;
    return ioctl(fd_, FIONREAD, &count) == 0 ? count : -1;
}

void TestLine::Flush() {
    (void)ioctl(fd_, TCFLSH, TCIFLUSH);
}

} // namespace korvane::ecusim::testing
