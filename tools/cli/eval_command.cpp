#include "eval_command.h"

#include "formula/formula_display.h"

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
    CompiledFormula formula(options.formula);
    out << EvaluateForDisplay(formula, bound, options.format.value_or("")).text << "\n";
    if (const std::string report = FormulaReport(formula); !report.empty()) {
        err << "korvane-cli: eval: " << report << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace korvane::cli
