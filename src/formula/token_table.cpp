#include "formula/token_table.h"

#include <array>

namespace korvane {
namespace {

// Tried in this order at every position; the first row that matches wins. Columns: text,
// code, precedence, least and most operands, function flag (see TokenRow).
constexpr std::array<TokenRow, 9> kTokenTable{{
    {"+", kTokenPlus, 10, 2, 2, 0},
    {"-", kTokenMinus, 10, 2, 2, 0},
    {"*", kTokenTimes, 20, 2, 2, 0},
    {"/", kTokenDivide, 20, 2, 2, 0},
    {"(", kTokenOpen, 100, 1, 1, 0},
    {")", kTokenClose, 100, 1, 1, 0},
    {"SIN", kTokenSin, 30, 1, 1, 1},
    {"COS", kTokenCos, 30, 1, 1, 1},
    {"SUM", kTokenSum, 30, 1, -1, 1},
}};

constexpr std::int32_t kLastFunctionCode = 512;

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (UpperAscii(text[i]) != UpperAscii(prefix[i])) {
            return false;
        }
    }
    return true;
}

bool IsFunctionCode(std::int32_t code) {
    return code >= 0 && code <= kLastFunctionCode;
}

} // namespace

const TokenRow* MatchToken(std::string_view text) {
    for (const TokenRow& row : kTokenTable) {
        if (!StartsWithIgnoringCase(text, row.text)) {
            continue;
        }
        if (IsFunctionCode(row.code) &&
            (text.size() <= row.text.size() || text[row.text.size()] != '(')) {
            continue;
        }
        return &row;
    }
    return nullptr;
}

} // namespace korvane
