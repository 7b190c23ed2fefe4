// Costs of the parameter definitions: loading generated definition files and turning a raw
// byte into its display text.

#include "definitions/definition_store.h"
#include "definitions/message_list.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using korvane::DefinitionStore;

std::string WriteTempFile(const std::string& name, const std::string& text) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

// 10,000 template lines in the usual mix of plain and quoted fields.
std::string ParameterFileText() {
    std::string text = "; generated parameter templates\n";
    for (int i = 0; i < 10000; ++i) {
        const std::string name = "Param" + std::to_string(i);
        if (i % 2 == 0) {
            text += name + ",%.2f," + name + "*8/100\n";
        } else {
            text += name + ", \"%.0f rpm\", \"(" + name + "*256+Low)/4\"  ; comment\n";
        }
    }
    return text;
}

// 1,000 sections of 20 parameters each, named like the templates above.
std::string MonitorFileText() {
    std::string text = "[Options]\nCommPort=2\n";
    for (int section = 0; section < 1000; ++section) {
        text += "[" + std::to_string(100000 + section) + "]\nName=Generated unit " +
                std::to_string(section) + "\n";
        for (int i = 0; i < 20; ++i) {
            text += "Param" + std::to_string(section * 10 + i) + "Address=0x" +
                    std::to_string(1000 + i) + "\n";
        }
    }
    return text;
}

void BM_LoadParameterFile(benchmark::State& state) {
    const std::string path = WriteTempFile("korvane-bench-paramdef.ini", ParameterFileText());
    const bool echo = state.range(0) != 0;
    for (auto _ : state) {
        DefinitionStore store;
        korvane::VectorMessageList messages;
        benchmark::DoNotOptimize(store.LoadParameterFile(path, echo ? &messages : nullptr));
    }
    state.SetItemsProcessed(state.iterations() * 10000);
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadParameterFile)->Arg(0)->Arg(1)->ArgName("echo")->Unit(benchmark::kMillisecond);

void BM_LoadMonitorFile(benchmark::State& state) {
    const std::string parameters =
        WriteTempFile("korvane-bench-paramdef2.ini", ParameterFileText());
    const std::string monitor = WriteTempFile("korvane-bench-monitor.ini", MonitorFileText());
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<DefinitionStore>();
        store->LoadParameterFile(parameters, nullptr);
        korvane::VectorMessageList messages;
        state.ResumeTiming();
        store->LoadMonitorFile(monitor, &messages);
        benchmark::DoNotOptimize(store->GroupCount());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
    std::filesystem::remove(parameters);
    std::filesystem::remove(monitor);
}
BENCHMARK(BM_LoadMonitorFile)->Unit(benchmark::kMillisecond);

void BM_FormatValue(benchmark::State& state, const char* name) {
    DefinitionStore store;
    store.LoadParameterFile(KORVANE_EXAMPLES_DIR "/paramdef.ini", nullptr);
    store.LoadMonitorFile(KORVANE_EXAMPLES_DIR "/SelectMonitor.ini", nullptr);
    if (!store.SelectRomId("A1B2C3")) {
        state.SkipWithError("example files did not load");
        return;
    }
    korvane::RomIdGroup& group = *store.SelectedGroup();
    group.SetRawValue("EngineSpeed", 0x0C);
    group.SetRawValue("EngineSpeedLow", 0x80);
    group.SetRawValue("BatteryVolts", 156);
    for (auto _ : state) {
        benchmark::DoNotOptimize(group.FormatValue(name).data());
    }
}
BENCHMARK_CAPTURE(BM_FormatValue, EngineSpeed, "EngineSpeed");
BENCHMARK_CAPTURE(BM_FormatValue, BatteryVolts, "BatteryVolts");
BENCHMARK_CAPTURE(BM_FormatValue, InputSwitches, "InputSwitches");

// What a Read Parameters pass does between the read and the log for the 16 parameters of
// the example engine unit: store every byte, then turn every parameter into its value.
void BM_ParameterPassValues(benchmark::State& state) {
    DefinitionStore store;
    store.LoadParameterFile(KORVANE_EXAMPLES_DIR "/paramdef.ini", nullptr);
    store.LoadMonitorFile(KORVANE_EXAMPLES_DIR "/SelectMonitor.ini", nullptr);
    DefinitionStore::AddressMap map;
    if (!store.SelectRomId("A1B2C3") || store.SelectedAddressMap(map) != 16) {
        state.SkipWithError("example files did not load");
        return;
    }
    korvane::RomIdGroup& group = *store.SelectedGroup();
    std::uint8_t byte = 0;
    for (auto _ : state) {
        for (const auto& [address, name] : map) {
            group.SetRawValue(name, byte++);
        }
        for (const auto& [address, name] : map) {
            benchmark::DoNotOptimize(group.FormatValue(name).data());
        }
    }
    state.SetItemsProcessed(state.iterations() * 16);
}
BENCHMARK(BM_ParameterPassValues);

} // namespace
