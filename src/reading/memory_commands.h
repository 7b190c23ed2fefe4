#pragma once

#include <cstdint>

namespace korvane {

class Window;
struct AppContext;

// The main window's entry points into the memory tools. Each uses the context's unit
// channel, sleeper and unit type, its log and its memory tools state, which must be set.

// One Read Memory pass in Bytes mode.
void ReadMemoryBytesPass(Window& window, AppContext& context);
// One Read Memory pass in Blocks mode; true when a sweep over all blocks is complete.
bool ReadMemoryBlocksPass(Window& window, AppContext& context, bool firstPass);
// "Clear": empties the Read Memory buffer and list and restarts the Blocks mode. It does
// not talk to the unit.
void ClearReadMemory(Window& window, AppContext& context);
// "Write" of the Write Memory group; returns the byte shown.
std::uint8_t WriteMemoryCommand(Window& window, AppContext& context);

} // namespace korvane
