#include "formula/formula_evaluator.h"

#include "formula/token_table.h"

#include <memory>
#include <new>
#include <string>

namespace korvane {
namespace {

// The formula as the parser reads it: up to the first zero byte, without the blanks
// and control characters, so 'byte 1' and "byte1" name the same operand.
std::string WithoutBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (c == '\0') {
            break;
        }
        if (static_cast<unsigned char>(c) > 32) {
            kept.push_back(c);
        }
    }
    return kept;
}

// Parser state for one formula text; builds into the evaluator's root list.
//
//   formula   := "="* item*
//   item      := operand | token | ";"
//   operand   := any run of characters that is neither a token nor ";", quoted text
//                included (a quote that opens text hides tokens and ";" up to its
//                closing quote)
//   token     := "+" | "-" | "*" | "/" | "(" | ")" | function "("
//   function  := "SIN" | "COS" | "SUM"        (any case)
//
// The scan is one pass over the characters with no look-back: it does not check that
// operands and operators alternate or that parentheses close; the evaluation finds what
// is missing. "-5" parses (5 -) and fails later for want of a left operand. What the
// parser itself refuses is a ")" or ";" with no enclosing parenthesis: it stops there
// with kFormulaUnbalanced, keeping what it built before.
class FormulaParser {
public:
    FormulaParser(std::string formulaText, TokenList& root, char separatorChar)
        : text(std::move(formulaText)), current(&root), separator(separatorChar) {}

    // The status code of the outcome: kFormulaOk or the error that stopped the scan.
    // formula := "="* item*; leading "=" let a formula be written as '=x*2'.
    std::int32_t Run() {
        while (cursor < text.size() && text[cursor] == '=') {
            ++cursor;
        }
        start = cursor;
        while (cursor < text.size()) {
            // Inside quotes, operators and separators belong to the operand.
            const bool quoted = cursor > start && quotes + CountedQuote(cursor) == 1;
            const TokenRow* row =
                quoted ? nullptr : MatchToken(std::string_view(text).substr(cursor));
            std::int32_t failure = kFormulaOk;
            if (row != nullptr) {
                failure = TakeToken(*row);
            } else if (!quoted && text[cursor] == separator) {
                failure = TakeSeparator();
            } else {
                quotes += CountedQuote(cursor);
                ++cursor;
            }
            if (failure != kFormulaOk) {
                return failure;
            }
            if (cursor == text.size()) {
                AppendPendingOperand(cursor);
            }
        }
        // End of text: only the current level's stack is emptied. Parentheses left open
        // are forgiven, but the operators waiting in the levels around them never reach
        // an output: '2*(3+4' evaluates to 7, not 14.
        current->MoveStackToOutput();
        return kFormulaOk;
    }

private:
    // A double quote counts at the operand start or when no backslash precedes it.
    int CountedQuote(std::size_t at) const {
        return text[at] == '"' && (at == start || text[at - 1] != '\\') ? 1 : 0;
    }

    void AppendPendingOperand(std::size_t end) {
        if (end > start) {
            const std::string_view operand = std::string_view(text).substr(start, end - start);
            current->Append(std::make_unique<FormulaValue>(operand, operand));
        }
    }

    void RestartOperand() {
        start = cursor;
        quotes = 0;
    }

    // Appends a group token to the current list and descends into its sub-list.
    void OpenGroup() {
        auto group = FormulaToken::MakeGroup(current);
        TokenList* inner = group->subList.get();
        current->Append(std::move(group));
        current = inner;
    }

    // Moves the current list's waiting operators out and climbs to its parent. False at
    // the root: there is no parenthesis to close.
    bool CloseLevel() {
        current->MoveStackToOutput();
        if (current->parent == nullptr) {
            return false;
        }
        current = current->parent;
        return true;
    }

    std::int32_t TakeToken(const TokenRow& row) {
        const std::size_t tokenStart = cursor;
        cursor += row.text.size();
        AppendPendingOperand(tokenStart);
        if (row.code == kTokenOpen) {
            // "(" item* ")": the "(" token goes to the output at once, so that a function
            // name pushed just before it follows it there; its sub-list takes the
            // argument groups, and the first group is opened now.
            auto open = std::make_unique<FormulaToken>(row);
            open->subList = std::make_unique<TokenList>(current);
            TokenList* inner = open->subList.get();
            current->Append(std::move(open));
            current = inner;
            OpenGroup();
        } else if (row.code == kTokenClose) {
            // ")" ends both the argument group and the parenthesis list around it. A ")"
            // with no "(" open fails: 'a+b)' keeps a b +, since the pending operand and
            // the stack reach the output before the missing parent is noticed.
            if (!CloseLevel() || !CloseLevel()) {
                return kFormulaUnbalanced;
            }
        } else {
            // An operator or a function name: the shunting-yard step. Waiting tokens that
            // bind at least as tightly go out first, so '8-2-1' is (8-2)-1.
            auto& stack = current->operatorStack;
            while (!stack.empty() && stack.back()->precedence >= row.precedence) {
                std::unique_ptr<FormulaItem> top = std::move(stack.back());
                stack.pop_back();
                current->Append(std::move(top));
            }
            stack.push_back(std::make_unique<FormulaToken>(row));
        }
        RestartOperand();
        return kFormulaOk;
    }

    // The separator ends one argument and opens the next in the same parenthesis:
    // "(" item* (";" item*)* ")". Outside parentheses there is no argument to end, so a
    // stray ";" fails and 'a;b' keeps only a. 'SUM(a;;b)' has an empty middle group.
    std::int32_t TakeSeparator() {
        AppendPendingOperand(cursor);
        ++cursor;
        if (!CloseLevel()) {
            return kFormulaUnbalanced;
        }
        OpenGroup();
        RestartOperand();
        return kFormulaOk;
    }

    std::string text;
    TokenList* current;
    char separator;
    std::size_t cursor = 0;
    std::size_t start = 0;
    int quotes = 0; // counted quotes from the operand start up to the cursor
};

} // namespace

bool FormulaEvaluator::Parse(std::string_view text) {
    root.Clear();
    status = kFormulaOk;
    try {
        FormulaParser parser(WithoutBlanks(text), root, separator);
        status = parser.Run();
    } catch (const std::bad_alloc&) {
        status = kFormulaOutOfMemory;
    }
    return status == kFormulaOk;
}

bool FormulaEvaluator::Parse(const char* text) {
    if (text == nullptr) {
        root.Clear();
        status = kFormulaNoText;
        return false;
    }
    return Parse(std::string_view(text));
}

} // namespace korvane
