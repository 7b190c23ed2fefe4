// The simulator's framing, fed byte by byte.

#include "frame_parser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace korvane::ecusim {
namespace {

std::string HexOf(unsigned value, int digits) {
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// Feeds the words of the input (hex bytes, "." for a time-out) and tells what came of them:
// "-XX" for a dropped byte, "ECU:1234" for a read, "write:0102=03", "stop" and "romid" for
// the other frames, and "+" when a frame is still in progress at the end.
std::string Parse(const std::string& input) {
    FrameParser parser;
    std::string seen;
    std::istringstream words(input);
    for (std::string word; words >> word;) {
        ParseEvents events;
        if (word == ".") {
            parser.Expire(events);
        }
        for (std::size_t i = 0; word != "." && i + 1 < word.size(); i += 2) {
            parser.Feed(static_cast<std::uint8_t>(std::stoi(word.substr(i, 2), nullptr, 16)),
                        events);
        }
        for (const std::uint8_t byte : events.discarded) {
            seen += " -" + HexOf(byte, 2);
        }
        for (const Frame& frame : events.frames) {
            if (frame.kind == FrameKind::Read) {
                seen += " " + std::string(Info(frame.unit).name) + ":" + HexOf(frame.address, 4);
            } else if (frame.kind == FrameKind::Write) {
                seen += " write:" + HexOf(frame.address, 4) + "=" + HexOf(frame.data, 2);
            } else {
                seen += frame.kind == FrameKind::Stop ? " stop" : " romid";
            }
        }
    }
    if (parser.InFrame()) {
        seen += " +";
    }
    return seen.empty() ? seen : seen.substr(1);
}

TEST(FrameParser, FramesEveryKindAndResynchronisesOnTheNextCommandByte) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"78123400 45ABCD00 92007F 12000000 00464849 AA010203",
         "ECU:1234 TCU:ABCD 4WS:007F stop romid write:0102=03"},
        {"89 0034 AB00FF", "Aircon:0034 Cruise:00FF"},
        // A frame start whose fixed bytes do not follow gives way to the frame inside it.
        {"78 78123400", "-78 ECU:1234"},
        {"78 890034", "-78 Aircon:0034"},
        // Bytes that start nothing, and a ROM ID request broken off.
        {"33 004647 8901 12000000", "-33 -00 -46 -47 -89 -01 stop"},
        // A frame that stops arriving part-way is dropped when the time-out says so.
        {"AA12", "+"},
        {"AA12 . 78123800", "-AA -12 ECU:1238"},
    };
    for (const auto& [input, seen] : rows) {
        EXPECT_EQ(Parse(input), seen) << input;
    }
}

} // namespace
} // namespace korvane::ecusim
