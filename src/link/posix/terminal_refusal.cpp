#include "link/posix/terminal_refusal.h"

#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/sysmacros.h>
#endif

namespace korvane {

namespace {

constexpr int kVirtualConsoles = 64;

bool IsVirtualConsolePath(std::string_view path) {
    constexpr std::string_view prefix = "/dev/tty";
    if (path.substr(0, prefix.size()) != prefix) {
        return false;
    }
    const std::string_view digits = path.substr(prefix.size());
    if (digits.empty() || digits.size() > 2) {
        return false;
    }
    int number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
        number = number * 10 + (c - '0');
    }
    return number < kVirtualConsoles;
}

} // namespace

bool IsRefusedTerminalPath(std::string_view path) {
    return path == "/dev/tty" || path == "/dev/console" || IsVirtualConsolePath(path);
}

bool IsRefusedTerminalDevice(int fd) {
    // Succeeds only on the terminal that controls this process's session.
    if (tcgetsid(fd) != -1) {
        return true;
    }
#if defined(__linux__)
    struct stat status {};
    if (fstat(fd, &status) != 0) {
        return true;
    }
    const unsigned int majorNumber = major(status.st_rdev);
    const unsigned int minorNumber = minor(status.st_rdev);
    // Major 5 holds /dev/tty, /dev/console, /dev/ptmx and the kernel's printk terminal;
    // major 4 below 64 the virtual consoles (the serial ports start at 64).
    if (majorNumber == 5 || (majorNumber == 4 && minorNumber < kVirtualConsoles)) {
        return true;
    }
#endif
    return false;
}

} // namespace korvane
