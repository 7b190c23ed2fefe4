#include "app/qt/graph/strip_lines.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// The lowest and the highest point of one pixel column of a line, in the order they came:
// drawn as one vertical stroke, they look as all the column's points would.
class PixelColumn {
public:
    void Add(std::size_t order, StripPoint point) {
        if (count_ == 0 || point.value < low_.point.value) {
            low_ = {order, point};
        }
        if (count_ == 0 || point.value > high_.point.value) {
            high_ = {order, point};
        }
        ++count_;
    }

    void FlushInto(StripLine& line) {
        if (count_ == 0) {
            return;
        }
        const bool lowFirst = low_.order <= high_.order;
        line.push_back(lowFirst ? low_.point : high_.point);
        if (low_.order != high_.order) {
            line.push_back(lowFirst ? high_.point : low_.point);
        }
        count_ = 0;
    }

private:
    struct Kept {
        std::size_t order = 0;
        StripPoint point;
    };
    Kept low_, high_;
    std::size_t count_ = 0;
};

} // namespace

std::vector<StripLine> StripLinesBetween(std::span<const double> seconds,
                                         std::span<const double> values,
                                         std::span<const std::size_t> segmentStarts, double from,
                                         double to, int pixelWidth) {
    std::vector<StripLine> lines;
    const std::size_t count = std::min(seconds.size(), values.size());
    if (count == 0 || pixelWidth <= 0 || !(to > from)) {
        return lines;
    }
    auto begin = static_cast<std::size_t>(
        std::lower_bound(seconds.begin(), seconds.begin() + count, from) - seconds.begin());
    auto end = static_cast<std::size_t>(
        std::upper_bound(seconds.begin(), seconds.begin() + count, to) - seconds.begin());
    begin = begin > 0 ? begin - 1 : 0;
    end = std::min(end + 1, count);

    const double pixelSeconds = (to - from) / pixelWidth;
    auto segment = std::upper_bound(segmentStarts.begin(), segmentStarts.end(), begin);
    StripLine line;
    PixelColumn column;
    long pixel = 0;
    bool drawing = false; // the current line has a point
    bool missed = false;  // a value was missing since its last point
    auto endLine = [&] {
        column.FlushInto(line);
        if (!line.empty()) {
            lines.push_back(std::move(line));
            line.clear();
        }
        drawing = false;
    };
    for (std::size_t i = begin; i < end; ++i) {
        if (segment != segmentStarts.end() && *segment == i) {
            endLine();
            ++segment;
        }
        if (std::isnan(values[i])) {
            missed = true;
            continue;
        }
        const auto at = static_cast<long>(std::floor((seconds[i] - from) / pixelSeconds));
        // A missing value shows as a gap once a whole pixel column lies in it; a shorter
        // one would not be seen, and breaking the line there only costs drawing.
        if (missed && drawing && at - pixel >= 2) {
            endLine();
        }
        missed = false;
        if (at != pixel) {
            column.FlushInto(line);
            pixel = at;
        }
        column.Add(i, {seconds[i], values[i]});
        drawing = true;
    }
    endLine();
    return lines;
}

} // namespace korvane
