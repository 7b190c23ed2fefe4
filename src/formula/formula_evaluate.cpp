#include "formula/formula_evaluator.h"

#include "formula/decimal_text.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <new>
#include <utility>
#include <vector>

namespace korvane {
namespace {

constexpr double kDivisionGuard = 1e-8;

// Gives every operand of the parsed form the value text of the variable of the same
// exact name; the last such variable wins. Walks the lists without recursion.
void BindVariables(TokenList& root, std::span<const FormulaVariable* const> variables) {
    std::vector<TokenList*> pending{&root};
    while (!pending.empty()) {
        TokenList* list = pending.back();
        pending.pop_back();
        for (auto& item : list->output) {
            if (item->IsValue()) {
                auto& operand = static_cast<FormulaValue&>(*item);
                for (auto it = variables.rbegin(); it != variables.rend(); ++it) {
                    if (*it != nullptr && (*it)->Name() == operand.Name()) {
                        operand.SetValueText((*it)->ValueText());
                        break;
                    }
                }
            } else {
                auto& token = static_cast<FormulaToken&>(*item);
                if (token.code == kTokenOpen && token.subList) {
                    pending.push_back(token.subList.get());
                }
            }
        }
    }
}

// Calls `visit` with every operand of the parsed form; stops when it returns true.
template <class Visit> bool AnyOperand(const TokenList& root, Visit visit) {
    std::vector<const TokenList*> pending{&root};
    while (!pending.empty()) {
        const TokenList* list = pending.back();
        pending.pop_back();
        for (const auto& item : list->output) {
            if (item->IsValue()) {
                if (visit(static_cast<const FormulaValue&>(*item))) {
                    return true;
                }
            } else if (const auto& token = static_cast<const FormulaToken&>(*item);
                       token.code == kTokenOpen && token.subList) {
                pending.push_back(token.subList.get());
            }
        }
    }
    return false;
}

bool IsOperator(std::int32_t code) {
    return code >= kTokenPlus && code <= kTokenDivide;
}

bool IsFunction(std::int32_t code) {
    return code >= kTokenSin && code <= kTokenSum;
}

// One pending step of an evaluation. The evaluation order follows the recursive
// definition (the last item of a list, consuming what it needs from before it), but
// the steps live on a heap stack so that nesting depth cannot exhaust the call stack.
struct Step {
    enum class Kind { List, Operator, Group, Function };

    Kind kind = Kind::List;
    TokenList* list = nullptr;      // List: the list to take from; else its source list
    FormulaValue* target = nullptr; // where the step's value goes
    std::int32_t code = 0;
    bool haveRight = false;              // Operator: right operand done, left one pending
    FormulaValue left;                   // Operator: left operand; Group: the contents
    FormulaValue right;                  // Operator: right operand
    std::vector<FormulaValue> arguments; // Function
    std::size_t argumentsLeft = 0;       // Function: arguments still to evaluate
};

class StepEvaluator {
public:
    explicit StepEvaluator(std::int32_t& statusCode) : status(statusCode) {}

    bool Run(TokenList& root, FormulaValue& result) {
        Push(Step::Kind::List, &root, &result);
        while (!steps.empty()) {
            if (!Advance(steps.back())) {
                return false;
            }
        }
        return true;
    }

private:
    Step& Push(Step::Kind kind, TokenList* list, FormulaValue* target) {
        Step& step = steps.emplace_back();
        step.kind = kind;
        step.list = list;
        step.target = target;
        return step;
    }

    bool Fail(std::int32_t code) {
        status = code;
        return false;
    }

    bool Advance(Step& step) {
        switch (step.kind) {
        case Step::Kind::List:
            return TakeFromList(step);
        case Step::Kind::Operator:
            if (!step.haveRight) {
                step.haveRight = true;
                Push(Step::Kind::List, step.list, &step.left);
                return true;
            }
            FinishOperator(step);
            return true;
        case Step::Kind::Group:
            *step.target = step.left;
            steps.pop_back();
            return true;
        case Step::Kind::Function:
            if (step.argumentsLeft > 0) {
                --step.argumentsLeft;
                Push(Step::Kind::List, step.list, &step.arguments[step.argumentsLeft]);
                return true;
            }
            FinishFunction(step);
            return true;
        }
        return Fail(kFormulaNoText);
    }

