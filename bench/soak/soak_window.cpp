// A long Read Parameters run with Repeat through the window's presenter against the simulated
// car in fast mode: passes, log rows, resident memory and open descriptors, reported for
// scripts/soak. Exits 1 when a pass is missing from the log, memory grows after warm-up
// or a descriptor leaks.
//   korvane-soak-window [PASSES]

#include "app/app_context.h"
#include "app/main_window_logic.h"
#include "app/unit_worker.h"
#include "memory_window.h"
#include "reading/unit_session.h"
#include "sim_process.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

long OpenDescriptors() {
    long count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

long LinesOf(const fs::path& path) {
    std::ifstream in(path);
    long lines = 0;
    for (std::string line; std::getline(in, line);) {
        ++lines;
    }
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    const int passes = argc > 1 ? std::atoi(argv[1]) : 10000;
    char pattern[] = "/tmp/korvane-soak-XXXXXX";
    if (::mkdtemp(pattern) == nullptr || passes < 20) {
        std::fprintf(stderr, "soak: needs PASSES >= 20 and a temporary folder\n");
        return 2;
    }
    const fs::path folder = pattern;
    for (const char* name : {"paramdef.ini", "SelectMonitor.ini"}) {
        fs::copy_file(fs::path(KORVANE_EXAMPLES_DIR) / name, folder / name);
    }
    ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    fs::current_path(folder);

    int status = 0;
    {
        korvane::ecusim::SimProcess car;
        if (!car.Start({"--com", "1", "--fast"})) {
            std::fprintf(stderr, "soak: the simulator did not start\n");
            return 2;
        }
        // Work runs at once on this thread, so every tick finishes its pass before it returns.
        korvane::UnitSession session;
        korvane::InlineWorker worker;
        korvane::AppContext context;
        context.session = &session;
        context.worker = &worker;
        context.programDirectory = folder.string();

        korvane::soak::MemoryWindow window((folder / "soak.csv").string());
        korvane::MainWindowLogic logic(window, context);
        logic.OnCreate();
        logic.OpenLog();
        logic.GetRomId();
        for (int tick = 0; tick < 50 && window.romIdText != "A1B2C3"; ++tick) {
            logic.Tick();
        }
        if (window.romIdText != "A1B2C3") {
            std::fprintf(stderr, "soak: no ROM ID (%s)\n", window.romIdText.c_str());
            return 1;
        }

        window.repeat = true;
        logic.ReadParameters();
        long warmResident = 0;
        long warmDescriptors = 0;
        long peakResident = 0;
        const auto started = std::chrono::steady_clock::now();
        while (session.ParameterPassCount() < passes) {
            logic.Tick();
            if (session.ParameterPassCount() == 10 && warmResident == 0) {
                warmResident = ResidentKiB();
                warmDescriptors = OpenDescriptors();
            }
            if (session.ParameterPassCount() % 1000 == 0) {
                peakResident = std::max(peakResident, ResidentKiB());
            }
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        logic.StopRun();
        logic.Tick();
        const long endResident = ResidentKiB();
        const long endDescriptors = OpenDescriptors();
        logic.CloseLog();

        // The log holds the session line, the run's title and column lines, then one row
        // per pass.
        const long rows = LinesOf(folder / "soak.csv") - 3;
        std::printf("window soak: %d passes in %.1f s (%.0f passes/s)\n", passes, seconds,
                    passes / seconds);
        std::printf("  log rows: %ld\n", rows);
        std::printf("  resident KiB: %ld after 10 passes, %ld at the end, %ld at most\n",
                    warmResident, endResident, std::max(peakResident, endResident));
        std::printf("  open descriptors: %ld after 10 passes, %ld at the end\n", warmDescriptors,
                    endDescriptors);
        if (rows != passes) {
            std::fprintf(stderr, "soak: %ld log rows for %d passes\n", rows, passes);
            status = 1;
        }
        if (endResident - warmResident > 1024) {
            std::fprintf(stderr, "soak: resident memory grew by %ld KiB\n",
                         endResident - warmResident);
            status = 1;
        }
        if (endDescriptors != warmDescriptors) {
            std::fprintf(stderr, "soak: descriptors went from %ld to %ld\n", warmDescriptors,
                         endDescriptors);
            status = 1;
        }
    }
    fs::current_path("/");
    std::error_code error;
    fs::remove_all(folder, error);
    return status;
}
