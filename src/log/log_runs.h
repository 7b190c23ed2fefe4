#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

// One "*** Read Parameters ***" run of a log: its column names and its rows.
struct LogRun {
    std::vector<std::string> columns;
    // Per row, the time of its stamp in seconds after midnight of the log's first day: a
    // log that passes midnight goes on counting.
    std::vector<double> seconds;
    // Per column, per row, the number the cell holds; NaN where it holds none (an empty
    // cell from a failed reading, or a text that is not a number).
    std::vector<std::vector<double>> values;

    std::size_t RowCount() const { return seconds.size(); }
    std::optional<double> Value(std::size_t column, std::size_t row) const;
};

// What a log holds for a chart: its Read Parameters runs, in file order, and how many
// lines were neither part of a run nor a log's own lines (Read Memory lines, comments,
// torn or foreign lines).
struct LogContent {
    std::vector<LogRun> runs;
    std::size_t skippedLines = 0;
};

} // namespace korvane
