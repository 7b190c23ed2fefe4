#include "formula/formula_display.h"

#include "formula/formula_status_text.h"

namespace korvane {

ShownValue EvaluateForDisplay(CompiledFormula& formula,
                              std::span<const FormulaVariable* const> variables,
                              std::string_view format) {
    FormulaValue result;
    static_cast<void>(formula.Evaluate(variables, result));
    ShownValue shown;
    result.FormatForDisplay(shown.text, format);
    if (formula.Status() == kFormulaOk) {
        shown.number = result.Number();
    }
    return shown;
}

std::string FormulaReport(const CompiledFormula& formula) {
    if (!formula.Parsed()) {
        return std::string("the formula does not parse: ") +
               FormulaStatusText(formula.ParseStatus());
    }
    if (formula.Status() != kFormulaOk) {
        return std::string("the evaluation reports: ") + FormulaStatusText(formula.Status());
    }
    return {};
}

} // namespace korvane
