#include "reading/read_memory_bytes.h"

#include "app/window.h"
#include "link/read_transaction.h"
#include "log/log_file.h"
#include "reading/memory_inputs.h"
#include "reading/read_memory_state.h"
#include "reading/text_format.h"
#include "resources/control_ids.h"

#include <algorithm>
#include <string>

namespace korvane {

namespace {

// Moves every row one place older; the oldest row falls off the end.
void AgeHistory(ReadMemoryState& state) {
    auto& bytes = state.memoryHistory;
    std::copy_backward(bytes.begin(), bytes.end() - kHistoryRowLength, bytes.end());
    std::copy_backward(state.bytesHeld.begin(), state.bytesHeld.end() - 1, state.bytesHeld.end());
}

// A byte of the row in the format, or "--" when that position was never read.
std::string Cell(ReadMemoryState& state, int row, int i, bool lowerCase) {
    if (i >= state.bytesHeld[static_cast<std::size_t>(row)]) {
        return "--";
    }
    const auto byte = static_cast<unsigned>(state.Row(row)[static_cast<std::size_t>(i)]);
    return lowerCase ? FormatText("%2.2x", byte) : FormatText("%02X", byte);
}

} // namespace

void ReadMemoryBytesPass(Window& window, const UnitLink& link, LogFile& log,
                         ReadMemoryState& state) {
    AgeHistory(state);
    const std::uint16_t start = MemoryStartInput(window);
    const int count = MemoryCountInput(window);
    const int listId = ids::main::kMemList;
    window.ListReset(listId);

    const auto newest = state.Row(0);
    int read = 0;
    const int result =
        ReadMemoryRange(link, start, static_cast<std::uint16_t>(count), newest, &read);
    state.NoteRead(0, read);
    window.ListAdd(listId, FormatText("Bytes read: %d  Count: %d", result, state.bytesPassCount));
    ++state.bytesPassCount;
    state.historyCount = std::min(state.historyCount + 1, kHistoryRows);

    if (state.lastLoggedStart != start) {
        log.Write("Start Address%c%4.4X\n", log.Separator(), static_cast<unsigned>(start));
        state.lastLoggedStart = start;
    }
    for (int i = 0; i < count; ++i) {
        // The range continues at 0x0000 after 0xFFFF, and so do the addresses shown.
        std::string line = FormatText("%04X", static_cast<unsigned>((start + i) & 0xFFFF));
        for (int row = state.historyCount - 1; row >= 0; --row) {
            line += '\t';
            line += Cell(state, row, i, false);
        }
        window.ListAdd(listId, line);
        log.Write("%s%c", Cell(state, 0, i, true).c_str(), log.Separator());
    }
    log.Write("\n");
}

} // namespace korvane
