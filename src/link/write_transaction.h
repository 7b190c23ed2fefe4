#pragma once

#include "link/unit_link.h"

#include <cstdint>

namespace korvane {

// Writes the data byte at the address and returns the byte the unit last reported for it
// (0 when nothing ever came). The write request is repeated, up to 8 times, until a whole
// reply reports a byte different from the one read before writing, so writing the value
// the address already holds sends the request 8 times. Starts and ends with the stop
// sequence. `answered`, when given, tells whether any write request got a whole reply:
// a silent unit and one that reports 0 return the same byte.
std::uint8_t WriteMemoryByte(const UnitLink& link, std::uint16_t address, std::uint8_t data,
                             bool* answered = nullptr);

} // namespace korvane
