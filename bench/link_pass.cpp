// One read transaction over the program's serial port against the simulated car at the
// line's pace, compared with the time the line itself needs: per address a 4-byte frame and
// a 3-byte reply of 11 bits each at 1953 baud, then the stop frame and its 50 ms pause.
// The "line_ratio" counter is measured time over that limit.

#include "sim_process.h"

#include "link/read_transaction.h"
#include "link/serial_port.h"
#include "link/thread_sleeper.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

using namespace korvane;

constexpr double kByteSeconds = 11.0 / 1953.0;

double LineLimitSeconds(int addresses) {
    return addresses * 7 * kByteSeconds + 4 * kByteSeconds + 0.050;
}

void BM_ReadTransactionAtLinePace(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    ecusim::SimProcess simulator;
    SerialPort port;
    if (!simulator.Start({"--frozen"}) ||
        !port.Open(simulator.PtyPath(), kUnitBaudRate, kParityEven, kOneStopBit)) {
        state.SkipWithError("simulator or port not available");
        return;
    }
    ThreadSleeper sleeper;
    const UnitLink link{port, sleeper, UnitType::Ecu};
    std::vector<std::uint32_t> addresses;
    addresses.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        addresses.push_back(static_cast<std::uint32_t>(0x1200 + 3 * i));
    }
    std::vector<std::uint8_t> bytes(addresses.size());
    double seconds = 0.0;
    int failed = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        const auto start = std::chrono::steady_clock::now();
        if (ReadAddressSequence(link, addresses, bytes) != count) {
            ++failed;
        }
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double perPass = seconds / static_cast<double>(state.iterations());
    state.counters["line_ratio"] = perPass / LineLimitSeconds(count);
    state.counters["failed"] = failed;
}

BENCHMARK(BM_ReadTransactionAtLinePace)
    ->Arg(1)
    ->Arg(8)
    ->Arg(32)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3.0);

} // namespace
