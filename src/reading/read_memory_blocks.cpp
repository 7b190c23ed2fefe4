#include "reading/read_memory_blocks.h"

#include "app/window.h"
#include "link/read_transaction.h"
#include "log/log_file.h"
#include "reading/memory_inputs.h"
#include "reading/read_memory_state.h"
#include "reading/text_format.h"
#include "resources/control_ids.h"

#include <string>

namespace korvane {

namespace {

std::string ColumnHeader() {
    std::string header;
    for (int column = 0; column < kBlockLength; ++column) {
        header += FormatText("\t%02X", static_cast<unsigned>(column));
    }
    return header;
}

std::string BlockLine(ReadMemoryState& state, int block, bool justRead) {
    const BlocksState& blocks = state.blocks;
    // Blocks past 0xFFFF were read from 0x0000 on, and are shown so.
    const unsigned address = (blocks.baseAddress + kBlockLength * block) & 0xFFFFU;
    std::string line = FormatText("%04X%c", address, justRead ? '>' : ' ');
    const auto row = state.Row(block);
    const int held = state.bytesHeld[static_cast<std::size_t>(block)];
    for (int column = 0; column < kBlockLength; ++column) {
        line += block > blocks.highestBlockRead || column >= held
                    ? std::string("\t--")
                    : FormatText("\t%02X", static_cast<unsigned>(row[column]));
    }
    return line;
}

} // namespace

bool ReadMemoryBlocksPass(Window& window, const UnitLink& link, LogFile& log,
                          ReadMemoryState& state, bool firstPass) {
    BlocksState& blocks = state.blocks;
    if (firstPass) {
        blocks.blockCount = MemoryCountInput(window);
        blocks.baseAddress = static_cast<std::uint16_t>(MemoryStartInput(window) & 0xFFF0U);
        blocks.currentBlock = 0;
        if (blocks.baseAddress != blocks.lastBaseAddress) {
            blocks.highestBlockRead = 0;
            state.EmptyBuffer();
        }
    } else if (blocks.currentBlock > blocks.highestBlockRead) {
        blocks.highestBlockRead = blocks.currentBlock;
    }
    blocks.lastBaseAddress = blocks.baseAddress;

    const int current = blocks.currentBlock;
    const auto address =
        static_cast<std::uint16_t>((blocks.baseAddress + kBlockLength * current) & 0xFFFFU);
    int read = 0;
    const int result = ReadMemoryRange(link, address, kBlockLength, state.Row(current), &read);
    state.NoteRead(current, read);

    const int listId = ids::main::kMemList;
    window.ListReset(listId);
    window.ListAdd(listId, FormatText("Bytes read: %d  Count: %d", result, blocks.passCount));
    ++blocks.passCount;
    window.ListAdd(listId, ColumnHeader());
    for (int block = 0; block < blocks.blockCount; ++block) {
        const bool justRead = block == current;
        const std::string line = BlockLine(state, block, justRead);
        window.ListAdd(listId, line);
        if (justRead) {
            log.Write("%s\n", line.c_str());
        }
    }

    blocks.currentBlock = current + 1;
    if (blocks.currentBlock < blocks.blockCount) {
        return false;
    }
    blocks.currentBlock = 0;
    return true;
}

} // namespace korvane
