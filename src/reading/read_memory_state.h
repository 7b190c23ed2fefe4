#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace korvane {

// The Read Memory buffer: 16 rows of 256 bytes. In Bytes mode row 0 holds the newest
// reading and the older ones follow; in Blocks mode block i lives at the start of row i.
inline constexpr int kHistoryRows = 16;
inline constexpr int kHistoryRowLength = 256;
inline constexpr int kBlockLength = 16;
inline constexpr int kMaxBlocks = 16;

// Where a Blocks run stands. A default-made state is the state after a reset.
struct BlocksState {
    // Shown in the "Bytes read" line; counts the Blocks passes since the last reset.
    int passCount = 0;
    // Blocks shown (0..16).
    int blockCount = 1;
    // The block the next pass reads.
    int currentBlock = 0;
    // The start address rounded down to a multiple of 16.
    std::uint16_t baseAddress = 0;
    // The base of the previous pass; no base is a multiple of 16 plus 15, so the
    // reset value makes the next first pass start from an empty buffer.
    int lastBaseAddress = 0xFFFF;
    // Blocks above this have not been read since the buffer was cleared and show "--".
    int highestBlockRead = 0;
};

// Everything Read Memory keeps between passes, for the whole program run.
struct ReadMemoryState {
    std::array<std::uint8_t, kHistoryRows * kHistoryRowLength> memoryHistory{};
    // Valid Bytes-mode rows: row 0 the newest, row historyCount - 1 the oldest.
    int historyCount = 0;
    // Shown in the "Bytes read" line; counts every Bytes pass, never reset.
    int bytesPassCount = 0;
    // The start address the log was last told about by a Bytes pass.
    std::optional<std::uint16_t> lastLoggedStart;
    BlocksState blocks;
    // Per row, how many bytes from its start hold a reading; the rest were never read since
    // the buffer was emptied and are shown as "--", not as the zeros they hold.
    std::array<int, kHistoryRows> bytesHeld{};

    std::span<std::uint8_t, kHistoryRowLength> Row(int row) {
        return std::span<std::uint8_t, kHistoryRowLength>(
            memoryHistory.data() + static_cast<std::size_t>(row) * kHistoryRowLength,
            kHistoryRowLength);
    }

    // Zeroes the buffer; nothing in it counts as read any more.
    void EmptyBuffer() {
        memoryHistory.fill(0);
        bytesHeld.fill(0);
        historyCount = 0;
    }

    // Records that the first `count` bytes of the row now hold readings.
    void NoteRead(int row, int count) {
        int& held = bytesHeld[static_cast<std::size_t>(row)];
        held = std::max(held, count);
    }

    // Empties the buffer and restarts the Blocks mode; the pass counters of the Bytes
    // mode and its last logged address stay.
    void Clear() {
        EmptyBuffer();
        blocks = BlocksState{};
    }
};

} // namespace korvane
