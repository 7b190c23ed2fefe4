#include "sim_line.h"

// termios2 sets the exact rate; its header cannot be mixed with <termios.h>.
#include <algorithm>
#include <asm/termbits.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace korvane::ecusim::testing {

SimLine::~SimLine() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool SimLine::Start(const std::vector<std::string>& arguments,
                    const std::optional<LineSetup>& setup) {
    if (!process_.Start(arguments)) {
        return false;
    }
    fd_ = open(process_.PtyPath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    return fd_ >= 0 && (!setup || Configure(*setup));
}

bool SimLine::Configure(const LineSetup& setup) {
    struct termios2 line {};
    if (ioctl(fd_, TCGETS2, &line) != 0) {
        return false;
    }
    // Raw: no echo, no line editing, no translation of bytes either way.
    line.c_iflag = 0;
    line.c_oflag = 0;
    line.c_lflag = 0;
    line.c_cflag = CS8 | CREAD | CLOCAL | BOTHER | (setup.parity ? PARENB : 0U) |
                   (setup.oddParity ? PARODD : 0U) | (setup.twoStopBits ? CSTOPB : 0U);
    line.c_ispeed = setup.baud;
    line.c_ospeed = setup.baud;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    return ioctl(fd_, TCSETS2, &line) == 0;
}

bool SimLine::Send(const Bytes& bytes) {
    return write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

Bytes SimLine::Read(std::size_t count, std::chrono::milliseconds limit) {
    Bytes bytes;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (bytes.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd watched{fd_, POLLIN, 0};
        if (left.count() <= 0 || poll(&watched, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        std::uint8_t buffer[64];
        const ssize_t got = read(fd_, buffer, std::min(sizeof buffer, count - bytes.size()));
        if (got > 0) {
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
    }
    return bytes;
}

std::optional<ReplyBytes> SimLine::NextReply() {
    const Bytes bytes = Read(3);
    if (bytes.size() != 3) {
        return std::nullopt;
    }
    return ReplyBytes{bytes[0], bytes[1], bytes[2]};
}

std::optional<ReplyBytes> SimLine::ReplyEchoing(std::uint8_t first, std::uint8_t second) {
    for (int i = 0; i <= kStaleLimit; ++i) {
        const std::optional<ReplyBytes> reply = NextReply();
        if (!reply || ((*reply)[0] == first && (*reply)[1] == second)) {
            return reply;
        }
    }
    return std::nullopt;
}

bool SimLine::AwaitReply(const ReplyBytes& expected) {
    for (int i = 0; i <= kStaleLimit; ++i) {
        if (NextReply() == expected) {
            return true;
        }
    }
    return false;
}

void SimLine::StopAndPurge() {
    (void)Send(kStopFrame);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    (void)ioctl(fd_, TCFLSH, TCIFLUSH);
}

int SimLine::Waiting() const {
    int count = 0;
    return ioctl(fd_, FIONREAD, &count) == 0 ? count : -1;
}

Bytes EcuRead(std::uint16_t address) {
    return {0x78, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address), 0};
}

Bytes ShortRead(std::uint8_t command, std::uint8_t address) {
    return {command, 0x00, address};
}

Bytes WriteRequest(std::uint16_t address, std::uint8_t data) {
    return {0xAA, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
            data};
}

} // namespace korvane::ecusim::testing
