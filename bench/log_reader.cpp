// Opening a large log for the chart: ReadLogFile over a 100 MB comma-separated log of 16
// parameters, with the peak memory it takes set against the values it keeps.
#include "log/log_file_reader.h"

#include "large_log.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

using korvane::bench::PeakResidentKiB;
using korvane::bench::WriteLargeLog;

void BM_ReadLargeLog(benchmark::State& state) {
    const std::string path = WriteLargeLog();
    const long residentBefore = PeakResidentKiB();
    std::size_t values = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        const korvane::LogReadResult result = korvane::ReadLogFile(path);
        values = 0;
        for (const auto& run : result.content.runs) {
            values += run.RowCount() * run.columns.size();
        }
        benchmark::DoNotOptimize(values);
    }
    const double peakBytes = static_cast<double>(PeakResidentKiB() - residentBefore) * 1024;
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    state.counters["values"] = static_cast<double>(values);
    state.counters["peak_MB"] = peakBytes / 1e6;
    // Must stay at most 3 (plus fixed overhead): peak memory over values x 8 bytes.
    state.counters["peak_per_value_x8"] = peakBytes / (static_cast<double>(values) * 8);
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadLargeLog)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
