#pragma once

#include "formula/formula_item.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// The longest display text kept, as in every fixed text buffer of the program.
inline constexpr std::size_t kDisplayTextLimit = 1023;

// An operand of a formula or the result of an evaluation. Values travel as text: an
// operand keeps the text written in the formula (or its variable's value), and every
// computed value is written with "%f".
class FormulaValue final : public FormulaItem {
public:
    FormulaValue() : FormulaItem(kValueKind) {}
    FormulaValue(std::string_view nameText, std::string_view value)
        : FormulaItem(kValueKind), name(nameText), valueText(value) {}

    const std::string& Name() const { return name; }
    const std::string& ValueText() const { return valueText; }
    void SetName(std::string_view text) { name.assign(text); }
    void SetValueText(std::string_view text) { valueText.assign(text); }

    // The value text read as a decimal number (leading blanks, sign, digits, fraction,
    // exponent); reading stops at the first character that does not fit, and a text
    // without a leading number reads as 0.
    double ValueAsReal() const;
    // The value as a number, as ValueAsReal reads it, when the whole value text is a finite
    // number (as a raw byte and every computed value are); none for an empty value (a
    // failed evaluation), a text such as an unknown name, or an infinity.
    std::optional<double> Number() const;

    // Replaces `buffer` with the value shown through a user-supplied display format and
    // returns it. A format without "%" shows the value text unchanged. Otherwise the
    // format may hold "%%" and at most one numeric conversion (flags, width, precision;
    // length modifiers are ignored): f F e E g G a A print the real value, d i u o x X
    // print the value as a 32-bit integer (leading sign and digits, saturated). Any
    // other format shows the value text unchanged. At most kDisplayTextLimit characters.
    std::string& FormatForDisplay(std::string& buffer, std::string_view format) const;
    std::string FormatForDisplay(std::string_view format) const;

private:
    std::string name;
    std::string valueText;
};

} // namespace korvane
