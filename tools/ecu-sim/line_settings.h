#pragma once

namespace korvane::ecusim {

// The line as the reader has set it up on its side of the pseudo-terminal.
struct LineSettings {
    unsigned baud = 0; // 0 when the rate cannot be told
    int dataBits = 8;
    bool parityEnabled = false;
    bool parityOdd = false;
    bool twoStopBits = false;
};

inline constexpr unsigned kUnitBaud = 1953;

// Reads the settings of the terminal behind fd (a pty master reports its slave's).
bool ReadLineSettings(int fd, LineSettings& settings);

// Whether a unit would understand the line: 1953 baud within the 2 % a UART tolerates,
// 8 data bits, even parity, one stop bit. parityVisible says whether the terminal keeps the
// parity-enable flag at all: Linux ptys clear it and force 8 data bits, so there only the
// rate, the stop bits and the absence of odd parity can be checked.
bool IsUnitLine(const LineSettings& settings, bool parityVisible);

} // namespace korvane::ecusim
