#include "formula/formula_value.h"

namespace korvane {

// First landing: the interface only; number reading and formatting follow.
double FormulaValue::ValueAsReal() const {
    return 0.0;
}

std::string& FormulaValue::FormatForDisplay(std::string& buffer, std::string_view format) const {
    (void)format;
    buffer.assign(valueText, 0, kDisplayTextLimit);
    return buffer;
}

std::string FormulaValue::FormatForDisplay(std::string_view format) const {
    std::string buffer;
    FormatForDisplay(buffer, format);
    return buffer;
}

} // namespace korvane
