// Systems whose speed codes are the rates themselves (macOS and the BSDs).
#if !defined(__linux__)

#include "link/posix/line_rate.h"

#include <sys/ioctl.h>
#include <termios.h>
#if defined(__APPLE__)
#include <IOKit/serial/ioss.h>
#endif

namespace korvane {

bool ReadLineRate(int fd, LineRate& rate) {
    struct termios settings {};
    if (tcgetattr(fd, &settings) != 0) {
        return false;
    }
    rate.input = static_cast<unsigned>(cfgetispeed(&settings));
    rate.output = static_cast<unsigned>(cfgetospeed(&settings));
    rate.encoding = 0;
    return true;
}

bool SetCustomLineRate(int fd, unsigned rate) {
    speed_t speed = rate;
#if defined(__APPLE__)
    // The serial drivers there refuse non-standard rates through tcsetattr.
    return ioctl(fd, IOSSIOSPEED, &speed) == 0;
#else
    struct termios settings {};
    if (tcgetattr(fd, &settings) != 0 || cfsetspeed(&settings, speed) != 0) {
        return false;
    }
    return tcsetattr(fd, TCSANOW, &settings) == 0;
#endif
}

bool RestoreLineRate(int fd, const LineRate& rate) {
    struct termios settings {};
    if (tcgetattr(fd, &settings) != 0) {
        return false;
    }
    if (cfgetospeed(&settings) == rate.output && cfgetispeed(&settings) == rate.input) {
        return true;
    }
    return SetCustomLineRate(fd, rate.output);
}

} // namespace korvane

#endif
