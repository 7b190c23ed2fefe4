#pragma once

#include "dashboard/dashboard_settings.h"
#include "dashboard/gauge_range.h"
#include "dashboard/limits.h"

#include <optional>
#include <string>
#include <utility>

namespace korvane {

struct ParameterReading;

// Whether a tile's value can be trusted as the unit's present one.
enum class Freshness {
    Waiting, // no pass has carried a value for it yet
    Fresh,   // the newest pass carried its number
    Missing, // the newest pass did not: a failed read, or no number
    Stale,   // its number is older than two passes, and no pass has come since
};

// What a tile shows, worked out for one moment.
struct TileView {
    std::string name;
    // The number as the display text shows it, "--" without one (or the display text
    // itself when it is no number).
    std::string valueText = "--";
    std::string unit;
    Freshness freshness = Freshness::Waiting;
    // The number the gauge shows: the newest one, fresh or stale.
    std::optional<double> value;
    // Past a limit only a fresh value warns: an old or missing one is flagged as such.
    LimitState limit = LimitState::Within;
    // Since the run started, written like the value.
    std::optional<double> lowest;
    std::optional<double> highest;
    std::string lowestText;
    std::string highestText;
    GaugeRange range;
    Limits limits;
    // How old its newest number is.
    double ageSeconds = 0;
};

// One parameter's tile: its newest reading, the lowest and highest values of the run and
// what the gauge spans.
class Tile {
public:
    explicit Tile(TileSettings settings) : settings_(std::move(settings)) {}

    const TileSettings& Settings() const { return settings_; }
    // New settings for the same parameter keep what was read.
    void SetSettings(TileSettings settings) { settings_ = std::move(settings); }

    // A new run: its lowest and highest start afresh.
    void StartRun();
    // Its reading in the pass that arrived at `seconds`; none when the pass had none.
    void Take(const ParameterReading* reading, double seconds);

    // At `now`, its number is stale once older than `staleAfter` seconds.
    TileView View(double now, double staleAfter) const;

private:
    TileSettings settings_;
    std::optional<double> number_;
    std::string numberText_;
    std::string unit_;
    double numberSeconds_ = 0;
    // The newest pass carried no number; its display text, when it had one.
    bool missing_ = false;
    std::optional<std::string> missingText_;
    std::optional<double> lowest_;
    std::optional<double> highest_;
    // Everything seen, for an automatic range that does not shrink with a new run.
    std::optional<double> lowestSeen_;
    std::optional<double> highestSeen_;
};

} // namespace korvane
