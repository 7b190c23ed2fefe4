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

// One row of the token table.
struct TokenRow {
    std::string_view text;
    std::int32_t code;
    std::int32_t precedence;
    std::int32_t minOperands;
    std::int32_t maxOperands; // -1: no limit
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
