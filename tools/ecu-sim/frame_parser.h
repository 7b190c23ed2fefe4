#pragma once

#include "units.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvane::ecusim {

enum class FrameKind { Read, Stop, RomId, Write };

struct Frame {
    FrameKind kind = FrameKind::Stop;
    UnitId unit = UnitId::Ecu; // read frames only
    std::uint16_t address = 0; // read and write frames; the low byte only for three-byte units
    std::uint8_t data = 0;     // write frames only
    std::array<std::uint8_t, 4> bytes{};
    int length = 0;
};

// What one input byte (or a time-out) led to, in the order it happened.
struct ParseEvents {
    std::vector<std::uint8_t> discarded;
    std::vector<Frame> frames;
};

// Byte-by-byte framing as a unit's receiver does it: a frame starts with a known command
// byte, its length follows from that byte, and the fixed bytes of the frame (the trailing
// zero of a four-byte read, the zero of a three-byte read, the stop frame's zeros and the
// ROM ID request's letters) are checked as they arrive. A byte that cannot start or continue
// a frame is dropped and the bytes after it are looked at again, so a frame that follows
// garbage is still recognised.
class FrameParser {
public:
    void Feed(std::uint8_t byte, ParseEvents& events);
    // Drops a frame that stopped arriving part-way.
    void Expire(ParseEvents& events);
    // True while the start of a frame has arrived but not the rest.
    bool InFrame() const { return length_ > 0; }

private:
    void Rescan(ParseEvents& events);
    void DropFirst(ParseEvents& events);

    std::array<std::uint8_t, 4> buffer_{};
    std::size_t length_ = 0;
};

// Frame length for a leading byte, 0 when no frame starts with it.
int FrameLengthFor(std::uint8_t first);

} // namespace korvane::ecusim
