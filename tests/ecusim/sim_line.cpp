#include "sim_line.h"

// termios2 sets the exact rate; its header cannot be mixed with <termios.h>.
#include <algorithm>
#include <asm/termbits.h>
#include <cstdio>
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

bool SimLine::Send(const std::string& frames) {
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < frames.size(); i += frames[i] == ' ' ? 1 : 2) {
        if (frames[i] != ' ') {
            bytes.push_back(static_cast<std::uint8_t>(std::stoi(frames.substr(i, 2), nullptr, 16)));
        }
    }
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

std::optional<ReplyBytes> SimLine::ReplyStarting(const Bytes& start) {
    const auto deadline = std::chrono::steady_clock::now() + kArrivalLimit;
    while (std::chrono::steady_clock::now() < deadline) {
        const std::optional<ReplyBytes> reply = NextReply();
        if (!reply || std::equal(start.begin(), start.end(), reply->begin())) {
            return reply;
        }
    }
    return std::nullopt;
}

void SimLine::StopAndPurge() {
    (void)Send("12000000");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    (void)ioctl(fd_, TCFLSH, TCIFLUSH);
}

int SimLine::Waiting() const {
    int count = 0;
    return ioctl(fd_, FIONREAD, &count) == 0 ? count : -1;
}

std::string EcuRead(std::uint16_t address) {
    char frame[9];
    std::snprintf(frame, sizeof frame, "78%04X00", static_cast<unsigned>(address));
    return frame;
}

} // namespace korvane::ecusim::testing
