#pragma once

#include "definitions/parameter_definition.h"
#include "formula/compiled_formula.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The parameters monitored for one control-unit ROM ID, with the formulas that turn their
// raw bytes into values. From the group's first activation on, every formula is held
// parsed, ready to be evaluated on every pass, and every parameter has its variable.
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
    bool IsActive() const { return active; }
    // The text last returned by FormatValue.
    const std::string& ResultText() const { return resultText; }
    // The number of that value, worked out with it: none when its formula gave no number
    // (a failed evaluation, a text, a divisor too close to zero) or the name was unknown.
    std::optional<double> ResultNumber() const { return resultNumber; }

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

    // True when the parameter's formula refers to any of the named parameters. Activates
    // the group when it is not yet active.
    bool FormulaUsesAny(std::string_view parameterName, std::span<const std::string> names);
    // Parses every parameter's formula and binds every parameter's variable, once.
    void Activate();

private:
    void Prepare(ParameterDefinition& definition);
    void CollectVariables();

    std::string romId;
    std::string name;
    ParameterMap parameters;
    bool active = false;
    // Each parameter's formula, parsed at activation; keyed like `parameters`.
    std::map<std::string, CompiledFormula, std::less<>> formulas;
    // The parameters' variables in name order; owned by the parameters.
    std::vector<const FormulaVariable*> variables;
    std::string resultText;
    std::optional<double> resultNumber;
};

} // namespace korvane
