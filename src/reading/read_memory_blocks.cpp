#include "reading/read_memory_blocks.h"

#include "link/read_transaction.h"
#include "log/log_file.h"
#include "reading/pass_texts.h"
#include "reading/read_memory_state.h"

namespace korvane {

namespace {

BlockCells ShownCells(ReadMemoryState& state, int block) {
    BlockCells cells;
    if (block > state.blocks.highestBlockRead) {
        return cells;
    }
    const auto row = state.Row(block);
    const int held = state.bytesHeld[static_cast<std::size_t>(block)];
    for (int column = 0; column < kBlockLength && column < held; ++column) {
        cells[static_cast<std::size_t>(column)] = row[static_cast<std::size_t>(column)];
    }
    return cells;
}

} // namespace

BlocksPassResult ReadMemoryBlocksPass(const UnitLink& link, LogFile& log, ReadMemoryState& state,
                                      bool firstPass, const MemoryRequest& request) {
    BlocksState& blocks = state.blocks;
    if (firstPass) {
        blocks.blockCount = request.count;
        blocks.baseAddress = static_cast<std::uint16_t>(request.start & 0xFFF0U);
        blocks.currentBlock = 0;
        if (blocks.baseAddress != blocks.lastBaseAddress) {
            blocks.highestBlockRead = 0;
            state.EmptyBuffer();
        }
    } else if (blocks.currentBlock > blocks.highestBlockRead) {
        blocks.highestBlockRead = blocks.currentBlock;
    }
    blocks.lastBaseAddress = blocks.baseAddress;

    BlocksPassResult result;
    result.baseAddress = blocks.baseAddress;
    result.currentBlock = blocks.currentBlock;
    const auto address = static_cast<std::uint16_t>(
        (blocks.baseAddress + kBlockLength * result.currentBlock) & 0xFFFFU);
    int read = 0;
    result.bytesRead =
        ReadMemoryRange(link, address, kBlockLength, state.Row(result.currentBlock), &read);
    state.NoteRead(result.currentBlock, read);
    result.passNumber = blocks.passCount++;

    for (int block = 0; block < blocks.blockCount; ++block) {
        result.blocks.push_back(ShownCells(state, block));
    }
    if (result.currentBlock < blocks.blockCount) {
        log.Write("%s\n", BlockLine(result, result.currentBlock).c_str());
    }

    blocks.currentBlock = result.currentBlock + 1;
    result.sweepComplete = blocks.currentBlock >= blocks.blockCount;
    if (result.sweepComplete) {
        blocks.currentBlock = 0;
    }
    return result;
}

} // namespace korvane
