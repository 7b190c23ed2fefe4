#include "app/qt/graph/strip_lines.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// The points of one pixel column of a line, in the order they came.
class PixelColumn {
public:
    void Add(std::size_t order, StripPoint point) {
        if (count_ == 0) {
            first_ = low_ = high_ = last_ = {order, point};
        } else {
            if (point.value < low_.point.value) {
                low_ = {order, point};
            }
            if (point.value > high_.point.value) {
                high_ = {order, point};
            }
            last_ = {order, point};
        }
        ++count_;
    }

    void FlushInto(StripLine& line) {
        if (count_ == 0) {
            return;
        }
        Kept kept[4] = {first_, low_, high_, last_};
        std::sort(std::begin(kept), std::end(kept),
                  [](const Kept& a, const Kept& b) { return a.order < b.order; });
        std::size_t previous = static_cast<std::size_t>(-1);
        for (const Kept& k : kept) {
            if (k.order != previous) {
                line.push_back(k.point);
                previous = k.order;
            }
        }
        count_ = 0;
    }

private:
    struct Kept {
        std::size_t order = 0;
        StripPoint point;
    };
    Kept first_, low_, high_, last_;
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
    auto endLine = [&] {
        column.FlushInto(line);
        if (!line.empty()) {
            lines.push_back(std::move(line));
            line.clear();
        }
    };
    for (std::size_t i = begin; i < end; ++i) {
        if (segment != segmentStarts.end() && *segment == i) {
            endLine();
            ++segment;
        }
        if (std::isnan(values[i])) {
            endLine();
            continue;
        }
        const auto at = static_cast<long>(std::floor((seconds[i] - from) / pixelSeconds));
        if (at != pixel) {
            column.FlushInto(line);
            pixel = at;
        }
        column.Add(i, {seconds[i], values[i]});
    }
    endLine();
    return lines;
}

} // namespace korvane
