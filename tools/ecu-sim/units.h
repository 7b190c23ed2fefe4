#pragma once

#include <array>
#include <cstdint>

namespace korvane::ecusim {

enum class UnitId { Ecu, Tcu, Aircon, FourWs, Cruise };

// How a unit is addressed on the line: its read command byte and the length of its read
// frame. Four-byte units take a 16-bit address; three-byte units only an address low byte.
struct UnitInfo {
    UnitId id;
    const char* name; // as written in trace lines
    std::uint8_t readCommand;
    int readFrameLength;
};

inline constexpr std::array<UnitInfo, 5> kUnits = {{
    {UnitId::Ecu, "ECU", 0x78, 4},
    {UnitId::Tcu, "TCU", 0x45, 4},
    {UnitId::Aircon, "Aircon", 0x89, 3},
    {UnitId::FourWs, "4WS", 0x92, 3},
    {UnitId::Cruise, "Cruise", 0xAB, 3},
}};

inline constexpr int kUnitCount = static_cast<int>(kUnits.size());

inline const UnitInfo& Info(UnitId id) {
    return kUnits[static_cast<std::size_t>(id)];
}

// The unit whose read command this byte is, or nullptr.
inline const UnitInfo* FindUnitByCommand(std::uint8_t command) {
    for (const UnitInfo& unit : kUnits) {
        if (unit.readCommand == command) {
            return &unit;
        }
    }
    return nullptr;
}

inline bool HasShortAddress(UnitId id) {
    return Info(id).readFrameLength == 3;
}

} // namespace korvane::ecusim
