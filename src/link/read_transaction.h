#pragma once

#include "link/unit_link.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace korvane {

// Reads one byte per address, walking the addresses in ascending order, and stores the
// k-th byte in output[k]. Returns the number of addresses read, or -1 when an address
// could not be read after its retries; the bytes read before the failure stay in the
// output and later positions are untouched. Always ends with the stop sequence. An output
// shorter than the address set is refused (-1) without any traffic. When given,
// addressesRead receives how many leading positions hold bytes of this transaction, so
// that a caller can tell them from the untouched ones after a failure.
// An observation on the link gets each address by what it took and each read not taken.
int ReadAddressSequence(const UnitLink& link, const std::map<std::uint32_t, std::string>& addresses,
                        std::span<std::uint8_t> output, int* addressesRead = nullptr);

// The same for addresses the caller already holds in ascending order, without duplicates.
int ReadAddressSequence(const UnitLink& link, std::span<const std::uint32_t> addresses,
                        std::span<std::uint8_t> output);

// Reads count bytes from start upward into output[0..count-1]. A range passing 0xFFFF
// keeps its order while its frames continue at 0x0000. A count of 0 reads nothing but
// still ends with the stop sequence and returns 0. addressesRead as above.
int ReadMemoryRange(const UnitLink& link, std::uint16_t start, std::uint16_t count,
                    std::span<std::uint8_t> output, int* addressesRead = nullptr);

} // namespace korvane
