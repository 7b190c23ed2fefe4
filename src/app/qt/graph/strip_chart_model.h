#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/qt/graph/graph_pass.h"
#include "app/qt/graph/strip_lines.h"

namespace korvane {

// The smallest of 1, 2 or 5 times a power of ten that is at least `rough` (positive): a
// step between axis ticks that reads well.
double NiceStep(double rough);

// What a strip chart shows, without pixels: the values of every pass kept for each
// parameter, the parameters chosen as strips, and the time span in view. Times are
// seconds since the first pass; each run is a segment of its own, so no line joins two
// runs, and a parameter missing from a pass leaves a gap.
class StripChartModel {
public:
    static constexpr double kShortestSpan = 10;
    static constexpr double kDefaultSpan = 60;
    // How many parameters are shown until the user chooses.
    static constexpr std::size_t kDefaultStrips = 4;

    // The next pass starts a new segment.
    void StartRun();
    void AddPass(const GraphPass& pass);
    // A run read from a log: its columns, the seconds of its rows and per column the
    // values (NaN where none), as one segment.
    void AddRun(const std::vector<std::string>& columns, const std::vector<double>& seconds,
                const std::vector<std::vector<double>>& values);
    void Clear();

    // Every parameter that has had a number (a switch logged as "0x97" never has), in the
    // order its first number came: those a strip can be chosen for.
    const std::vector<std::string>& Parameters() const { return numericNames_; }
    std::size_t PassCount() const { return seconds_.size(); }
    std::size_t SegmentCount() const { return segmentStarts_.size(); }

    // The strips to show, top to bottom; names never seen show empty strips.
    void Choose(std::vector<std::string> names) { chosen_ = std::move(names); }
    const std::vector<std::string>& Chosen() const { return chosen_; }

    // The span in view, ending at the newest pass; none shows everything. Spans shorter
    // than the shortest are made the shortest.
    void SetSpan(std::optional<double> seconds);
    std::optional<double> Span() const { return span_; }
    // While paused the view stays where it was; passes are still kept.
    void SetPaused(bool paused);
    bool Paused() const { return paused_; }

    struct TimeRange {
        double from = 0;
        double to = 0;
    };
    TimeRange Visible() const;

    struct Strip {
        std::string name;
        std::string unit;
        std::optional<double> current; // the newest pass's value
        double low = 0;                // the value scale, around what is in view,
        double high = 1;               // in whole steps
        double step = 0.5;
        std::vector<StripLine> lines;
    };
    // The chosen strips as drawn `pixelWidth` pixels wide, each value scale in at most
    // `valueSteps` steps.
    std::vector<Strip> Strips(int pixelWidth, int valueSteps = 4) const;

private:
    std::size_t Column(const std::string& name);
    void NoteNumber(std::size_t column);
    double Newest() const { return seconds_.empty() ? 0 : seconds_.back(); }

    std::optional<double> origin_;
    std::vector<double> seconds_;
    std::vector<std::size_t> segmentStarts_;
    bool runStarting_ = true;
    std::vector<std::string> names_;
    std::unordered_map<std::string, std::size_t> columnOf_;
    std::vector<std::vector<double>> values_; // per column, per pass; NaN for none
    std::vector<std::string> units_;
    std::vector<bool> numeric_;
    std::vector<std::string> numericNames_;
    std::vector<std::string> chosen_;
    std::optional<double> span_ = kDefaultSpan;
    bool paused_ = false;
    double pausedAt_ = 0;
};

} // namespace korvane
