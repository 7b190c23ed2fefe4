// Cost of one displayed value: Parse, Evaluate and FormatForDisplay of a formula against
// a group's variables, as every Read Parameters pass does for every parameter.
#include "formula/formula_evaluator.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using korvane::FormulaEvaluator;
using korvane::FormulaValue;
using korvane::FormulaVariable;

void FormatOneValue(benchmark::State& state, const char* formula, const char* format) {
    // A group of a typical size, in name order, with the raw bytes as "%d" texts.
    std::vector<FormulaVariable> group{
        {"BatteryVolts", "156"},  {"CoolantTemp", "130"}, {"EngineSpeed", "32"},
        {"InputSwitches", "165"}, {"IOSwitches", "3"},    {"RpmHigh", "3"},
        {"RpmLow", "32"},         {"SparkAdvance", "16"},
    };
    std::vector<const FormulaVariable*> variables;
    variables.reserve(group.size());
    for (const auto& variable : group) {
        variables.push_back(&variable);
    }
    FormulaEvaluator evaluator;
    std::string shown;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        evaluator.Parse(formula);
        FormulaValue result;
        evaluator.Evaluate(variables, result);
        result.FormatForDisplay(shown, format);
        benchmark::DoNotOptimize(shown.data());
    }
    state.SetLabel(shown);
}

void BM_EngineSpeed(benchmark::State& state) {
    FormatOneValue(state, "EngineSpeed*25", "%.0f rpm");
}
BENCHMARK(BM_EngineSpeed);

void BM_TwoByteRpm(benchmark::State& state) {
    FormatOneValue(state, "(RpmHigh*256+RpmLow)/4", "%d");
}
BENCHMARK(BM_TwoByteRpm);

void BM_RawByteHex(benchmark::State& state) {
    FormatOneValue(state, "SparkAdvance", "0x%02X");
}
BENCHMARK(BM_RawByteHex);

void BM_SumOfSines(benchmark::State& state) {
    FormatOneValue(state, "SUM(SIN(BatteryVolts/100);COS(CoolantTemp/100);1)*10", "%.2f");
}
BENCHMARK(BM_SumOfSines);

} // namespace
