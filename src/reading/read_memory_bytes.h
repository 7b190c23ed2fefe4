#pragma once

#include "link/unit_link.h"
#include "reading/memory_inputs.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace korvane {

class LogFile;
struct ReadMemoryState;

// What one Bytes-mode pass read and what it shows: each address with its bytes from the
// oldest reading kept to the newest.
struct BytesPassResult {
    // The transaction's result: the bytes read, or -1 when it failed.
    int bytesRead = 0;
    // The pass counter before this pass.
    int passNumber = 0;
    MemoryRequest request;
    // columns[c][i]: byte i of a reading, oldest reading first and this pass's last;
    // none where that reading did not reach the position.
    std::vector<std::vector<std::optional<std::uint8_t>>> columns;
};

// One Bytes-mode pass: ages the history one row, reads the request's bytes into the
// newest row and logs a "Start Address" line when the address differs from the one last
// logged, then one line with the bytes just read. A failed read still makes a pass:
// positions it did not reach are shown and logged as "--".
BytesPassResult ReadMemoryBytesPass(const UnitLink& link, LogFile& log, ReadMemoryState& state,
                                    const MemoryRequest& request);

} // namespace korvane
