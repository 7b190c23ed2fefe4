#pragma once

#include "formula/formula_value.h"
#include "formula/formula_variable.h"
#include "formula/token_list.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Status codes left by Parse and Evaluate.
enum FormulaStatus : std::int32_t {
    kFormulaOk = 0,
    kFormulaNoText = 1, // no text, or a function without its "(" token
    kFormulaOutOfMemory = 2,
    kFormulaMissingOperand = 3, // an operator or function lacks operands or arguments
    kFormulaRangeError = 4,     // divisor too close to zero, or too many arguments
    kFormulaUnbalanced = 5,     // ")" or ";" outside parentheses, or empty parentheses
};

// Parser and evaluator of formulas. Parse builds the parsed form of a formula;
// Evaluate consumes it, so every Evaluate needs a Parse before it.
//
// The parsed form is a tree of TokenLists, each holding one level in postfix order
// (operands first, then the operator that takes them), built by the shunting-yard
// method: operands go straight to the list's output, operators wait on the list's stack
// until one of lower or equal precedence or the end of the level sends them out.
//
// A parenthesis makes two levels: the "(" token's sub-list holds one group token per
// argument, and each group's sub-list holds that argument in postfix order. A function
// name follows its "(" token in the output. So 'SUM(byte1;2*3)+4' is
//     root:         (  SUM  4  +
//     "(" sub-list: group1  group2
//     group1:       byte1
//     group2:       2  3  *
//
// Evaluation works from the end of a list backwards: the last item is the value. An
// operator evaluates what precedes it twice, first its right operand and then its left;
// a function takes the "(" token before it and evaluates each group of that token's
// sub-list as one argument; a group or "(" token on its own gives the value of its
// contents. Every list keeps a cursor of the items not yet taken, which is why an
// evaluation uses the parsed form up.
class FormulaEvaluator {
public:
    FormulaEvaluator() = default;
    virtual ~FormulaEvaluator() = default;

    FormulaEvaluator(const FormulaEvaluator&) = delete;
    FormulaEvaluator& operator=(const FormulaEvaluator&) = delete;

    // Replaces the parsed form with that of `text` (read up to its first zero byte).
    // False on an error, with Status() telling which; what was parsed before the
    // error stays and can still be evaluated.
    bool Parse(std::string_view text);
    // A null text fails with kFormulaNoText.
    bool Parse(const char* text);

    // Binds the variables to the operands of the same exact name (a later variable
    // wins) and computes the value of the parsed form into `result`, which is left
    // unchanged on failure.
    bool Evaluate(std::span<const FormulaVariable* const> variables, FormulaValue& result);

    // Makes the parsed form whole again, as Parse left it, for one more Evaluate.
    void Rewind() { root.Rewind(); }

    // True when the parsed form has an operand of exactly this name, which a variable of
    // that name would give its value.
    bool UsesVariable(std::string_view name) const;

    std::int32_t Status() const { return status; }
    char Separator() const { return separator; }

    // The text of every operand of the parsed form (numbers and names alike), each once.
    std::vector<std::string> OperandNames() const;

private:
    TokenList root;
    std::int32_t status = kFormulaOk;
    char separator = ';';
};

} // namespace korvane
