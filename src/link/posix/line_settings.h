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

struct LineRequest {
    int baudRate = 0;
    int parity = 0;       // 0 none, 1 odd, 2 even
    int stopBits = 0;     // 0 one, 2 two
    bool anyRate = false; // take whatever rate the driver makes
};

// Raw 8-bit line without flow control at the requested rate, parity and stop bits; the rate
// the driver reports afterwards goes to `madeRate`. False, with the reason, when any of them
// cannot be set or, unless any rate will do, the driver made a rate more than 2% off.
bool ConfigureLine(int fd, const LineRequest& request, unsigned& madeRate, std::string& reason);

// Holds DTR and RTS inactive. Devices without modem lines (pseudo-terminals) are left alone.
void LowerModemLines(int fd);

} // namespace korvane
