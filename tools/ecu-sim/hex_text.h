#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace korvane::ecusim {

// Upper-case hexadecimal, two digits a byte, no separators: "78123400".
std::string HexBytes(std::span<const std::uint8_t> bytes);
// Four upper-case digits: "1234".
std::string HexWord(std::uint16_t value);
// Parses exactly 2 * out.size() hexadecimal digits; false on anything else.
bool ParseHexBytes(const std::string& text, std::span<std::uint8_t> out);

} // namespace korvane::ecusim
