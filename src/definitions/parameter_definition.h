#pragma once

#include "formula/formula_variable.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace korvane {

// One parameter: a template from the parameter file (address 0) or a monitored parameter
// of a ROM-ID group. Until configured it shows its raw byte in hexadecimal.
class ParameterDefinition {
public:
    static constexpr std::string_view kDefaultFormat = "0x%02X";

    // The formula defaults to the name, so the parameter evaluates to its own raw byte.
    ParameterDefinition(std::string_view parameterName, std::uint32_t parameterAddress);

    ParameterDefinition(ParameterDefinition&&) noexcept = default;
    ParameterDefinition& operator=(ParameterDefinition&&) noexcept = default;
    ParameterDefinition(const ParameterDefinition&) = delete;
    ParameterDefinition& operator=(const ParameterDefinition&) = delete;
    ~ParameterDefinition() = default;

    const std::string& Name() const { return name; }
    std::uint32_t Address() const { return address; }
    const std::string& Format() const { return format; }
    const std::string& Formula() const { return formula; }
    std::uint8_t RawValue() const { return rawValue; }
    // Null until the parameter's group is first selected.
    const FormulaVariable* Variable() const { return variable.get(); }

    void SetFormat(std::string_view text) { format.assign(text); }
    void SetFormula(std::string_view text) { formula.assign(text); }

    // Stores the byte and, once there is a variable, its decimal text as the variable's value.
    void SetRawValue(std::uint8_t byte);

    // The parameter's variable, created when missing, named after the parameter and
    // holding the raw byte in decimal.
    FormulaVariable& BindVariable();

private:
    std::string name;
    std::uint32_t address;
    std::string format{kDefaultFormat};
    std::string formula;
    std::uint8_t rawValue = 0;
    std::unique_ptr<FormulaVariable> variable;
};

} // namespace korvane
