#pragma once

#include "formula/formula_evaluator.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace korvane {

// A formula parsed once and evaluated on every reading. Each Evaluate works on the whole
// parsed form, as a Parse just before it would: what a failed parse kept is evaluated,
// and the evaluation's quirks are those of FormulaEvaluator.
class CompiledFormula {
public:
    explicit CompiledFormula(std::string_view text);

    CompiledFormula(const CompiledFormula&) = delete;
    CompiledFormula& operator=(const CompiledFormula&) = delete;

    // As FormulaEvaluator::Evaluate, without using the parsed form up.
    bool Evaluate(std::span<const FormulaVariable* const> variables, FormulaValue& result);
    // The code the last Evaluate left (before the first, the parse's).
    std::int32_t Status() const { return evaluator.Status(); }
    // Whether the whole text parsed, and the code the parse left.
    bool Parsed() const { return parseStatus == kFormulaOk; }
    std::int32_t ParseStatus() const { return parseStatus; }

    bool UsesVariable(std::string_view name) const { return evaluator.UsesVariable(name); }

private:
    FormulaEvaluator evaluator;
    std::int32_t parseStatus = kFormulaOk;
};

} // namespace korvane
