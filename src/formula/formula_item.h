#pragma once

#include <cstdint>

namespace korvane {

// Common base of what a token list holds: an operand or result value, or a token.
class FormulaItem {
public:
    static constexpr std::int32_t kTokenKind = 0;
    static constexpr std::int32_t kValueKind = 1;

    virtual ~FormulaItem() = default;

    std::int32_t Kind() const { return kind; }
    bool IsValue() const { return kind == kValueKind; }

protected:
    explicit FormulaItem(std::int32_t itemKind) : kind(itemKind) {}
    FormulaItem(const FormulaItem&) = default;
    FormulaItem& operator=(const FormulaItem&) = default;

private:
    std::int32_t kind;
};

} // namespace korvane
