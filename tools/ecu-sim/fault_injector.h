#pragma once

#include "reply_stream.h"
#include "sim_random.h"

#include <cstdint>
#include <vector>

namespace korvane::ecusim {

struct FaultSettings {
    double drop = 0.0;   // per reply byte: lost on the line
    double garble = 0.0; // per reply byte: arrives changed
    double stray = 0.0;  // per reply: one extra byte after it, which breaks the alignment
    bool silent = false; // frames are received but never answered
    bool wrongEcho = false;
    int latencyMs = 0; // pause between a frame and the first reply of its stream
};

// A byte on its way to the reader; a lost one still takes its time on the line.
struct LineByte {
    std::uint8_t value = 0;
    bool lost = false;
};

// Turns a clean reply into what reaches the reader, with the configured faults drawn from
// a generator seeded once, so a run with the same seed and traffic damages the same bytes.
class FaultInjector {
public:
    FaultInjector(const FaultSettings& settings, std::uint64_t seed);

    std::vector<LineByte> Apply(const Reply& reply);

private:
    FaultSettings settings_;
    SimRandom random_;
};

} // namespace korvane::ecusim
