#include "link/posix/line_settings.h"

#include "link/line_rate_check.h"
#include "link/posix/line_driver.h"

#include <cerrno>
#include <sys/ioctl.h>
#include <system_error>

namespace korvane {

namespace {

struct StandardSpeed {
    int rate;
    speed_t code;
};

// Rates that have a speed code of their own are set the standard way.
constexpr StandardSpeed kStandardSpeeds[] = {
    {300, B300},     {600, B600},     {1200, B1200},     {1800, B1800},
    {2400, B2400},   {4800, B4800},   {9600, B9600},     {19200, B19200},
    {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
};

const StandardSpeed* FindStandardSpeed(int rate) {
    for (const StandardSpeed& speed : kStandardSpeeds) {
        if (speed.rate == rate) {
            return &speed;
        }
    }
    return nullptr;
}

std::string SystemText() {
    return std::generic_category().message(errno);
}

// The C library reports EINVAL when the driver changed flags it was given, and the driver of
// pseudo-terminals drops the parity flags; that alone must not fail the open.
bool TookAllButParity(int fd, const struct termios& wanted) {
    const int error = errno;
    struct termios now {};
    if (tcgetattr(fd, &now) != 0) {
        errno = error;
        return false;
    }
    tcflag_t parityBits = PARENB | PARODD | CSIZE;
#if defined(CMSPAR)
    parityBits |= CMSPAR;
#endif
    const bool took = now.c_iflag == wanted.c_iflag && now.c_oflag == wanted.c_oflag &&
                      now.c_lflag == wanted.c_lflag &&
                      (now.c_cflag & ~parityBits) == (wanted.c_cflag & ~parityBits) &&
                      now.c_cc[VMIN] == wanted.c_cc[VMIN] && now.c_cc[VTIME] == wanted.c_cc[VTIME];
    errno = error;
    return took;
}

bool SetParity(struct termios& settings, int parity) {
    switch (parity) {
    case 0:
        return true;
    case 1:
        settings.c_cflag |= PARENB | PARODD;
        break;
    case 2:
        settings.c_cflag |= PARENB;
        break;
    default:
        return false;
    }
    // Parity is checked and a byte that fails it is dropped: the reply then comes short and
    // the transaction reads or asks again, whereas a marked or zeroed byte would either add
    // bytes to the stream or be taken for data.
    settings.c_iflag |= INPCK | IGNPAR;
    return true;
}

} // namespace

bool SaveLine(int fd, SavedLine& saved) {
    if (tcgetattr(fd, &saved.attributes) != 0) {
        return false;
    }
    saved.rateKnown = ReadLineRate(fd, saved.rate);
    return true;
}

void RestoreLine(int fd, const SavedLine& saved) {
    // The rate goes back even when the C library reports a flag the driver dropped.
    (void)tcsetattr(fd, TCSANOW, &saved.attributes);
    if (saved.rateKnown) {
        RestoreLineRate(fd, saved.rate);
    }
}

bool ConfigureLine(int fd, const LineRequest& request, unsigned& madeRate, std::string& reason) {
    const int baudRate = request.baudRate;
    const int parity = request.parity;
    const int stopBits = request.stopBits;
    if (baudRate <= 0) {
        reason = "the device cannot run at " + std::to_string(baudRate) + " baud";
        return false;
    }
    struct termios settings {};
    if (tcgetattr(fd, &settings) != 0) {
        reason = SystemText();
        return false;
    }
    cfmakeraw(&settings);
    settings.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | IGNPAR | PARMRK | ISTRIP | BRKINT);
    // A break on the line (a unit powering up pulls it low) would otherwise read as a zero byte.
    settings.c_iflag |= IGNBRK;
    settings.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB);
#if defined(CRTSCTS)
    settings.c_cflag &= ~CRTSCTS;
#endif
#if defined(CMSPAR)
    settings.c_cflag &= ~CMSPAR;
#endif
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    if (!SetParity(settings, parity)) {
        reason = "parity code " + std::to_string(parity) + " not supported";
        return false;
    }
    if (stopBits == 2) {
        settings.c_cflag |= CSTOPB;
    } else if (stopBits != 0) {
        reason = "stop-bit code " + std::to_string(stopBits) + " not supported";
        return false;
    }
    // Reads wait through poll(), so a read() never blocks.
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;

    const StandardSpeed* standard = FindStandardSpeed(baudRate);
    if (standard != nullptr) {
#if defined(CIBAUD)
        // A separate input rate left from an earlier custom setting would otherwise stay.
        settings.c_cflag &= ~CIBAUD;
#endif
        cfsetispeed(&settings, standard->code);
        cfsetospeed(&settings, standard->code);
    }
    if (tcsetattr(fd, TCSANOW, &settings) != 0 &&
        (errno != EINVAL || !TookAllButParity(fd, settings))) {
        reason = SystemText();
        return false;
    }
    const bool rateSet =
        standard != nullptr || SetCustomLineRate(fd, static_cast<unsigned>(baudRate));
    if (!rateSet && !request.anyRate) {
        reason = "the device cannot run at " + std::to_string(baudRate) + " baud";
        return false;
    }
    // Only the rate is read back, as a driver may fall back to another one silently;
    // pseudo-terminals, for one, drop the parity flags.
    LineRate rate;
    if (!ActiveLineDriver().ReadRate(fd, rate)) {
        reason = "the device does not report its rate";
        return false;
    }
    madeRate = rate.output;
    if (request.anyRate) {
        return true;
    }
    for (const unsigned made : {rate.output, rate.input}) {
        if (!RateCloseEnough(made, baudRate)) {
            reason = WrongRateReason(baudRate, made);
            return false;
        }
    }
    return true;
}

void LowerModemLines(int fd) {
    int lines = TIOCM_DTR | TIOCM_RTS;
    // Pseudo-terminals have no modem lines and refuse this; nothing is lost then.
    (void)ioctl(fd, TIOCMBIC, &lines);
}

} // namespace korvane
