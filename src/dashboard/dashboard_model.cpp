#include "dashboard/dashboard_model.h"

#include "dashboard/default_tiles.h"
#include "reading/parameter_pass.h"
#include "text/ignore_case.h"

#include <algorithm>
#include <utility>

namespace korvane {

namespace {

bool SameGroup(const RomIdView& a, const RomIdView& b) {
    return EqualIgnoringCase(a.romId, b.romId) &&
           std::equal(a.parameters.begin(), a.parameters.end(), b.parameters.begin(),
                      b.parameters.end(), [](const RomIdParameter& x, const RomIdParameter& y) {
                          return x.name == y.name && x.format == y.format;
                      });
}

} // namespace

DashboardModel::DashboardModel(DashboardSettings settings) : settings_(std::move(settings)) {}

void DashboardModel::SetSettings(DashboardSettings settings) {
    settings_ = std::move(settings);
    ChooseTiles();
}

void DashboardModel::ShowGroup(const RomIdView& group) {
    if (SameGroup(group, group_)) {
        return; // the same group read again: the tiles keep their values
    }
    group_ = group;
    tiles_.clear();
    ChooseTiles();
}

std::vector<TileSettings> DashboardModel::ChosenTiles() const {
    if (!HasGroup()) {
        return {};
    }
    if (const auto* chosen = settings_.TilesFor(group_.romId)) {
        return *chosen;
    }
    return DefaultTiles(group_);
}

void DashboardModel::ChooseTiles() {
    std::vector<Tile> tiles;
    for (TileSettings& settings : ChosenTiles()) {
        const auto kept = std::find_if(tiles_.begin(), tiles_.end(), [&](const Tile& tile) {
            return tile.Settings().parameter == settings.parameter;
        });
        if (kept != tiles_.end()) {
            tiles.push_back(std::move(*kept));
            tiles.back().SetSettings(std::move(settings));
            tiles_.erase(kept);
        } else {
            tiles.emplace_back(std::move(settings));
        }
    }
    tiles_ = std::move(tiles);
}

void DashboardModel::AddPass(const ParameterPassResult& pass, bool firstPass, double seconds) {
    if (!pass.read) {
        return; // no group selected: nothing was read
    }
    if (firstPass) {
        rate_.StartRun();
        for (Tile& tile : tiles_) {
            tile.StartRun();
        }
    }
    rate_.AddPass(seconds);
    for (Tile& tile : tiles_) {
        const auto reading = std::find_if(
            pass.parameters.begin(), pass.parameters.end(),
            [&](const ParameterReading& r) { return r.name == tile.Settings().parameter; });
        tile.Take(reading != pass.parameters.end() ? &*reading : nullptr, seconds);
    }
}

std::vector<TileView> DashboardModel::Tiles(double now) const {
    // Older than two passes, and none since: the unit or the run has stopped.
    const double staleAfter = 2 * rate_.PassSeconds();
    std::vector<TileView> views;
    views.reserve(tiles_.size());
    for (const Tile& tile : tiles_) {
        views.push_back(tile.View(now, staleAfter));
    }
    return views;
}

} // namespace korvane
