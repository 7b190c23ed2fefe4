#pragma once

#include "formula/compiled_formula.h"
#include "formula/formula_variable.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// One byte put through a formula as the main window would show it.
struct PreviewValue {
    // The raw byte as the Read Parameters table shows it ("0x3F").
    std::string byte;
    // The value cell of that table.
    std::string value;
    // What the engine reported, as korvane-cli eval names it; empty when all went well.
    std::string report;

    bool operator==(const PreviewValue&) const = default;
};

// A parameter's format and formula, parsed once, evaluated for any byte of the parameter
// while the other parameters keep the bytes they were given (those of a Read Parameters
// pass); a name without a byte is left to the engine, as in a group that does not read it.
class FormulaPreview {
public:
    FormulaPreview(std::string name, std::string format, std::string_view formula,
                   const std::map<std::string, std::uint8_t>& otherBytes);
    FormulaPreview(const FormulaPreview&) = delete;
    FormulaPreview& operator=(const FormulaPreview&) = delete;

    PreviewValue At(std::uint8_t byte);
    // Every byte from 00 to FF.
    std::vector<PreviewValue> Sweep();

private:
    std::string name_;
    std::string format_;
    CompiledFormula formula_;
    // The other parameters' variables, then the parameter's own, which wins.
    std::vector<FormulaVariable> variables_;
    std::vector<const FormulaVariable*> bound_;
};

// "0x3F -> 12.50 V", with the engine's report after it in brackets when there is one.
std::string PreviewLine(const PreviewValue& value);

} // namespace korvane
