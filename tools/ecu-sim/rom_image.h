#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvane::ecusim {

// A unit's program: the upper 32 KiB of its memory, 0x8000-0xFFFF.
inline constexpr std::size_t kRomSize = 0x8000;
inline constexpr std::uint16_t kRomStart = 0x8000;

using RomIdBytes = std::array<std::uint8_t, 3>;

// The checksum a program image carries at its offsets 6 and 7 (high byte first): the 8-bit
// sum of every other byte of the 32 KiB region, then their 8-bit exclusive-or.
std::uint16_t CalculateRomChecksum(std::span<const std::uint8_t> region);
std::uint16_t StoredRomChecksum(std::span<const std::uint8_t> region);
void StoreRomChecksum(std::span<std::uint8_t> region);

// A made-up program image that looks like one (start-up code, look-up tables, free space,
// vectors) and carries its ROM ID and a valid checksum. Same seed and ID, same image.
std::vector<std::uint8_t> GenerateRomImage(std::uint64_t seed, const RomIdBytes& romId);

// Reads a 32 KiB or 64 KiB image file; of a 64 KiB image only the last 32 KiB is the
// program. Returns false with a message in error otherwise.
bool LoadRomImage(const std::string& path, std::vector<std::uint8_t>& image, std::string& error);

} // namespace korvane::ecusim
