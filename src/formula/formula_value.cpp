#include "formula/formula_value.h"

#include "formula/decimal_text.h"
#include "formula/display_format.h"

namespace korvane {

double FormulaValue::ValueAsReal() const {
    return ReadLeadingReal(valueText);
}

std::optional<double> FormulaValue::Number() const {
    return ReadWholeReal(valueText);
}

std::string& FormulaValue::FormatForDisplay(std::string& buffer, std::string_view format) const {
    buffer.clear();
    // The format is a zero-terminated text where it comes from.
    format = format.substr(0, format.find('\0'));
    DisplayFormat parsed;
    if (format.find('%') == std::string_view::npos || !ParseDisplayFormat(format, parsed)) {
        buffer.assign(valueText, 0, kDisplayTextLimit);
        return buffer;
    }
    buffer = parsed.prefix;
    if (buffer.size() < kDisplayTextLimit) {
        const double real = parsed.kind == DisplayConversion::Real ? ValueAsReal() : 0.0;
        const std::int32_t integer =
            parsed.kind == DisplayConversion::Real ? 0 : ReadLeadingInt32(valueText);
        buffer += PrintConversion(parsed, real, integer, kDisplayTextLimit - buffer.size());
    }
    buffer += parsed.suffix;
    if (buffer.size() > kDisplayTextLimit) {
        buffer.resize(kDisplayTextLimit);
    }
    return buffer;
}

std::string FormulaValue::FormatForDisplay(std::string_view format) const {
    std::string buffer;
    FormatForDisplay(buffer, format);
    return buffer;
}

} // namespace korvane
