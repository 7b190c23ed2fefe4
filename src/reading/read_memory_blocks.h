#pragma once

#include "link/unit_link.h"

namespace korvane {

class LogFile;
class Window;
struct ReadMemoryState;

// One Blocks-mode pass: reads one block of 16 bytes and lists all blocks as a hexadecimal
// dump, marking the block just read with ">" and showing "--" for blocks not read since
// the buffer was last cleared. A first pass takes the start address (rounded down to a
// multiple of 16) and the block count from the window's boxes and starts at block 0; a
// new base address empties the buffer. Later passes go on with the next block. Logs the
// line of the block just read. True when that block was the last one of the sweep.
bool ReadMemoryBlocksPass(Window& window, const UnitLink& link, LogFile& log,
                          ReadMemoryState& state, bool firstPass);

} // namespace korvane
