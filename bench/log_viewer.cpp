// Opening a large log in the log viewer, all but the painting: the 100 MB log read, its
// runs moved into the chart's model and the first four strips worked out for a window
// 1200 pixels wide, with the peak memory set against the values kept.
#include "app/qt/graph/log_chart.h"
#include "app/qt/graph/strip_chart_model.h"
#include "log/log_file_reader.h"

#include "large_log.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

using korvane::bench::PeakResidentKiB;
using korvane::bench::WriteLargeLog;

void BM_OpenLargeLogInViewer(benchmark::State& state) {
    const std::string path = WriteLargeLog();
    const long residentBefore = PeakResidentKiB();
    double values = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        korvane::LogReadResult log = korvane::ReadLogFile(path);
        korvane::StripChartModel model;
        korvane::AddLogRuns(model, std::move(log.content));
        model.SetSpan(std::nullopt);
        const auto& names = model.Parameters();
        model.Choose({names.begin(), names.begin() + 4});
        const auto strips = model.Strips(1200);
        benchmark::DoNotOptimize(strips.data());
        values = static_cast<double>(model.PassCount() * names.size());
    }
    const double peakBytes = static_cast<double>(PeakResidentKiB() - residentBefore) * 1024;
    state.counters["values"] = values;
    state.counters["peak_MB"] = peakBytes / 1e6;
    // Must stay at most 3 (plus fixed overhead): peak memory over values x 8 bytes.
    state.counters["peak_per_value_x8"] = peakBytes / (values * 8);
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenLargeLogInViewer)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
