#pragma once

#include "link/posix/line_rate.h"

#include <string>
#include <termios.h>

namespace korvane {

// A device's settings as found, so that they can be put back when the port is released.
struct SavedLine {
    struct termios attributes {};
    LineRate rate;
    bool rateKnown = false;
};

bool SaveLine(int fd, SavedLine& saved);
void RestoreLine(int fd, const SavedLine& saved);

// Raw 8-bit line without flow control at the given rate, parity code (0 none, 1 odd, 2 even)
// and stop-bit code (0 one, 2 two). False, with the reason, when any of them cannot be set;
// the rate is read back from the driver, as a driver may fall back to another rate silently.
bool ConfigureLine(int fd, int baudRate, int parity, int stopBits, std::string& reason);

// Holds DTR and RTS inactive. Devices without modem lines (pseudo-terminals) are left alone.
void LowerModemLines(int fd);

} // namespace korvane
