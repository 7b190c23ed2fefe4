#include "eval_command.h"

#include "formula/formula_evaluator.h"
#include "formula/formula_status_text.h"

#include <string>
#include <vector>

namespace korvane::cli {

int RunEval(const EvalOptions& options, std::ostream& out, std::ostream& err) {
    std::vector<FormulaVariable> variables;
    variables.reserve(options.variables.size());
    for (const EvalVariable& variable : options.variables) {
        variables.emplace_back(variable.name, std::to_string(variable.byte));
    }
    std::vector<const FormulaVariable*> bound;
    bound.reserve(variables.size());
    for (const FormulaVariable& variable : variables) {
        bound.push_back(&variable);
    }

    // As the window does for a parameter: what parsed is evaluated even after a parse
    // error, and a failed evaluation shows the empty value through the format.
    FormulaEvaluator evaluator;
    const bool parsed = evaluator.Parse(std::string_view(options.formula));
    const std::int32_t parseStatus = evaluator.Status();
    FormulaValue result;
    (void)evaluator.Evaluate(bound, result);
    const std::int32_t evaluateStatus = evaluator.Status();
    out << result.FormatForDisplay(options.format.value_or("")) << "\n";
    if (!parsed) {
        err << "korvane-cli: eval: the formula does not parse: " << FormulaStatusText(parseStatus)
            << "\n";
        return kExitFailure;
    }
    if (evaluateStatus != kFormulaOk) {
        err << "korvane-cli: eval: the evaluation reports: " << FormulaStatusText(evaluateStatus)
            << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace korvane::cli
