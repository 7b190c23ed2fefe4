#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace korvane {

struct StripPoint {
    double seconds = 0;
    double value = 0;
};

// An unbroken piece of a strip's curve.
using StripLine = std::vector<StripPoint>;

// The pieces of one curve between `from` and `to` seconds (with the nearest point beyond
// each end, so that lines reach the edges), drawn `pixelWidth` pixels wide. A line is cut
// where a segment starts, and where values are missing over at least one whole pixel
// column (a gap narrower than that could not be seen). Each pixel column keeps only its
// lowest and highest point, so peaks survive and the cost stays with the width.
// `seconds` must not decrease; `segmentStarts` holds the first index of each segment, in
// ascending order.
std::vector<StripLine> StripLinesBetween(std::span<const double> seconds,
                                         std::span<const double> values,
                                         std::span<const std::size_t> segmentStarts, double from,
                                         double to, int pixelWidth);

} // namespace korvane