    // Takes items from the end of the list until one has been evaluated (or started).
    bool TakeFromList(Step& step) {
        TokenList& list = *step.list;
        while (list.cursor > 0) {
            FormulaItem* item = list.output[--list.cursor].get();
            // An operand is its own value.
            if (item->IsValue()) {
                *step.target = static_cast<const FormulaValue&>(*item);
                steps.pop_back();
                return true;
            }
            const auto& token = static_cast<const FormulaToken&>(*item);
            // An operator: its right operand ends just before it, its left one before
            // that; both are taken from this same list.
            if (IsOperator(token.code)) {
                if (list.cursor < 2) {
                    return Fail(kFormulaMissingOperand);
                }
                step.kind = Step::Kind::Operator;
                step.code = token.code;
                Push(Step::Kind::List, &list, &step.right);
                return true;
            }
            // A "(" or group token on its own: the value of the last thing in it.
            if (token.code == kTokenOpen) {
                if (!token.subList) {
                    return Fail(kFormulaUnbalanced);
                }
                step.kind = Step::Kind::Group;
                Push(Step::Kind::List, token.subList.get(), &step.left);
                return true;
            }
            if (IsFunction(token.code)) {
                return StartFunction(step, token);
            }
            // Anything else is not part of a parsed form; skip it.
        }
        steps.pop_back();
        return true;
    }

    // A function needs its "(" token right before it; each group of that token's sub-list
    // is one argument, evaluated from the last to the first.
    bool StartFunction(Step& step, const FormulaToken& function) {
        TokenList& list = *step.list;
        if (list.cursor == 0) {
            return Fail(kFormulaMissingOperand);
        }
        FormulaItem* item = list.output[--list.cursor].get();
        if (item == nullptr) {
            return Fail(kFormulaMissingOperand);
        }
        if (item->IsValue()) {
            return Fail(kFormulaNoText);
        }
        const auto& open = static_cast<const FormulaToken&>(*item);
        if (!open.subList) {
            return Fail(kFormulaUnbalanced);
        }
        const std::size_t count = open.subList->cursor;
        if (count < static_cast<std::size_t>(function.minOperands)) {
            return Fail(kFormulaMissingOperand);
        }
        if (function.maxOperands != -1 && count > static_cast<std::size_t>(function.maxOperands)) {
            return Fail(kFormulaRangeError);
        }
        step.kind = Step::Kind::Function;
        step.code = function.code;
        step.list = open.subList.get();
        step.arguments.resize(count);
        step.argumentsLeft = count;
        return true;
    }

    void FinishOperator(Step& step) {
        const double a = step.left.ValueAsReal();
        double b = step.right.ValueAsReal();
        double value = 0.0;
        switch (step.code) {
        case kTokenPlus:
            value = a + b;
            break;
        case kTokenMinus:
            value = a - b;
            break;
        case kTokenTimes:
            value = a * b;
            break;
        default:
            // A divisor this close to zero is replaced, and the result still counts.
            if (b > -kDivisionGuard && b < kDivisionGuard) {
                status = kFormulaRangeError;
                b = kDivisionGuard;
            }
            value = a / b;
            break;
        }
        step.target->SetValueText(WriteFixed(value));
        steps.pop_back();
    }

    void FinishFunction(Step& step) {
        double value = 0.0;
        if (step.code == kTokenSum) {
            for (const FormulaValue& argument : step.arguments) {
                value += argument.ValueAsReal();
            }
        } else {
            const double x = step.arguments.front().ValueAsReal();
            value = step.code == kTokenSin ? std::sin(x) : std::cos(x);
        }
        step.target->SetValueText(WriteFixed(value));
        steps.pop_back();
    }

    std::int32_t& status;
    // A deque keeps the steps in place as more are pushed: later steps write into
    // values that live in earlier ones.
    std::deque<Step> steps;
};

} // namespace

bool FormulaEvaluator::Evaluate(std::span<const FormulaVariable* const> variables,
                                FormulaValue& result) {
    status = kFormulaOk;
    try {
        BindVariables(root, variables);
        // Work on a copy so that a failure leaves the caller's result as it was.
        FormulaValue value = result;
        StepEvaluator evaluator(status);
        if (!evaluator.Run(root, value)) {
            return false;
        }
        result = std::move(value);
        return true;
    } catch (const std::bad_alloc&) {
        status = kFormulaOutOfMemory;
        return false;
    }
}

bool FormulaEvaluator::UsesVariable(std::string_view name) const {
    return AnyOperand(root, [name](const FormulaValue& operand) { return operand.Name() == name; });
}

std::vector<std::string> FormulaEvaluator::OperandNames() const {
    std::vector<std::string> names;
    AnyOperand(root, [&names](const FormulaValue& operand) {
        if (std::find(names.begin(), names.end(), operand.Name()) == names.end()) {
            names.push_back(operand.Name());
        }
        return false;
    });
    return names;
}

} // namespace korvane
