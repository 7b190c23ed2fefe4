#include "pty_device.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace korvane::ecusim {

namespace {

std::string ErrorText(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// A fresh line is raw at 9600 baud, 8N1, as a serial port usually starts; the reader must
// set 1953 8E1 before the unit answers. Raw matters here: with echo on, the pty would send
// the unit's replies straight back to it.
bool SetFreshLine(int fd) {
    struct termios line {};
    if (tcgetattr(fd, &line) != 0) {
        return false;
    }
    cfmakeraw(&line);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB);
    line.c_cflag |= CS8 | CREAD | CLOCAL;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    cfsetispeed(&line, B9600);
    cfsetospeed(&line, B9600);
    return tcsetattr(fd, TCSANOW, &line) == 0;
}

// Asks for even parity and looks whether the terminal kept it.
bool KeepsParityFlag(int fd) {
    struct termios line {};
    if (tcgetattr(fd, &line) != 0) {
        return false;
    }
    line.c_cflag |= PARENB;
    if (tcsetattr(fd, TCSANOW, &line) != 0 || tcgetattr(fd, &line) != 0) {
        return false;
    }
    return (line.c_cflag & PARENB) != 0;
}

} // namespace

PtyDevice::~PtyDevice() {
    if (slave_ >= 0) {
        close(slave_);
    }
    if (master_ >= 0) {
        close(master_);
    }
}

bool PtyDevice::Open(std::string& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        error = ErrorText("posix_openpt");
        return false;
    }
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = ErrorText("grantpt/unlockpt");
        return false;
    }
    const char* name = ptsname(master_);
    if (name == nullptr) {
        error = ErrorText("ptsname");
        return false;
    }
    path_ = name;
    slave_ = open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave_ < 0) {
        error = ErrorText(path_.c_str());
        return false;
    }
    parityVisible_ = KeepsParityFlag(slave_);
    if (!SetFreshLine(slave_)) {
        error = ErrorText("tcsetattr");
        return false;
    }
    const int flags = fcntl(master_, F_GETFL);
    if (flags < 0 || fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = ErrorText("fcntl");
        return false;
    }
    return true;
}

int PtyDevice::Receive(std::uint8_t* buffer, int capacity) {
    const ssize_t count = read(master_, buffer, static_cast<std::size_t>(capacity));
    if (count < 0) {
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
    }
    return static_cast<int>(count);
}

bool PtyDevice::Send(const std::uint8_t* bytes, int count) {
    const ssize_t written = write(master_, bytes, static_cast<std::size_t>(count));
    return written == count;
}

bool PtyDevice::ReadLine(LineSettings& settings) const {
    return ReadLineSettings(slave_, settings);
}

int PtyDevice::WaitingForReader() const {
    int waiting = 0;
    if (ioctl(slave_, FIONREAD, &waiting) != 0) {
        return 0;
    }
    return waiting;
}

} // namespace korvane::ecusim
