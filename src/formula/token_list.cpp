#include "formula/token_list.h"

#include "formula/formula_value.h"

#include <utility>

namespace korvane {
namespace {

// Moves the sub-lists of the list's tokens into `pending`, leaving the tokens shallow.
void DetachSubLists(TokenList& list, std::vector<std::unique_ptr<TokenList>>& pending) {
    for (auto& item : list.output) {
        if (item && !item->IsValue()) {
            auto& token = static_cast<FormulaToken&>(*item);
            if (token.subList) {
                pending.push_back(std::move(token.subList));
            }
        }
    }
    for (auto& token : list.operatorStack) {
        if (token && token->subList) {
            pending.push_back(std::move(token->subList));
        }
    }
}

} // namespace

TokenList::~TokenList() {
    Clear();
}

void TokenList::Clear() {
    // Flatten the tree first: each detached list then dies without sub-lists of its
    // own, so a deeply nested formula cannot exhaust the stack.
    std::vector<std::unique_ptr<TokenList>> pending;
    DetachSubLists(*this, pending);
    for (std::size_t i = 0; i < pending.size(); ++i) {
        DetachSubLists(*pending[i], pending);
    }
    output.clear();
    operatorStack.clear();
    cursor = 0;
}

void TokenList::Rewind() {
    std::vector<TokenList*> pending{this};
    while (!pending.empty()) {
        TokenList* list = pending.back();
        pending.pop_back();
        list->cursor = list->output.size();
        for (auto& item : list->output) {
            if (item->IsValue()) {
                auto& operand = static_cast<FormulaValue&>(*item);
                operand.SetValueText(operand.Name());
            } else if (auto& token = static_cast<FormulaToken&>(*item); token.subList) {
                pending.push_back(token.subList.get());
            }
        }
    }
}

void TokenList::Append(std::unique_ptr<FormulaItem> item) {
    output.push_back(std::move(item));
    cursor = output.size();
}

void TokenList::MoveStackToOutput() {
    while (!operatorStack.empty()) {
        std::unique_ptr<FormulaItem> top = std::move(operatorStack.back());
        operatorStack.pop_back();
        Append(std::move(top));
    }
}

} // namespace korvane
