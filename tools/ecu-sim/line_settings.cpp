#include "line_settings.h"

#if defined(__linux__)
// termios2 carries the exact rate (1953 is no standard rate); its header cannot be mixed
// with <termios.h>, so this file uses it alone.
#include <asm/termbits.h>
#include <sys/ioctl.h>
#else
#include <termios.h>
#endif

namespace korvane::ecusim {

bool ReadLineSettings(int fd, LineSettings& settings) {
#if defined(__linux__)
    struct termios2 line {};
    if (ioctl(fd, TCGETS2, &line) != 0) {
        return false;
    }
    settings.baud = line.c_ospeed;
#else
    struct termios line {};
    if (tcgetattr(fd, &line) != 0) {
        return false;
    }
    // Where speed_t is the rate itself (the BSDs), it can be read; elsewhere not.
    const speed_t speed = cfgetospeed(&line);
    settings.baud = speed > 50 ? static_cast<unsigned>(speed) : 0;
#endif
    switch (line.c_cflag & CSIZE) {
    case CS5:
        settings.dataBits = 5;
        break;
    case CS6:
        settings.dataBits = 6;
        break;
    case CS7:
        settings.dataBits = 7;
        break;
    default:
        settings.dataBits = 8;
        break;
    }
    settings.parityEnabled = (line.c_cflag & PARENB) != 0;
    settings.parityOdd = (line.c_cflag & PARODD) != 0;
    settings.twoStopBits = (line.c_cflag & CSTOPB) != 0;
    return true;
}

bool IsUnitLine(const LineSettings& settings, bool parityVisible) {
    constexpr unsigned kTolerance = kUnitBaud / 50;
    if (settings.baud + kTolerance < kUnitBaud || settings.baud > kUnitBaud + kTolerance) {
        return false;
    }
    if (settings.dataBits != 8 || settings.twoStopBits || settings.parityOdd) {
        return false;
    }
    return !parityVisible || settings.parityEnabled;
}

} // namespace korvane::ecusim
