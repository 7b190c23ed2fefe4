#pragma once

// Line rates beyond the standard speed codes. Kept free of <termios.h> because the Linux
// implementation needs the kernel's own terminal structures, which clash with it.

namespace korvane {

struct LineRate {
    unsigned input = 0;
    unsigned output = 0;
    unsigned encoding = 0; // how the driver holds the rates (Linux: the speed bits of c_cflag)
};

// The rates the driver reports for both directions, including rates without a speed code.
bool ReadLineRate(int fd, LineRate& rate);

// Sets both directions to a rate that has no speed code; the rest of the settings stay.
bool SetCustomLineRate(int fd, unsigned rate);

// Puts back rates read by ReadLineRate, after the other settings have been restored.
bool RestoreLineRate(int fd, const LineRate& rate);

} // namespace korvane
