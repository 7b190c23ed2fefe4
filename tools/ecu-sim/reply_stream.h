#pragma once

#include "simulated_car.h"
#include "units.h"

#include <array>
#include <cstdint>
#include <string>

namespace korvane::ecusim {

enum class StreamKind { Read, RomId, Write };

// What a unit keeps sending after a frame, one 3-byte reply after another, until the
// next frame: the byte at an address (after a read or a write) or its ROM ID.
struct ReplyStream {
    StreamKind kind = StreamKind::Read;
    UnitId unit = UnitId::Ecu;
    std::uint16_t address = 0; // the low byte only for three-byte units
};

using Reply = std::array<std::uint8_t, 3>;

// One reply as the unit sends it at the given time. Address replies echo the address
// ([high, low, data]; [0x00, low, data] for three-byte units); with wrongEcho the echo
// is the address's complement, so the reply keeps its length but never matches.
Reply BuildReply(const ReplyStream& stream, const SimulatedCar& car, std::int64_t milliseconds,
                 bool wrongEcho);

// The stream as a trace line's fields, e.g. "read ECU 1234" or "romid ECU A1B2C3".
std::string DescribeStream(const ReplyStream& stream, const SimulatedCar& car,
                           std::int64_t milliseconds);

} // namespace korvane::ecusim
