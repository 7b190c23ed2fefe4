// Formula text, variable bytes and a display format from the fuzzer: parse, evaluate and
// format must never crash, hang or read outside their buffers, whatever a hand-edited
// definition file holds.

#include "formula/formula_evaluator.h"
#include "formula/formula_value.h"
#include "formula/formula_variable.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string format = input.ConsumeRandomLengthString(64);
    const std::array<const char*, 4> names = {"a", "Speed", "EngineSpeedLow", "x1"};
    std::array<korvane::FormulaVariable, 4> variables;
    std::array<const korvane::FormulaVariable*, 4> bound{};
    for (std::size_t i = 0; i < variables.size(); ++i) {
        variables[i].SetNameAndValue(names[i],
                                     std::to_string(input.ConsumeIntegral<std::uint8_t>()));
        bound[i] = &variables[i];
    }
    const std::string formula = input.ConsumeRemainingBytesAsString();

    korvane::FormulaEvaluator evaluator;
    evaluator.Parse(std::string_view(formula));
    korvane::FormulaValue result;
    evaluator.Evaluate(bound, result);
    std::string shown;
    result.FormatForDisplay(shown, format);
    if (shown.size() > korvane::kDisplayTextLimit) {
        __builtin_trap();
    }
    return 0;
}
