#include "formula/formula_token.h"

#include "formula/token_list.h"

namespace korvane {

FormulaToken::FormulaToken(const TokenRow& row)
    : FormulaItem(kTokenKind), code(row.code), precedence(row.precedence),
      minOperands(row.minOperands), maxOperands(row.maxOperands), isFunction(row.isFunction) {}

FormulaToken::~FormulaToken() = default;

std::unique_ptr<FormulaToken> FormulaToken::MakeGroup(TokenList* parentList) {
    static constexpr TokenRow kGroupRow{"(", kTokenOpen, 100, 1, 1, 0};
    auto group = std::make_unique<FormulaToken>(kGroupRow);
    group->subList = std::make_unique<TokenList>(parentList);
    return group;
}

} // namespace korvane
