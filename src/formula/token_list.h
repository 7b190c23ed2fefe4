#pragma once

#include "formula/formula_item.h"
#include "formula/formula_token.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace korvane {

// One level of a parsed formula: its items in postfix order, the operators waiting
// while it is parsed, and the evaluation cursor (items not yet consumed).
struct TokenList {
    TokenList() = default;
    explicit TokenList(TokenList* parentList) : parent(parentList) {}
    // Tears the tree below down without recursion, however deep the nesting.
    ~TokenList();

    TokenList(const TokenList&) = delete;
    TokenList& operator=(const TokenList&) = delete;

    void Append(std::unique_ptr<FormulaItem> item);
    // Pops the waiting operators onto the output, most recently pushed first.
    void MoveStackToOutput();
    // Destroys every item; the parent link stays.
    void Clear();
    // Makes this list and every list below it whole again, as parsing left them: each
    // cursor at the end of its output, each operand's value its own text.
    void Rewind();

    TokenList* parent = nullptr;
    std::vector<std::unique_ptr<FormulaToken>> operatorStack;
    std::vector<std::unique_ptr<FormulaItem>> output;
    std::size_t cursor = 0;
};

} // namespace korvane
