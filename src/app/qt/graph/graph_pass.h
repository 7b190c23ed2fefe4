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

// A reading from its display text: the number a log cell would hold for it, and the rest
// of the text after the first space as its unit ("12.5 V" gives 12.5 and "V").
GraphSample SampleFromDisplayText(std::string name, std::string_view displayText);

} // namespace korvane
