#include "link/command_frames.h"

namespace korvane {

std::uint8_t ReadCommandByte(UnitType unit) {
    switch (UnitTypeFromValue(static_cast<int>(unit))) {
    case UnitType::Tcu:
        return 0x45;
    case UnitType::Aircon:
        return 0x89;
    case UnitType::FourWs:
        return 0x92;
    case UnitType::Cruise:
        return 0xAB;
    case UnitType::Ecu:
        break;
    }
    return 0x78;
}

int BuildReadFrame(CommandFrame& frame, std::uint32_t address, UnitType unit) {
    const auto high = static_cast<std::uint8_t>((address >> 8) & 0xFF);
    const auto low = static_cast<std::uint8_t>(address & 0xFF);
    const UnitType effective = UnitTypeFromValue(static_cast<int>(unit));
    frame[0] = ReadCommandByte(effective);
    if (effective == UnitType::Ecu || effective == UnitType::Tcu) {
        frame[1] = high;
        frame[2] = low;
        frame[3] = 0x00;
        return 4;
    }
    // The three-byte units have an 8-bit address space.
    frame[1] = 0x00;
    frame[2] = low;
    return 3;
}

CommandFrame BuildWriteRequest(std::uint16_t address, std::uint8_t data) {
    return {0xAA, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), data};
}

} // namespace korvane
