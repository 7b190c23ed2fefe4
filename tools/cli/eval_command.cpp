#include "eval_command.h"

#include "formula/formula_evaluator.h"

#include <string>
#include <vector>

namespace korvane::cli {

namespace {

const char* StatusText(std::int32_t status) {
    switch (status) {
    case kFormulaNoText:
        return "no formula text, or a function without its \"(\"";
    case kFormulaOutOfMemory:
        return "out of memory";
    case kFormulaMissingOperand:
        return "an operator or function lacks operands or arguments";
    case kFormulaRangeError:
        return "a divisor too close to zero, or too many arguments";
    case kFormulaUnbalanced:
        return "unbalanced parentheses or a misplaced separator";
    default:
        return "unknown error";
    }
}

} // namespace

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

    FormulaEvaluator evaluator;
    if (!evaluator.Parse(std::string_view(options.formula))) {
        err << "korvane-cli: eval: the formula does not parse: " << StatusText(evaluator.Status())
            << "\n";
        return kExitUsage;
    }
    FormulaValue result;
    if (!evaluator.Evaluate(bound, result)) {
        err << "korvane-cli: eval: the formula cannot be evaluated: "
            << StatusText(evaluator.Status()) << "\n";
        return kExitFailure;
    }
    if (options.format) {
        out << result.FormatForDisplay(*options.format) << "\n";
    } else {
        out << result.ValueText() << "\n";
    }
    return kExitSuccess;
}

} // namespace korvane::cli
