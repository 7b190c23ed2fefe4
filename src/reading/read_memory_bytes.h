#pragma once

#include "link/unit_link.h"

namespace korvane {

class LogFile;
class Window;
struct ReadMemoryState;

// One Bytes-mode pass: ages the history one row, reads the count of bytes from the start
// address (both taken from the window's boxes on every pass) into the newest row, and
// lists each address with its bytes from the oldest reading on the left to the newest on
// the right. Logs a "Start Address" line when the address differs from the one last
// logged, then one line with the bytes just read. A failed read still makes a pass: its
// result shows in the "Bytes read" line and positions not read keep their earlier bytes.
void ReadMemoryBytesPass(Window& window, const UnitLink& link, LogFile& log,
                         ReadMemoryState& state);

} // namespace korvane
