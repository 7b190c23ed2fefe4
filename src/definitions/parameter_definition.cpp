#include "definitions/parameter_definition.h"

namespace korvane {

ParameterDefinition::ParameterDefinition(std::string_view parameterName,
                                         std::uint32_t parameterAddress)
    : name(parameterName), address(parameterAddress), formula(parameterName) {}

void ParameterDefinition::SetRawValue(std::uint8_t byte) {
    rawValue = byte;
    if (variable) {
        variable->SetValueText(std::to_string(rawValue));
    }
}

FormulaVariable& ParameterDefinition::BindVariable() {
    if (!variable) {
        variable = std::make_unique<FormulaVariable>();
    }
    variable->SetNameAndValue(name, std::to_string(rawValue));
    return *variable;
}

} // namespace korvane
