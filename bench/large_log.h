#pragma once

// A large comma-separated log of 16 parameters for the benchmarks that open one, and the
// peak memory of the process for setting against what they keep.
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace korvane::bench {

inline constexpr int kColumns = 16;
inline constexpr std::size_t kFileBytes = 100U * 1000 * 1000;

// Writes lines as LogFile does, straight into one file (the log's own per-line syncing
// would make writing it take minutes).
inline std::string WriteLargeLog() {
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

inline long PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace korvane::bench
