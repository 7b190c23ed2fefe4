#pragma once

#include "formula/compiled_formula.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvane {

// A formula's value as a parameter shows it: the text through its display format and,
// when the evaluation succeeded with a number, that number.
struct ShownValue {
    std::string text;
    std::optional<double> number;
};

// Evaluates the formula over the variables and shows the result through the format. A
// failed evaluation still shows whatever the engine leaves in the result; only its number
// is withheld, as is that of a division by almost zero.
ShownValue EvaluateForDisplay(CompiledFormula& formula,
                              std::span<const FormulaVariable* const> variables,
                              std::string_view format);

// What the engine reported for the formula's parse and its last evaluation, in words:
// "the formula does not parse: ...", "the evaluation reports: ...", or empty when both
// went well.
std::string FormulaReport(const CompiledFormula& formula);

} // namespace korvane
