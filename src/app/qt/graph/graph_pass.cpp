#include "app/qt/graph/graph_pass.h"

#include <algorithm>
#include <utility>

namespace korvane {

GraphSample ReadingSample(std::string name, std::optional<double> number,
                          std::string_view displayText) {
    GraphSample sample;
    sample.name = std::move(name);
    sample.value = number;
    const std::size_t space = displayText.find(' ');
    if (sample.value && space != std::string_view::npos) {
        std::string_view unit = displayText.substr(space);
        unit.remove_prefix(std::min(unit.find_first_not_of(' '), unit.size()));
        sample.unit = std::string(unit);
    }
    return sample;
}

} // namespace korvane
