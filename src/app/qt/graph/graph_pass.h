#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// One parameter's reading in a pass, as the graph takes it.
struct GraphSample {
    std::string name;
    std::optional<double> value; // none when the parameter was not read
    std::string unit;            // the display text after the number, may be empty
};

// The readings of one Read Parameters pass and when it ended, in seconds of a clock that
// never goes back.
struct GraphPass {
    double seconds = 0;
    std::vector<GraphSample> samples;
};

// A reading from its number, with the rest of its display text after the first space as
// its unit ("12.48 V" gives "V"); no unit without a number.
GraphSample ReadingSample(std::string name, std::optional<double> number,
                          std::string_view displayText);

} // namespace korvane
