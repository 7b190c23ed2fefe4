#include "parsed_form_text.h"

#include "formula/formula_value.h"

namespace korvane {
namespace {

std::string TokenText(const FormulaToken& token) {
    switch (token.code) {
    case kTokenPlus:
        return "+";
    case kTokenMinus:
        return "-";
    case kTokenTimes:
        return "*";
    case kTokenDivide:
        return "/";
    case kTokenSin:
        return "SIN";
    case kTokenCos:
        return "COS";
    case kTokenSum:
        return "SUM";
    default:
        return "?" + std::to_string(token.code);
    }
}

} // namespace

std::string ParsedFormText(const TokenList& list) {
    std::string text;
    for (const auto& item : list.output) {
        if (!text.empty()) {
            text += ' ';
        }
        if (item->IsValue()) {
            text += static_cast<const FormulaValue&>(*item).Name();
            continue;
        }
        const auto& token = static_cast<const FormulaToken&>(*item);
        if (token.subList) {
            text += '[' + ParsedFormText(*token.subList) + ']';
        } else {
            text += TokenText(token);
        }
    }
    return text;
}

} // namespace korvane
