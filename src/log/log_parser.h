#pragma once

#include <string_view>
#include <vector>

#include "log/log_runs.h"

namespace korvane {

// Reads a log line by line into its Read Parameters runs. Lines come without their line
// feed; a carriage return before it is ignored. Either separator is understood.
class LogParser {
public:
    void AddLine(std::string_view line);

    bool SawFirstLine() const { return sawAnyLine_; }
    // True when the first non-empty line carried a time stamp, as every log's does.
    bool StartsLikeALog() const { return startsLikeLog_; }

    // Ends the reading and hands over what was read.
    LogContent Finish();

private:
    enum class Expect { Nothing, Names, Rows };

    void AddStampedLine(double secondOfDay, std::string_view text);
    // Adds the line to the current run when it is one of its rows (one cell for every
    // column; cells that are no number count as gaps); false, adding nothing, when not.
    bool AddIfRow(double seconds, std::string_view text);
    void Skip() { ++content_.skippedLines; }

    LogContent content_;
    Expect expect_ = Expect::Nothing;
    bool sawAnyLine_ = false;
    bool startsLikeLog_ = false;
    double lastSecondOfDay_ = 0;
    double dayOffset_ = 0;
    std::vector<double> rowCells_; // reused for every row, so rows cost no allocation
};

} // namespace korvane
