#pragma once

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace korvane::testing {

// A pseudo-terminal pair standing in for a serial device: the port under test opens the
// slave by its path; the test plays the far end on the master and inspects the line through
// a slave descriptor of its own.
struct PseudoTerminal {
    PseudoTerminal() {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        const char* name = master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0
                               ? ptsname(master)
                               : nullptr;
        if (name != nullptr) {
            slavePath = name;
            slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        }
        // The master side must pass bytes through untouched.
        struct termios settings {};
        if (slave >= 0 && tcgetattr(slave, &settings) == 0) {
            cfmakeraw(&settings);
            tcsetattr(slave, TCSANOW, &settings);
        }
    }
    ~PseudoTerminal() {
        close(slave);
        CloseMaster();
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool Ok() const { return master >= 0 && slave >= 0; }
    void CloseMaster() {
        close(master);
        master = -1;
    }

    int master = -1;
    int slave = -1;
    std::string slavePath;
};

} // namespace korvane::testing
