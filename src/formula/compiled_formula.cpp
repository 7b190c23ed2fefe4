#include "formula/compiled_formula.h"

namespace korvane {

CompiledFormula::CompiledFormula(std::string_view text) {
    // A failed parse keeps what it read before the error, and that is evaluated.
    static_cast<void>(evaluator.Parse(text));
    parseStatus = evaluator.Status();
}

bool CompiledFormula::Evaluate(std::span<const FormulaVariable* const> variables,
                               FormulaValue& result) {
    evaluator.Rewind();
    return evaluator.Evaluate(variables, result);
}

} // namespace korvane
