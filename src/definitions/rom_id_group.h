#pragma once

#include "definitions/parameter_definition.h"
#include "formula/formula_evaluator.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The parameters monitored for one control-unit ROM ID, with the evaluator that turns
// their raw bytes into display texts. The evaluator and the variable list exist from the
// group's first activation on.
class RomIdGroup {
public:
    // Ordered by name, compared byte by byte.
    using ParameterMap = std::map<std::string, ParameterDefinition, std::less<>>;

    explicit RomIdGroup(std::string_view romIdText);
    RomIdGroup(const RomIdGroup&) = delete;
    RomIdGroup& operator=(const RomIdGroup&) = delete;
    ~RomIdGroup() = default;

    const std::string& RomId() const { return romId; }
    const std::string& Name() const { return name; }
    const ParameterMap& Parameters() const { return parameters; }
    bool IsActive() const { return evaluator != nullptr; }
    // The text last returned by FormatValue.
    const std::string& ResultText() const { return resultText; }

    void SetName(std::string_view text) { name.assign(text); }

    // Enters the definition unless a parameter of its name is present already, in which
    // case the present one stays. True when entered.
    bool AddParameter(ParameterDefinition definition);

    const ParameterDefinition* FindParameter(std::string_view parameterName) const;

    // False, changing nothing, when the group has no parameter of that name.
    bool SetRawValue(std::string_view parameterName, std::uint8_t byte);

    // The parameter's formula evaluated over the raw bytes of the whole group and shown
    // through its format; "error" for a name the group does not hold. The text stays valid
    // until the next call on this group. Activates the group when it is not yet active.
    const std::string& FormatValue(std::string_view parameterName);

    // True when the parameter's formula refers to any of the named parameters.
    bool FormulaUsesAny(std::string_view parameterName, std::span<const std::string> names) const;
    // Creates the evaluator and binds every parameter's variable, once.
    void Activate();

private:
    void CollectVariables();

    std::string romId;
    std::string name;
    ParameterMap parameters;
    std::unique_ptr<FormulaEvaluator> evaluator;
    // The parameters' variables in name order; owned by the parameters.
    std::vector<const FormulaVariable*> variables;
    std::string resultText;
};

} // namespace korvane
