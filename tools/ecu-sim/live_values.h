#pragma once

#include "units.h"

#include <cstdint>
#include <span>

namespace korvane::ecusim {

// How a live value moves. The meaning of low, high and periodMs per shape:
//   Revs       engine speed: idles near low with a little hunting, and every periodMs revs
//              up to high and back, then blips to half way.
//   FollowRevs rises from low (idle) to high (peak revs) with the engine speed; periodMs unused.
//   WarmUp     starts near low and approaches high with time constant periodMs, then the
//              thermostat makes it swing by one step.
//   Ripple     swings between low and high with period periodMs, plus one step of noise.
//   Bits       the bits of low stay set; each bit of the mask high toggles, bit n with
//              period periodMs * (n + 1).
enum class LiveShape { Revs, FollowRevs, WarmUp, Ripple, Bits };

struct LiveValue {
    UnitId unit;
    std::uint16_t address;
    const char* name; // the parameter the example definition files show here
    LiveShape shape;
    int low;
    int high;
    int periodMs;
};

// The table itself lives in live_value_table.cpp.
std::span<const LiveValue> LiveValueTable();

// The live value at this unit address, or nullptr when the address holds plain memory.
const LiveValue* FindLiveValue(UnitId unit, std::uint16_t address);

// The raw byte the unit holds at the given time (milliseconds since the simulator started).
// Only the seed and the time enter, so a test can compute what a read returns.
std::uint8_t LiveValueAt(const LiveValue& value, std::uint64_t seed, std::int64_t milliseconds);

} // namespace korvane::ecusim
