#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvane {

// The hexadecimal number an address box starts with: leading blanks, an optional "0x",
// then at least one hexadecimal digit; what follows the digits is ignored. Empty when the
// text does not start with a hexadecimal number. Values wider than 32 bits keep their
// low 32 bits.
std::optional<std::uint32_t> ParseHexAddress(std::string_view text);

} // namespace korvane
