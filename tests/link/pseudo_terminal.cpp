#include "pseudo_terminal.h"

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace korvane::testing {

PseudoTerminal::PseudoTerminal() {
    master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        return;
    }
    const char* name = ptsname(master);
    if (name == nullptr) {
        return;
    }
    slavePath = name;
    slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    // The master side must pass bytes through untouched.
    struct termios settings {};
    if (slave >= 0 && tcgetattr(slave, &settings) == 0) {
        cfmakeraw(&settings);
        tcsetattr(slave, TCSANOW, &settings);
    }
}

PseudoTerminal::~PseudoTerminal() {
    if (slave >= 0) {
        close(slave);
    }
    CloseMaster();
}

void PseudoTerminal::SendFromDevice(const std::string& bytes) const {
    if (write(master, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        std::abort();
    }
}

std::string PseudoTerminal::ReceiveAtDevice(int count) const {
    std::string received;
    while (static_cast<int>(received.size()) < count) {
        struct pollfd watched {
            master, POLLIN, 0
        };
        if (poll(&watched, 1, 1000) <= 0) {
            break;
        }
        char buffer[256];
        const ssize_t got = read(master, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        received.append(buffer, static_cast<std::size_t>(got));
    }
    return received;
}

int PseudoTerminal::PendingAtPort() const {
    int pending = -1;
    ioctl(slave, FIONREAD, &pending);
    return pending;
}

void PseudoTerminal::CloseMaster() {
    if (master >= 0) {
        close(master);
        master = -1;
    }
}

} // namespace korvane::testing
