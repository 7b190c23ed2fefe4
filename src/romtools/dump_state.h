#pragma once

#include <cstdint>
#include <optional>

namespace korvane {

// The memory dump's settings and progress. They outlive the dump dialog: a field left
// unreadable when a dump is started keeps the value of the dump before.
struct DumpState {
    std::uint32_t startAddress = 0;
    // Bytes to read.
    std::uint32_t byteCount = 0;
    // Zero bytes written ahead of the bytes read; at most 0x10000.
    std::uint32_t prefillCount = 0;
    // The next address to read; only its low 16 bits go on the line.
    std::uint32_t currentAddress = 0;
    // Bytes read and written so far, the pre-fill not counted.
    std::uint32_t bytesDone = 0;
    // The millisecond tick of the dump's first step.
    std::optional<std::uint32_t> startTick;
    bool running = false;
};

} // namespace korvane
