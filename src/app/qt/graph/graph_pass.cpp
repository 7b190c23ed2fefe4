#include "app/qt/graph/graph_pass.h"

#include <utility>

#include "log/log_cell_number.h"

namespace korvane {

GraphSample SampleFromDisplayText(std::string name, std::string_view displayText) {
    GraphSample sample;
    sample.name = std::move(name);
    sample.value = DisplayTextNumber(displayText);
    const std::size_t space = displayText.find(' ');
    if (sample.value && space != std::string_view::npos) {
        std::string_view unit = displayText.substr(space);
        unit.remove_prefix(std::min(unit.find_first_not_of(' '), unit.size()));
        sample.unit = std::string(unit);
    }
    return sample;
}

} // namespace korvane
