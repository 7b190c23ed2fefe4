#pragma once

#include <cstdint>

namespace korvane {

// Reads and writes on a non-blocking terminal, bounded by the line's time-outs.

// Returns once count bytes came, more than the interval time-out passed after a received
// byte, or the total time-out passed; then the number of bytes received. -1 when the read
// fails or the device hangs up.
int ReadWithTimeouts(int fd, std::uint8_t* buffer, int count);

// Writes until all bytes are out or the write time-out passed; returns the bytes written.
int WriteWithTimeout(int fd, const std::uint8_t* bytes, int count);

} // namespace korvane
