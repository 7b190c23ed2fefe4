// Opening a large log for the chart: ReadLogFile over a 100 MB comma-separated log of 16
// parameters, with the peak memory it takes set against the values it keeps.
#include "log/log_file_reader.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int kColumns = 16;
constexpr std::size_t kFileBytes = 100U * 1000 * 1000;

// Writes lines as LogFile does, straight into one file (the log's own per-line syncing
// would make writing it take minutes).
std::string WriteLargeLog() {
    const std::string path =
        (std::filesystem::temp_directory_path() / "korvane-bench-large-log.csv").string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return path;
    }
    std::fputs("10:00:00.000,Starting log session.\n10:00:00.000,*** Read Parameters ***\n"
               "10:00:00.000,",
               file);
    for (int column = 0; column < kColumns; ++column) {
        std::fprintf(file, "Parameter%d,", column);
    }
    std::fputs("\n", file);
    std::size_t written = 0;
    for (long pass = 0; written < kFileBytes; ++pass) {
        const long ms = 36000000 + pass * 100;
        int length = std::fprintf(file, "%02ld:%02ld:%02ld.%03ld,", ms / 3600000 % 24,
                                  ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
        for (int column = 0; column < kColumns; ++column) {
            // Every 50th cell empty, as after a failed reading.
            length += (pass + column) % 50 == 0
                          ? std::fprintf(file, ",")
                          : std::fprintf(file, "%.1f,", (pass * 7 + column * 131) % 9000 / 3.0);
        }
        length += std::fprintf(file, "\n");
        written += static_cast<std::size_t>(length);
    }
    std::fclose(file);
    return path;
}

long PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

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
