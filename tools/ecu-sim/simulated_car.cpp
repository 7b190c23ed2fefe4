#include "simulated_car.h"

#include "live_values.h"
#include "sim_random.h"

#include <algorithm>

namespace korvane::ecusim {

namespace {

constexpr std::size_t kMemorySize = 0x10000;

} // namespace

SimulatedCar::SimulatedCar(std::uint64_t seed, const RomIdBytes& ecuRomId,
                           const std::vector<std::uint8_t>& ecuRom)
    : seed_(seed) {
    for (const UnitInfo& info : kUnits) {
        const std::size_t index = Index(info.id);
        romIds_[index] = info.id == UnitId::Ecu ? ecuRomId : DefaultRomId(info.id);
        std::vector<std::uint8_t>& memory = memories_[index];
        memory.resize(kMemorySize);
        for (std::size_t address = 0; address < kRomStart; ++address) {
            memory[address] = InitialRam(seed, info.id, static_cast<std::uint16_t>(address));
        }
        const std::vector<std::uint8_t> rom = (info.id == UnitId::Ecu && ecuRom.size() == kRomSize)
                                                  ? ecuRom
                                                  : GenerateRomImage(seed, romIds_[index]);
        std::copy(rom.begin(), rom.end(), memory.begin() + kRomStart);
    }
}

RomIdBytes SimulatedCar::DefaultRomId(UnitId unit) {
    switch (unit) {
    case UnitId::Ecu:
        return {0xA1, 0xB2, 0xC3};
    case UnitId::Tcu:
        return {0x4A, 0x31, 0x07};
    case UnitId::Aircon:
        return {0x6B, 0x20, 0x02};
    case UnitId::FourWs:
        return {0x7C, 0x30, 0x03};
    case UnitId::Cruise:
        return {0x8D, 0x40, 0x04};
    }
    return {0xA1, 0xB2, 0xC3};
}

std::uint8_t SimulatedCar::InitialRam(std::uint64_t seed, UnitId unit, std::uint16_t address) {
    // Mostly small counters and flags, as working memory tends to hold.
    const std::uint64_t hash = Mix(Mix(seed, static_cast<std::uint64_t>(unit) + 1), address);
    return static_cast<std::uint8_t>((hash & 0x3) == 0 ? (hash >> 8) & 0xFF : (hash >> 8) & 0x1F);
}

std::uint8_t SimulatedCar::Read(UnitId unit, std::uint16_t address,
                                std::int64_t milliseconds) const {
    if (HasShortAddress(unit)) {
        address &= 0xFF;
    }
    if (const LiveValue* live = FindLiveValue(unit, address)) {
        return LiveValueAt(*live, seed_, frozen_ ? 0 : milliseconds);
    }
    return memories_[Index(unit)][address];
}

bool SimulatedCar::Write(UnitId unit, std::uint16_t address, std::uint8_t data) {
    if (HasShortAddress(unit)) {
        address &= 0xFF;
    }
    if (address >= kRomStart) {
        return false;
    }
    memories_[Index(unit)][address] = data;
    return true;
}

} // namespace korvane::ecusim
