#pragma once

#include "link/unit_link.h"
#include "reading/memory_inputs.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvane {

class LogFile;
struct ReadMemoryState;

// One block of a Blocks dump as shown: a byte per column, none for "--".
using BlockCells = std::array<std::optional<std::uint8_t>, 16>;

// What one Blocks-mode pass read and the dump it shows.
struct BlocksPassResult {
    // The transaction's result: the bytes read, or -1 when it failed.
    int bytesRead = 0;
    // The Blocks pass counter before this pass.
    int passNumber = 0;
    // The start address rounded down to a multiple of 16.
    std::uint16_t baseAddress = 0;
    // The block this pass read (marked ">").
    int currentBlock = 0;
    // Every block shown, block 0 first.
    std::vector<BlockCells> blocks;
    // The block read was the last one of the sweep.
    bool sweepComplete = false;
};

// One Blocks-mode pass: reads one block of 16 bytes. A first pass takes the request's
// start address (rounded down to a multiple of 16) and count of blocks and starts at
// block 0; a new base address empties the buffer. Later passes go on with the next block
// and ignore the request. Logs the dump line of the block just read.
BlocksPassResult ReadMemoryBlocksPass(const UnitLink& link, LogFile& log, ReadMemoryState& state,
                                      bool firstPass, const MemoryRequest& request);

} // namespace korvane
