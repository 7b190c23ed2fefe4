#pragma once

#include <string>
#include <vector>

namespace korvane {

// The program from start-up to shutdown, on the Qt shell: opens the main window, runs
// until it is closed and returns the exit code. A QApplication must exist. The start-up
// messages head the window's message list (which folder Korvane works in). With anyRate a
// port opens at whatever rate its driver makes (for simulators and emulators).
int StartKorvane(const std::vector<std::string>& startupMessages = {}, bool anyRate = false);

} // namespace korvane
