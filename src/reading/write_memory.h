#pragma once

#include "link/unit_link.h"

#include <cstdint>
#include <string_view>

namespace korvane {

// The write address: the hexadecimal number the first 5 characters of the text begin
// with (0 when none), cut to its low 16 bits.
std::uint16_t WriteAddressFromText(std::string_view text);

// The data byte: the hexadecimal number the first 3 characters begin with (0 when none),
// cut to its low 8 bits.
std::uint8_t WriteDataFromText(std::string_view text);

// What a Write Memory command did.
struct WriteOutcome {
    std::uint16_t address = 0;
    std::uint8_t data = 0;
    // The byte the unit reported last for the address (0 when nothing came).
    std::uint8_t reported = 0;
    // Whether the unit answered a write request at all: a silent unit also shows 0.
    bool answered = false;
};

// Writes the byte and returns what the unit reported afterwards.
WriteOutcome WriteMemory(const UnitLink& link, std::uint16_t address, std::uint8_t data);

} // namespace korvane
