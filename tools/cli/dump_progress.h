#pragma once

#include "romtools/dump_state.h"
#include "romtools/dump_texts.h"

#include <ostream>
#include <string>

namespace korvane::cli {

// The progress of a dump on standard error: a bar redrawn in place with the time left on a
// terminal, plain lines (one per percent, and every failed read) otherwise.
class DumpProgress {
public:
    DumpProgress(std::ostream& err, bool terminal) : err_(err), terminal_(terminal) {}

    // After every step: where the dump stands, its times, and whether the step's read failed.
    void Show(const DumpState& state, const DumpTimes& times, bool readFailed);
    // Ends the bar's line.
    void Finish();

private:
    std::ostream& err_;
    bool terminal_;
    int lastPercent_ = -1;
    bool barShown_ = false;
};

// A multi-line text on one line: tabs and line feeds become single spaces.
std::string OneLine(const std::string& text);

} // namespace korvane::cli
