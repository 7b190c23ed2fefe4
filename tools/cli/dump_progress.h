#pragma once

#include <ostream>
#include <string>

namespace korvane::cli {

// The progress of a dump on standard error: a bar redrawn in place with the time left on a
// terminal, plain lines (one per percent, and every failed read) otherwise.
class DumpProgress {
public:
    DumpProgress(std::ostream& err, bool terminal) : err_(err), terminal_(terminal) {}

    // After every step: bytes done of the total, and the dialog's address, time and
    // result texts.
    void Show(long long done, long long total, const std::string& addressText,
              const std::string& timesText, const std::string& resultText);
    // Ends the bar's line.
    void Finish();

private:
    std::ostream& err_;
    bool terminal_;
    int lastPercent_ = -1;
    bool barShown_ = false;
};

// The dialog's multi-line texts on one line: tabs and line feeds become single spaces.
std::string OneLine(const std::string& text);
// The line of a multi-line text that begins with `label`, flattened; empty when none does.
std::string LineStartingWith(const std::string& text, const std::string& label);

} // namespace korvane::cli
