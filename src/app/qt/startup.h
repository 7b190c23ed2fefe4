#pragma once

#include <string>
#include <vector>

namespace korvane {

// The program from start-up to shutdown, on the Qt shell: opens the main window, runs
// until it is closed and returns the exit code. A QApplication must exist. The start-up
// messages head the window's message list (which folder Korvane works in).
int StartKorvane(const std::vector<std::string>& startupMessages = {});

} // namespace korvane
