#pragma once

#include <cstdint>
#include <string_view>

namespace korvane {

// The largest count: bytes in Bytes mode, blocks in Blocks mode.
inline constexpr int kMaxMemoryCount = 16;

// The start address of Read Memory: the hexadecimal number the first 5 characters of the
// text begin with, 0 when they begin with none. Addresses are 16 bits wide on the line,
// so a fifth digit only carries into bits that are dropped.
std::uint16_t MemoryStartFromText(std::string_view text);

// The count of Read Memory: the decimal number the first 3 characters of the text begin
// with; 16 when they begin with none or it lies outside 0..16.
int MemoryCountFromText(std::string_view text);

// What a Read Memory pass reads: taken from the address and count boxes.
struct MemoryRequest {
    std::uint16_t start = 0;
    int count = kMaxMemoryCount;
};

inline MemoryRequest MemoryRequestFromTexts(std::string_view start, std::string_view count) {
    return {MemoryStartFromText(start), MemoryCountFromText(count)};
}

} // namespace korvane
