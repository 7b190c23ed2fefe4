#pragma once

#include "formula/formula_item.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace korvane {

struct TokenList;

// Token codes of the formula language; codes 0..512 are functions.
inline constexpr std::int32_t kTokenPlus = 562;
inline constexpr std::int32_t kTokenMinus = 563;
inline constexpr std::int32_t kTokenTimes = 564;
inline constexpr std::int32_t kTokenDivide = 565;
inline constexpr std::int32_t kTokenOpen = 4096; // also the code of a group token
inline constexpr std::int32_t kTokenClose = 4097;
inline constexpr std::int32_t kTokenSin = 60;
inline constexpr std::int32_t kTokenCos = 61;
inline constexpr std::int32_t kTokenSum = 62;

// One row of the token table (token_table.cpp).
struct TokenRow {
    // What the formula spells; letters match in either case.
    std::string_view text;
    // What the token is. Codes 0..512 are functions: their name is a token only where
    // "(" follows it, so "COST" or "SINX" stay operand names. Other codes (operators and
    // parentheses) are tokens wherever their text stands.
    std::int32_t code;
    // How tightly the token binds. An operator arriving on the stack first sends every
    // waiting token of equal or higher precedence to the output: "*" (20) before "+"
    // (10), and left to right among equals. Functions (30) bind tighter than both; the
    // parentheses (100) never wait on the stack.
    std::int32_t precedence;
    // How many arguments a function takes (-1: no limit). Only the evaluation of
    // functions looks at them; an operator always takes two operands.
    std::int32_t minOperands;
    std::int32_t maxOperands;
    // Carried into every token but never consulted: the code tells functions apart.
    std::int32_t isFunction;
};

// A recognised token, or a group token made by the parser. "(" and group tokens own
// the sub-list holding their contents.
class FormulaToken final : public FormulaItem {
public:
    explicit FormulaToken(const TokenRow& row);
    ~FormulaToken() override;

    FormulaToken(const FormulaToken&) = delete;
    FormulaToken& operator=(const FormulaToken&) = delete;

    // A group token: same values as "(", always with a sub-list, here one whose
    // parent is `parentList`.
    static std::unique_ptr<FormulaToken> MakeGroup(TokenList* parentList);

    std::int32_t code;
    std::int32_t precedence;
    std::int32_t minOperands;
    std::int32_t maxOperands;
    std::int32_t isFunction;
    std::unique_ptr<TokenList> subList;
};

} // namespace korvane
