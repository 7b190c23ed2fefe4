#pragma once

#include "reading/read_memory_state.h"
#include "romtools/dump_state.h"

namespace korvane {

// What the memory tools keep for the whole program run: the Read Memory history with
// its counters and Blocks state, and the dump's settings.
struct MemoryToolsState {
    ReadMemoryState readMemory;
    DumpState dump;
};

} // namespace korvane
