#pragma once

#include "link/unit_type.h"

#include <array>
#include <cstdint>

namespace korvane {

// Room for the longest frame the program sends.
inline constexpr int kFrameCapacity = 4;
using CommandFrame = std::array<std::uint8_t, kFrameCapacity>;

// Every reply from a unit is read as exactly this many bytes.
inline constexpr int kReplyLength = 3;
using UnitReply = std::array<std::uint8_t, kReplyLength>;

// Tells the unit to stop streaming replies.
inline constexpr CommandFrame kStopFrame = {0x12, 0x00, 0x00, 0x00};
// Asks the unit for its three-byte ROM ID.
inline constexpr CommandFrame kRomIdRequestFrame = {0x00, 0x46, 0x48, 0x49};

// The read command byte of the unit (0x78, 0x45, 0x89, 0x92, 0xAB).
std::uint8_t ReadCommandByte(UnitType unit);

// Fills the frame that asks the unit for the byte at the address and returns its length:
// 4 for the ECU and the TCU (command, address high, address low, 0x00), 3 for the others
// (command, 0x00, address low). The address is cut to 16 bits (8 for three-byte frames).
// Positions past the length are left untouched.
int BuildReadFrame(CommandFrame& frame, std::uint32_t address, UnitType unit);

// The frame that writes the data byte at the address: 0xAA, address high, address low, data.
CommandFrame BuildWriteRequest(std::uint16_t address, std::uint8_t data);

} // namespace korvane
