#include "rom_image.h"

#include "sim_random.h"

#include <algorithm>
#include <fstream>

namespace korvane::ecusim {

namespace {

constexpr std::size_t kChecksumOffset = 6;
constexpr std::size_t kRomIdOffset = 8;
constexpr std::size_t kCodeStart = 0x0010;
constexpr std::size_t kTablesStart = 0x5800;
constexpr std::size_t kFreeStart = 0x6C00;
constexpr std::size_t kVectorsStart = 0x7FE0;
constexpr std::size_t kFileLimit = 0x10000;

// Opcode-like bytes with their operand counts, so the code area reads like code.
struct FakeOpcode {
    std::uint8_t code;
    int operands;
};
constexpr std::array<FakeOpcode, 16> kOpcodes = {{
    {0x86, 1},
    {0xC6, 1},
    {0xCC, 2},
    {0xB6, 2},
    {0xF6, 2},
    {0xB7, 2},
    {0xFD, 2},
    {0xBD, 2},
    {0x7E, 2},
    {0x26, 1},
    {0x27, 1},
    {0x20, 1},
    {0x39, 0},
    {0x4F, 0},
    {0x5F, 0},
    {0x01, 0},
}};

void FillCode(std::vector<std::uint8_t>& image, SimRandom& random) {
    std::size_t at = kCodeStart;
    while (at < kTablesStart) {
        const FakeOpcode& op = kOpcodes[random.Next() % kOpcodes.size()];
        image[at++] = op.code;
        for (int i = 0; i < op.operands && at < kTablesStart; ++i) {
            // Two-byte operands point into the program or into low memory.
            const bool high = op.operands == 2 && i == 0;
            image[at++] = high ? static_cast<std::uint8_t>(0x80 | (random.NextByte() & 0x7F))
                               : random.NextByte();
        }
    }
}

// Rising curves of 16 entries, as fuel and timing maps are.
void FillTables(std::vector<std::uint8_t>& image, SimRandom& random) {
    for (std::size_t table = kTablesStart; table + 16 <= kFreeStart; table += 16) {
        int value = random.NextByte() % 64;
        const int step = 1 + random.NextByte() % 12;
        for (std::size_t i = 0; i < 16; ++i) {
            image[table + i] = static_cast<std::uint8_t>(std::min(value, 255));
            value += step;
        }
    }
}

void FillVectors(std::vector<std::uint8_t>& image, SimRandom& random) {
    for (std::size_t at = kVectorsStart; at + 1 < kRomSize; at += 2) {
        const std::size_t target = kCodeStart + random.Next() % (kTablesStart - kCodeStart);
        const std::size_t address = kRomStart + target;
        image[at] = static_cast<std::uint8_t>(address >> 8);
        image[at + 1] = static_cast<std::uint8_t>(address & 0xFF);
    }
}

} // namespace

std::uint16_t CalculateRomChecksum(std::span<const std::uint8_t> region) {
    std::uint8_t sum = 0;
    std::uint8_t parity = 0;
    for (std::size_t i = 0; i < region.size(); ++i) {
        if (i == kChecksumOffset || i == kChecksumOffset + 1) {
            continue;
        }
        sum = static_cast<std::uint8_t>(sum + region[i]);
        parity = static_cast<std::uint8_t>(parity ^ region[i]);
    }
    return static_cast<std::uint16_t>(sum << 8 | parity);
}

std::uint16_t StoredRomChecksum(std::span<const std::uint8_t> region) {
    if (region.size() < kChecksumOffset + 2) {
        return 0;
    }
    return static_cast<std::uint16_t>(region[kChecksumOffset] << 8 | region[kChecksumOffset + 1]);
}

void StoreRomChecksum(std::span<std::uint8_t> region) {
    if (region.size() < kChecksumOffset + 2) {
        return;
    }
    const std::uint16_t checksum = CalculateRomChecksum(region);
    region[kChecksumOffset] = static_cast<std::uint8_t>(checksum >> 8);
    region[kChecksumOffset + 1] = static_cast<std::uint8_t>(checksum & 0xFF);
}

std::vector<std::uint8_t> GenerateRomImage(std::uint64_t seed, const RomIdBytes& romId) {
    std::vector<std::uint8_t> image(kRomSize, 0xFF);
    SimRandom random(
        Mix(seed, static_cast<std::uint64_t>(romId[0]) << 16 | romId[1] << 8 | romId[2]));
    // Start-up: a jump over the header into the code.
    image[0] = 0x7E;
    image[1] = static_cast<std::uint8_t>((kRomStart + kCodeStart) >> 8);
    image[2] = static_cast<std::uint8_t>((kRomStart + kCodeStart) & 0xFF);
    image[3] = 0x01;
    image[4] = 0x01;
    image[5] = 0x01;
    std::copy(romId.begin(), romId.end(), image.begin() + kRomIdOffset);
    FillCode(image, random);
    FillTables(image, random);
    FillVectors(image, random);
    StoreRomChecksum(image);
    return image;
}

bool LoadRomImage(const std::string& path, std::vector<std::uint8_t>& image, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open ROM image " + path;
        return false;
    }
    // One byte past the limit is enough to tell an oversized file.
    std::vector<std::uint8_t> bytes(kFileLimit + 1);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        error = "cannot read ROM image " + path;
        return false;
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (bytes.size() != kRomSize && bytes.size() != kFileLimit) {
        error = "ROM image " + path + " is neither 32 KiB nor 64 KiB long";
        return false;
    }
    image.assign(bytes.end() - static_cast<std::ptrdiff_t>(kRomSize), bytes.end());
    return true;
}

} // namespace korvane::ecusim
