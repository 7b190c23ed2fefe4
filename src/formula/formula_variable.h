#pragma once

#include "formula/formula_value.h"

#include <string>
#include <string_view>

namespace korvane {

// A named value that evaluation binds to the operands of the same name, such as a
// parameter and the last raw byte read for it (its value text, "0" until the first read).
class FormulaVariable {
public:
    FormulaVariable() = default;
    FormulaVariable(std::string_view name, std::string_view valueText) : value(name, valueText) {}
    virtual ~FormulaVariable() = default;

    FormulaVariable(const FormulaVariable&) = default;
    FormulaVariable& operator=(const FormulaVariable&) = default;

    void SetNameAndValue(std::string_view name, std::string_view valueText) {
        value.SetName(name);
        value.SetValueText(valueText);
    }
    void SetValueText(std::string_view valueText) { value.SetValueText(valueText); }

    const std::string& Name() const { return value.Name(); }
    const std::string& ValueText() const { return value.ValueText(); }
    const FormulaValue& Value() const { return value; }

private:
    FormulaValue value;
};

} // namespace korvane
