#pragma once

#include "link/byte_channel.h"
#include "link/line_observation.h"
#include "link/unit_type.h"

namespace korvane {

// What every transaction needs: the line, the pause provider and the unit spoken to.
// The window and the dump dialog choose the unit; the transactions only read it.
struct UnitLink {
    ByteChannel& channel;
    Sleeper& sleeper;
    UnitType unit = UnitType::Ecu;
    // When given, the transactions add what they saw to it.
    LineObservation* observation = nullptr;
};

// The pause between the stop frame and the purge, long enough for replies in flight to land.
inline constexpr int kStopPauseMs = 50;

// The common closing step: send the stop frame, wait, then drop whatever the unit sent
// meanwhile, so the unit is left quiet and the receive buffer empty.
void RunStopSequence(const UnitLink& link);

} // namespace korvane
