#include "reading/read_memory_bytes.h"

#include "link/read_transaction.h"
#include "log/log_file.h"
#include "reading/read_memory_state.h"

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

std::optional<std::uint8_t> HeldByte(ReadMemoryState& state, int row, int i) {
    if (i >= state.bytesHeld[static_cast<std::size_t>(row)]) {
        return std::nullopt;
    }
    return state.Row(row)[static_cast<std::size_t>(i)];
}

} // namespace

BytesPassResult ReadMemoryBytesPass(const UnitLink& link, LogFile& log, ReadMemoryState& state,
                                    const MemoryRequest& request) {
    AgeHistory(state);
    BytesPassResult result;
    result.request = request;
    int read = 0;
    result.bytesRead = ReadMemoryRange(
        link, request.start, static_cast<std::uint16_t>(request.count), state.Row(0), &read);
    // The newest row holds only what this pass read; the rest of it are bytes of the
    // reading before, which must not pass for this one.
    state.bytesHeld[0] = read;
    result.passNumber = state.bytesPassCount++;
    state.historyCount = std::min(state.historyCount + 1, kHistoryRows);

    if (state.lastLoggedStart != request.start) {
        log.Write("Start Address%c%4.4X\n", log.Separator(), static_cast<unsigned>(request.start));
        state.lastLoggedStart = request.start;
    }
    for (int row = state.historyCount - 1; row >= 0; --row) {
        auto& column = result.columns.emplace_back();
        for (int i = 0; i < request.count; ++i) {
            column.push_back(HeldByte(state, row, i));
        }
    }
    for (int i = 0; i < request.count; ++i) {
        const auto byte = HeldByte(state, 0, i);
        if (byte) {
            log.Write("%2.2x%c", static_cast<unsigned>(*byte), log.Separator());
        } else {
            log.Write("--%c", log.Separator());
        }
    }
    log.Write("\n");
    return result;
}

} // namespace korvane
