#pragma once

#include "app/qt/graph/strip_chart_model.h"
#include "log/log_runs.h"

namespace korvane {

// Moves the runs of a log into the model, each run a segment; the log's values are
// released run by run, so the two never both hold the whole log.
void AddLogRuns(StripChartModel& model, LogContent&& content);

// How a loaded log is summed up under its chart: its runs and the lines skipped.
std::string LogSummary(const StripChartModel& model, std::size_t skippedLines);

} // namespace korvane
