#pragma once

#include "log/time_of_day.h"
#include "romtools/dump_state.h"
#include "romtools/rom_checksum.h"

#include <cstdint>
#include <optional>
#include <string>

namespace korvane {

// Time figures of a running dump, in whole seconds.
struct DumpTimes {
    // The projected total duration, from the pace so far; 0 before the first byte.
    long long estimateSec = 0;
    long long elapsedSec = 0;
    long long remainingSec = 0;
};

DumpTimes ComputeDumpTimes(std::uint32_t byteCount, std::uint32_t bytesDone,
                           std::uint32_t elapsedMs);

// "Started at: hh:mm..." with the UTC time the dump began.
std::string DumpStartedText(const TimeOfDay& utc);
// The dump's pre-fill, start address and byte count.
std::string DumpSummaryText(const DumpState& state);
// The estimated, elapsed and remaining time.
std::string DumpTimesText(const DumpTimes& times);
// The last address read (the one before the start address while nothing has been read).
std::string DumpCurrentAddressText(const DumpState& state);
// The check of the finished file; no checksums when it is not a 32 or 64 KiB image.
std::string DumpChecksumText(const std::optional<RomChecksums>& checksums);

} // namespace korvane
