#include "frame_parser.h"

namespace korvane::ecusim {

namespace {

constexpr std::uint8_t kStopCommand = 0x12;
constexpr std::uint8_t kRomIdCommand = 0x00;
constexpr std::uint8_t kWriteCommand = 0xAA;
constexpr std::array<std::uint8_t, 4> kRomIdRequest = {0x00, 0x46, 0x48, 0x49};

// Whether the bytes so far can still become a frame.
bool IsValidPrefix(const std::array<std::uint8_t, 4>& bytes, std::size_t length) {
    const std::uint8_t first = bytes[0];
    if (first == kStopCommand) {
        for (std::size_t i = 1; i < length; ++i) {
            if (bytes[i] != 0) {
                return false;
            }
        }
        return true;
    }
    if (first == kRomIdCommand) {
        for (std::size_t i = 1; i < length; ++i) {
            if (bytes[i] != kRomIdRequest[i]) {
                return false;
            }
        }
        return true;
    }
    if (first == kWriteCommand) {
        return true;
    }
    const UnitInfo* unit = FindUnitByCommand(first);
    if (unit == nullptr) {
        return false;
    }
    if (unit->readFrameLength == 3) {
        return length < 2 || bytes[1] == 0;
    }
    return length < 4 || bytes[3] == 0;
}

Frame Decode(const std::array<std::uint8_t, 4>& bytes, int length) {
    Frame frame;
    for (int i = 0; i < length; ++i) {
        frame.bytes[static_cast<std::size_t>(i)] = bytes[static_cast<std::size_t>(i)];
    }
    frame.length = length;
    const std::uint8_t first = bytes[0];
    if (first == kStopCommand) {
        frame.kind = FrameKind::Stop;
    } else if (first == kRomIdCommand) {
        frame.kind = FrameKind::RomId;
    } else if (first == kWriteCommand) {
        frame.kind = FrameKind::Write;
        frame.address = static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2]);
        frame.data = bytes[3];
    } else {
        const UnitInfo* unit = FindUnitByCommand(first);
        if (unit != nullptr) {
            frame.kind = FrameKind::Read;
            frame.unit = unit->id;
            frame.address = unit->readFrameLength == 3
                                ? bytes[2]
                                : static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2]);
        }
    }
    return frame;
}

} // namespace

int FrameLengthFor(std::uint8_t first) {
    if (first == kStopCommand || first == kRomIdCommand || first == kWriteCommand) {
        return 4;
    }
    const UnitInfo* unit = FindUnitByCommand(first);
    return unit == nullptr ? 0 : unit->readFrameLength;
}

void FrameParser::Feed(std::uint8_t byte, ParseEvents& events) {
    buffer_[length_++] = byte;
    Rescan(events);
}

void FrameParser::Expire(ParseEvents& events) {
    for (std::size_t i = 0; i < length_; ++i) {
        events.discarded.push_back(buffer_[i]);
    }
    length_ = 0;
}

void FrameParser::DropFirst(ParseEvents& events) {
    events.discarded.push_back(buffer_[0]);
    for (std::size_t i = 1; i < length_; ++i) {
        buffer_[i - 1] = buffer_[i];
    }
    --length_;
}

void FrameParser::Rescan(ParseEvents& events) {
    while (length_ > 0) {
        const int expected = FrameLengthFor(buffer_[0]);
        if (expected == 0 || !IsValidPrefix(buffer_, length_)) {
            DropFirst(events);
            continue;
        }
        if (length_ >= static_cast<std::size_t>(expected)) {
            events.frames.push_back(Decode(buffer_, expected));
            length_ = 0;
        }
        return;
    }
}

} // namespace korvane::ecusim
