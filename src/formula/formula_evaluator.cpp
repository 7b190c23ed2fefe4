#include "formula/formula_evaluator.h"

namespace korvane {

// First landing: the interface only; parsing and evaluation follow.
bool FormulaEvaluator::Parse(std::string_view text) {
    root.Clear();
    status = kFormulaOk;
    (void)text;
    return true;
}

bool FormulaEvaluator::Parse(const char* text) {
    if (text == nullptr) {
        root.Clear();
        status = kFormulaNoText;
        return false;
    }
    return Parse(std::string_view(text));
}

bool FormulaEvaluator::Evaluate(std::span<const FormulaVariable* const> variables,
                                FormulaValue& result) {
    status = kFormulaOk;
    (void)variables;
    (void)result;
    return true;
}

} // namespace korvane
