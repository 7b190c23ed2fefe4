#include "link/posix/timed_io.h"
#include "link/line_timeouts.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <unistd.h>

namespace korvane {

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

enum class Wait { Ready, TimedOut, HungUp, Failed };

// Waits for the event until the deadline. A hang-up with data still pending counts as
// ready, so the data is read before the hang-up is reported.
Wait WaitFor(int fd, short event, Clock::time_point deadline) {
    for (;;) {
        const auto now = Clock::now();
        if (now >= deadline) {
            return Wait::TimedOut;
        }
        // Rounded up so that the loop never spins on a zero time-out before the deadline.
        const auto left = std::chrono::ceil<Milliseconds>(deadline - now).count();
        struct pollfd watched {
            fd, event, 0
        };
        const int result = poll(&watched, 1, static_cast<int>(left));
        if (result < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Wait::Failed;
        }
        if (result == 0) {
            continue;
        }
        if ((watched.revents & event) != 0) {
            return (watched.revents & POLLHUP) != 0 ? Wait::HungUp : Wait::Ready;
        }
        if ((watched.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            return (watched.revents & POLLHUP) != 0 ? Wait::HungUp : Wait::Failed;
        }
    }
}

} // namespace

int ReadWithTimeouts(int fd, std::uint8_t* buffer, int count) {
    const auto start = Clock::now();
    const auto total = start + Milliseconds(kReadTotalTimeoutConstantMs +
                                            std::int64_t{kReadTotalTimeoutMultiplierMs} * count);
    int received = 0;
    // Before the first byte only the total time-out applies.
    Clock::time_point silenceEnds = total;
    bool hungUp = false;
    while (received < count) {
        const ssize_t result =
            read(fd, buffer + received, static_cast<std::size_t>(count - received));
        if (result > 0) {
            received += static_cast<int>(result);
            silenceEnds = std::min(total, Clock::now() + Milliseconds(kReadIntervalTimeoutMs));
            continue;
        }
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            return -1; // EIO, ENXIO: the device went away
        }
        if (hungUp) {
            return -1; // the pending data is read; nothing more will come
        }
        switch (WaitFor(fd, POLLIN, silenceEnds)) {
        case Wait::Ready:
            break;
        case Wait::TimedOut:
            return received;
        case Wait::HungUp:
            hungUp = true;
            break;
        case Wait::Failed:
            return -1;
        }
    }
    return received;
}

int WriteWithTimeout(int fd, const std::uint8_t* bytes, int count) {
    const auto deadline =
        Clock::now() + Milliseconds(kWriteTotalTimeoutConstantMs +
                                    std::int64_t{kWriteTotalTimeoutMultiplierMs} * count);
    int written = 0;
    while (written < count) {
        const ssize_t result =
            write(fd, bytes + written, static_cast<std::size_t>(count - written));
        if (result > 0) {
            written += static_cast<int>(result);
            continue;
        }
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            break;
        }
        if (WaitFor(fd, POLLOUT, deadline) != Wait::Ready) {
            break;
        }
    }
    return written;
}

} // namespace korvane
