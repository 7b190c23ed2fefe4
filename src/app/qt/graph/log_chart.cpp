#include "app/qt/graph/log_chart.h"

#include <string>
#include <utility>

namespace korvane {

void AddLogRuns(StripChartModel& model, LogContent&& content) {
    for (LogRun& run : content.runs) {
        model.AddRun(run.columns, run.seconds, run.values);
        run = LogRun();
    }
}

std::string LogSummary(const StripChartModel& model, std::size_t skippedLines) {
    const std::size_t runs = model.SegmentCount();
    std::string text =
        std::to_string(runs) + (runs == 1 ? " run, " : " runs, ") +
        std::to_string(model.PassCount()) + " rows; " + std::to_string(skippedLines) +
        (skippedLines == 1 ? " line skipped" : " lines skipped") + " (not Read Parameters rows)";
    return text;
}

} // namespace korvane
