#include "app/qt/graph/strip_chart_model.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvane {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

} // namespace

double NiceStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10 * power;
}

namespace {

// A scale around what is in view, rounded out to whole steps: it reads well and stays
// put while the values move within it, so the chart need not lay out its labels anew on
// every pass.
void ScaleAround(StripChartModel::Strip& strip, int mostSteps) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const StripLine& line : strip.lines) {
        for (const StripPoint& point : line) {
            low = std::min(low, point.value);
            high = std::max(high, point.value);
        }
    }
    if (low > high) {
        return; // nothing in view: keep the default scale
    }
    const double spread = high > low ? high - low : std::max(std::abs(high), 1.0);
    const int steps = std::max(mostSteps, 1);
    double step = NiceStep(spread / steps);
    // Rounding out may add a step; the next larger step then fits (values on both sides
    // of zero always take two).
    const int allowed = low < 0 && high > 0 ? std::max(steps, 2) : steps;
    while (std::ceil(high / step) - std::floor(low / step) > allowed) {
        step = NiceStep(step * 1.5);
    }
    strip.step = step;
    strip.low = std::floor(low / step) * step;
    strip.high = std::ceil(high / step) * step;
    if (strip.high - strip.low < step) { // a flat line on a whole step
        strip.low -= step;
        if (steps > 1) {
            strip.high += step;
        }
    }
}

} // namespace

void StripChartModel::StartRun() {
    runStarting_ = true;
}

std::size_t StripChartModel::Column(const std::string& name) {
    const auto [found, added] = columnOf_.try_emplace(name, names_.size());
    if (added) {
        names_.push_back(name);
        values_.emplace_back(seconds_.size(), kNone);
        units_.emplace_back();
        numeric_.push_back(false);
    }
    return found->second;
}

void StripChartModel::NoteNumber(std::size_t column) {
    if (!numeric_[column]) {
        numeric_[column] = true;
        numericNames_.push_back(names_[column]);
    }
}

void StripChartModel::AddPass(const GraphPass& pass) {
    if (!origin_) {
        origin_ = pass.seconds;
    }
    if (runStarting_) {
        segmentStarts_.push_back(seconds_.size());
        runStarting_ = false;
    }
    seconds_.push_back(pass.seconds - *origin_);
    for (auto& column : values_) {
        column.push_back(kNone);
    }
    for (const GraphSample& sample : pass.samples) {
        const std::size_t column = Column(sample.name);
        values_[column].resize(seconds_.size(), kNone);
        values_[column].back() = sample.value.value_or(kNone);
        if (sample.value) {
            NoteNumber(column);
        }
        if (!sample.unit.empty()) {
            units_[column] = sample.unit;
        }
    }
}

void StripChartModel::AddRun(const std::vector<std::string>& columns,
                             const std::vector<double>& seconds,
                             const std::vector<std::vector<double>>& values) {
    if (seconds.empty()) {
        return;
    }
    if (!origin_) {
        origin_ = seconds.front();
    }
    const std::size_t first = seconds_.size();
    segmentStarts_.push_back(first);
    runStarting_ = true;
    for (const double at : seconds) {
        seconds_.push_back(at - *origin_);
    }
    for (auto& column : values_) {
        column.resize(seconds_.size(), kNone);
    }
    for (std::size_t c = 0; c < columns.size() && c < values.size(); ++c) {
        const std::size_t index = Column(columns[c]);
        std::vector<double>& column = values_[index];
        column.resize(seconds_.size(), kNone);
        const std::size_t rows = std::min(values[c].size(), seconds.size());
        std::copy_n(values[c].begin(), rows, column.begin() + static_cast<std::ptrdiff_t>(first));
        if (std::any_of(values[c].begin(), values[c].begin() + static_cast<std::ptrdiff_t>(rows),
                        [](double value) { return !std::isnan(value); })) {
            NoteNumber(index);
        }
    }
}

void StripChartModel::Clear() {
    const std::vector<std::string> chosen = chosen_;
    const auto span = span_;
    *this = StripChartModel();
    chosen_ = chosen;
    span_ = span;
}

void StripChartModel::SetSpan(std::optional<double> seconds) {
    span_ = seconds ? std::optional<double>(std::max(*seconds, kShortestSpan)) : std::nullopt;
}

void StripChartModel::SetPaused(bool paused) {
    if (paused && !paused_) {
        pausedAt_ = Newest();
    }
    paused_ = paused;
}

StripChartModel::TimeRange StripChartModel::Visible() const {
    const double end = paused_ ? pausedAt_ : Newest();
    if (!span_) {
        return {0, std::max(end, kShortestSpan)};
    }
    if (end < *span_) {
        return {0, *span_};
    }
    return {end - *span_, end};
}

std::vector<StripChartModel::Strip> StripChartModel::Strips(int pixelWidth, int valueSteps) const {
    const TimeRange range = Visible();
    std::vector<Strip> strips;
    strips.reserve(chosen_.size());
    for (const std::string& name : chosen_) {
        Strip strip;
        strip.name = name;
        const auto found = columnOf_.find(name);
        if (found != columnOf_.end()) {
            const std::vector<double>& column = values_[found->second];
            strip.unit = units_[found->second];
            if (!column.empty() && !std::isnan(column.back())) {
                strip.current = column.back();
            }
            strip.lines = StripLinesBetween(seconds_, column, segmentStarts_, range.from, range.to,
                                            pixelWidth);
            ScaleAround(strip, valueSteps);
        }
        strips.push_back(std::move(strip));
    }
    return strips;
}

} // namespace korvane
