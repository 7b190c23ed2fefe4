#pragma once

#include "link/unit_link.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvane {

// The addresses of the two switch bytes; none for an address box that does not start
// with a hexadecimal number, which is then not read.
struct SwitchAddresses {
    std::optional<std::uint32_t> input;
    std::optional<std::uint32_t> io;
};

// The two switch bytes; none where the read did not reach the byte or had no address.
struct SwitchBytes {
    std::optional<std::uint8_t> input;
    std::optional<std::uint8_t> io;
};

// The address in a switch address box: the hexadecimal number its first 15 characters
// begin with.
std::optional<std::uint32_t> SwitchAddressFromText(std::string_view text);

// Reads both switch bytes in one transaction. Each row gets the byte of its own address,
// whichever is lower; the same address twice is read once and shown in both rows.
SwitchBytes ReadSwitchBytes(const UnitLink& link, const SwitchAddresses& addresses);

} // namespace korvane
