#pragma once

#include "rom_image.h"
#include "units.h"

#include <array>
#include <cstdint>
#include <vector>

namespace korvane::ecusim {

// The five units' memories: 64 KiB each, RAM below 0x8000 with made-up contents, the
// program image above, and the live values laid over RAM. Three-byte units see only
// addresses 0x00-0xFF.
class SimulatedCar {
public:
    // ecuRom: the engine unit's program (32 KiB), or empty for a generated one.
    SimulatedCar(std::uint64_t seed, const RomIdBytes& ecuRomId,
                 const std::vector<std::uint8_t>& ecuRom);

    // The byte at address, as the unit would send it at that time.
    std::uint8_t Read(UnitId unit, std::uint16_t address, std::int64_t milliseconds) const;
    // Stores a byte; false (nothing stored) for the program area. A live value's address
    // takes the byte, but the unit's own update overwrites it at once.
    bool Write(UnitId unit, std::uint16_t address, std::uint8_t data);

    const RomIdBytes& RomIdOf(UnitId unit) const { return romIds_[Index(unit)]; }
    bool Frozen() const { return frozen_; }
    void SetFrozen(bool frozen) { frozen_ = frozen; }

    // Default ROM IDs: the engine unit's can be changed from the command line.
    static RomIdBytes DefaultRomId(UnitId unit);
    // What RAM holds at start, reproducible from the seed.
    static std::uint8_t InitialRam(std::uint64_t seed, UnitId unit, std::uint16_t address);

private:
    static std::size_t Index(UnitId unit) { return static_cast<std::size_t>(unit); }

    std::uint64_t seed_;
    bool frozen_ = false;
    std::array<std::vector<std::uint8_t>, kUnitCount> memories_;
    std::array<RomIdBytes, kUnitCount> romIds_{};
};

} // namespace korvane::ecusim
