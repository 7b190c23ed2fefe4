// The only file that includes the kernel's terminal header: it clashes with <termios.h>.
#if defined(__linux__)

#include "link/posix/line_rate.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace korvane {

namespace {

constexpr unsigned kSpeedBits = CBAUD | (CBAUD << IBSHIFT);

} // namespace

bool ReadLineRate(int fd, LineRate& rate) {
    struct termios2 settings {};
    if (ioctl(fd, TCGETS2, &settings) != 0) {
        return false;
    }
    rate.input = settings.c_ispeed;
    rate.output = settings.c_ospeed;
    rate.encoding = settings.c_cflag & kSpeedBits;
    return true;
}

bool SetCustomLineRate(int fd, unsigned rate) {
    struct termios2 settings {};
    if (ioctl(fd, TCGETS2, &settings) != 0) {
        return false;
    }
    settings.c_cflag &= ~kSpeedBits;
    settings.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    settings.c_ispeed = rate;
    settings.c_ospeed = rate;
    return ioctl(fd, TCSETS2, &settings) == 0;
}

bool RestoreLineRate(int fd, const LineRate& rate) {
    struct termios2 settings {};
    if (ioctl(fd, TCGETS2, &settings) != 0) {
        return false;
    }
    settings.c_cflag = (settings.c_cflag & ~kSpeedBits) | (rate.encoding & kSpeedBits);
    settings.c_ispeed = rate.input;
    settings.c_ospeed = rate.output;
    return ioctl(fd, TCSETS2, &settings) == 0;
}

} // namespace korvane

#endif
