#include "definitions/rom_id_group.h"

#include <algorithm>
#include <utility>

namespace korvane {

RomIdGroup::RomIdGroup(std::string_view romIdText) : romId(romIdText) {}

bool RomIdGroup::AddParameter(ParameterDefinition definition) {
    std::string key = definition.Name();
    const auto [entry, entered] = parameters.try_emplace(std::move(key), std::move(definition));
    if (entered && IsActive()) {
        // Keep the invariant of an active group: every parameter has a bound variable.
        entry->second.BindVariable();
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
        return resultText;
    }
    Activate();
    const ParameterDefinition& definition = entry->second;
    // Evaluation uses up the parsed form, so every call parses afresh. A failed parse or
    // evaluation still shows whatever the engine leaves in the result.
    static_cast<void>(evaluator->Parse(std::string_view(definition.Formula())));
    FormulaValue result;
    static_cast<void>(evaluator->Evaluate(variables, result));
    result.FormatForDisplay(resultText, definition.Format());
    return resultText;
}

bool RomIdGroup::FormulaUsesAny(std::string_view parameterName,
                                std::span<const std::string> names) const {
    const auto entry = parameters.find(parameterName);
    if (names.empty() || entry == parameters.end()) {
        return false;
    }
    FormulaEvaluator scan;
    static_cast<void>(scan.Parse(std::string_view(entry->second.Formula())));
    return std::any_of(names.begin(), names.end(),
                       [&scan](const std::string& other) { return scan.UsesVariable(other); });
}

void RomIdGroup::Activate() {
    if (IsActive()) {
        return;
    }
    evaluator = std::make_unique<FormulaEvaluator>();
    for (auto& [parameterName, definition] : parameters) {
        definition.BindVariable();
    }
    CollectVariables();
}

void RomIdGroup::CollectVariables() {
    variables.clear();
    variables.reserve(parameters.size());
    for (const auto& [parameterName, definition] : parameters) {
        variables.push_back(definition.Variable());
    }
}

} // namespace korvane
