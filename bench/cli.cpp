// korvane-cli as a program: start-up and exit of `eval` with its peak resident memory, and
// a long `params --follow` against the simulated car in fast mode with its resident memory
// early and late in the run, which should stay flat.

#include "sim_process.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Starts korvane-cli with the arguments, its standard output going to `outputFd` (or
// nowhere when -1). -1 when it cannot be started.
pid_t StartCli(const std::vector<std::string>& arguments, int outputFd) {
    std::vector<std::string> texts{KORVANE_CLI_PATH};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(texts.size() + 1);
    for (std::string& argument : texts) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outputFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

void BM_CliEvalStartAndExit(benchmark::State& state) {
    long peakKb = 0;
    int failed = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        const pid_t pid = StartCli({"eval", "x/2", "x=7", "--format", "%.1f"}, -1);
        int status = 0;
        rusage usage{};
        if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || status != 0) {
            ++failed;
            continue;
        }
        peakKb = std::max(peakKb, usage.ru_maxrss);
    }
    state.counters["max_rss_kb"] = static_cast<double>(peakKb);
    state.counters["failed"] = failed;
}

BENCHMARK(BM_CliEvalStartAndExit)->Unit(benchmark::kMillisecond)->UseRealTime();

constexpr int kFirstMeasuredPass = 10;
constexpr int kLastPass = 1000;

void BM_CliParamsFollow(benchmark::State& state) {
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        korvane::ecusim::SimProcess simulator;
        int output[2];
        if (!simulator.Start({"--fast"}) || pipe(output) != 0) {
            state.SkipWithError("simulator not available");
            return;
        }
        const std::string log = "/tmp/korvane-bench-follow-" + std::to_string(getpid()) + ".csv";
        const pid_t pid = StartCli({"--port", simulator.PtyPath(), "--dir", KORVANE_EXAMPLES_DIR,
                                    "params", "--romid", "A1B2C3", "--follow", "--log", log},
                                   output[1]);
        close(output[1]);
        // Passes are counted by their last line.
        const std::string marker = "IO switches: ";
        std::string pending;
        int passes = 0;
        long earlyKb = -1;
        auto early = std::chrono::steady_clock::now();
        char buffer[4096];
        ssize_t count = 0;
        while (pid > 0 && passes < kLastPass &&
               (count = read(output[0], buffer, sizeof buffer)) > 0) {
            pending.append(buffer, static_cast<std::size_t>(count));
            for (std::size_t at = pending.find(marker); at != std::string::npos;
                 at = pending.find(marker)) {
                pending.erase(0, at + marker.size());
                if (++passes == kFirstMeasuredPass) {
                    earlyKb = ResidentKb(pid);
                    early = std::chrono::steady_clock::now();
                }
            }
        }
        const long lateKb = pid > 0 ? ResidentKb(pid) : -1;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - early).count();
        if (pid > 0) {
            (void)kill(pid, SIGTERM);
            (void)waitpid(pid, nullptr, 0);
        }
        close(output[0]);
        (void)unlink(log.c_str());
        state.SetIterationTime(seconds);
        state.counters["passes"] = passes;
        state.counters["rss_pass10_kb"] = static_cast<double>(earlyKb);
        state.counters["rss_pass1000_kb"] = static_cast<double>(lateKb);
        state.counters["ms_per_pass"] = 1000.0 * seconds / (passes - kFirstMeasuredPass);
    }
}

BENCHMARK(BM_CliParamsFollow)->Unit(benchmark::kSecond)->UseManualTime()->Iterations(1);

} // namespace
