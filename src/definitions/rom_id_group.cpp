#include "definitions/rom_id_group.h"

#include "formula/formula_display.h"

#include <algorithm>
#include <utility>

namespace korvane {

RomIdGroup::RomIdGroup(std::string_view romIdText) : romId(romIdText) {}

bool RomIdGroup::AddParameter(ParameterDefinition definition) {
    std::string key = definition.Name();
    const auto [entry, entered] = parameters.try_emplace(std::move(key), std::move(definition));
    if (entered && IsActive()) {
        // Keep the invariant of an active group: every parameter has its variable and its
        // parsed formula.
        Prepare(entry->second);
        CollectVariables();
    }
    return entered;
}

const ParameterDefinition* RomIdGroup::FindParameter(std::string_view parameterName) const {
    const auto entry = parameters.find(parameterName);
    return entry == parameters.end() ? nullptr : &entry->second;
}

bool RomIdGroup::SetRawValue(std::string_view parameterName, std::uint8_t byte) {
    const auto entry = parameters.find(parameterName);
    if (entry == parameters.end()) {
        return false;
    }
    entry->second.SetRawValue(byte);
    return true;
}

const std::string& RomIdGroup::FormatValue(std::string_view parameterName) {
    const auto entry = parameters.find(parameterName);
    if (entry == parameters.end()) {
        resultText = "error";
        resultNumber.reset();
        return resultText;
    }
    Activate();
    ShownValue shown =
        EvaluateForDisplay(formulas.find(parameterName)->second, variables, entry->second.Format());
    resultText = std::move(shown.text);
    resultNumber = shown.number;
    return resultText;
}

bool RomIdGroup::FormulaUsesAny(std::string_view parameterName,
                                std::span<const std::string> names) {
    if (names.empty() || !parameters.contains(parameterName)) {
        return false;
    }
    Activate();
    const CompiledFormula& formula = formulas.find(parameterName)->second;
    return std::any_of(names.begin(), names.end(), [&formula](const std::string& other) {
        return formula.UsesVariable(other);
    });
}

void RomIdGroup::Activate() {
    if (IsActive()) {
        return;
    }
    active = true;
    for (auto& [parameterName, definition] : parameters) {
        Prepare(definition);
    }
    CollectVariables();
}

void RomIdGroup::Prepare(ParameterDefinition& definition) {
    definition.BindVariable();
    formulas.try_emplace(definition.Name(), std::string_view(definition.Formula()));
}

void RomIdGroup::CollectVariables() {
    variables.clear();
    variables.reserve(parameters.size());
    for (const auto& [parameterName, definition] : parameters) {
        variables.push_back(definition.Variable());
    }
}

} // namespace korvane
