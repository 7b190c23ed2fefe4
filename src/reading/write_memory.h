#pragma once

#include "link/unit_link.h"

#include <cstdint>
#include <string_view>

namespace korvane {

class Window;

// The write address: the hexadecimal number the first 5 characters of the text begin
// with (0 when none), cut to its low 16 bits.
std::uint16_t WriteAddressFromText(std::string_view text);

// The data byte: the hexadecimal number the first 3 characters begin with (0 when none),
// cut to its low 8 bits.
std::uint8_t WriteDataFromText(std::string_view text);

// The "Write" button of the Write Memory group: writes the byte in the data box at the
// address in the address box and shows the byte the unit reports afterwards as "0x%02x".
// Returns that byte.
std::uint8_t WriteMemoryCommand(Window& window, const UnitLink& link);

} // namespace korvane
