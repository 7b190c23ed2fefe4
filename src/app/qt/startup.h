#pragma once

namespace korvane {

// The program from start-up to shutdown, on the Qt shell: opens the main window, runs
// until it is closed and returns the exit code. A QApplication must exist.
int StartKorvane();

} // namespace korvane
