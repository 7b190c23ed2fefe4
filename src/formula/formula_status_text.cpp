#include "formula/formula_status_text.h"

#include "formula/formula_evaluator.h"

namespace korvane {

const char* FormulaStatusText(std::int32_t status) {
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

} // namespace korvane
