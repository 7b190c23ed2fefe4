#include "app/formula_preview.h"

#include "formula/formula_display.h"
#include "reading/pass_texts.h"

#include <utility>

namespace korvane {

FormulaPreview::FormulaPreview(std::string name, std::string format, std::string_view formula,
                               const std::map<std::string, std::uint8_t>& otherBytes)
    : name_(std::move(name)), format_(std::move(format)), formula_(formula) {
    variables_.reserve(otherBytes.size() + 1);
    for (const auto& [other, byte] : otherBytes) {
        if (other != name_) {
            variables_.emplace_back(other, std::to_string(byte));
        }
    }
    variables_.emplace_back(name_, "0");
    for (const FormulaVariable& variable : variables_) {
        bound_.push_back(&variable);
    }
}

PreviewValue FormulaPreview::At(std::uint8_t byte) {
    variables_.back().SetValueText(std::to_string(byte));
    ShownValue shown = EvaluateForDisplay(formula_, bound_, format_);
    ParameterReading reading;
    reading.name = name_;
    reading.byte = byte;
    reading.value = std::move(shown.text);
    const auto cells = ParameterCells(reading);
    return {cells[1], cells[3], FormulaReport(formula_)};
}

std::vector<PreviewValue> FormulaPreview::Sweep() {
    std::vector<PreviewValue> values;
    values.reserve(256);
    for (int byte = 0; byte < 256; ++byte) {
        values.push_back(At(static_cast<std::uint8_t>(byte)));
    }
    return values;
}

std::string PreviewLine(const PreviewValue& value) {
    std::string line = value.byte + " -> " + value.value;
    if (!value.report.empty()) {
        line += "  [" + value.report + "]";
    }
    return line;
}

} // namespace korvane
