#include "link/posix/line_driver.h"

#include <sys/ioctl.h>
#if defined(__linux__)
#include <linux/serial.h>
#endif

namespace korvane {

namespace {

const LineDriver kSystemDriver;
const LineDriver* activeDriver = &kSystemDriver;

} // namespace

bool LineDriver::ReadRate(int fd, LineRate& rate) const {
    return ReadLineRate(fd, rate);
}

#if defined(__linux__)

// USB-serial drivers map the flag to a short latency timer; without it some hold received
// bytes for up to 16 ms, which adds up to 40% to each address read.
bool LineDriver::ReadLowLatency(int fd, bool& on) const {
    struct serial_struct serial {};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0) {
        return false;
    }
    on = (serial.flags & ASYNC_LOW_LATENCY) != 0;
    return true;
}

bool LineDriver::SetLowLatency(int fd, bool on) const {
    struct serial_struct serial {};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0) {
        return false;
    }
    if (on) {
        serial.flags |= ASYNC_LOW_LATENCY;
    } else {
        serial.flags &= ~ASYNC_LOW_LATENCY;
    }
    return ioctl(fd, TIOCSSERIAL, &serial) == 0;
}

#else

bool LineDriver::ReadLowLatency(int /*fd*/, bool& /*on*/) const {
    return false;
}

bool LineDriver::SetLowLatency(int /*fd*/, bool /*on*/) const {
    return false;
}

#endif

const LineDriver& ActiveLineDriver() {
    return *activeDriver;
}

const LineDriver* ReplaceLineDriver(const LineDriver* driver) {
    const LineDriver* earlier = activeDriver;
    activeDriver = driver != nullptr ? driver : &kSystemDriver;
    return earlier;
}

} // namespace korvane
