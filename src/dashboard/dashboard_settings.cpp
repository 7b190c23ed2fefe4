#include "dashboard/dashboard_settings.h"

#include "text/ignore_case.h"

#include <utility>

namespace korvane {

namespace {

template <class Map> auto FindRomId(Map& tiles, std::string_view romId) {
    auto found = tiles.begin();
    while (found != tiles.end() && !EqualIgnoringCase(found->first, romId)) {
        ++found;
    }
    return found;
}

} // namespace

const std::vector<TileSettings>* DashboardSettings::TilesFor(std::string_view romId) const {
    const auto found = FindRomId(tiles, romId);
    return found == tiles.end() ? nullptr : &found->second;
}

void DashboardSettings::SetTiles(std::string_view romId, std::vector<TileSettings> chosen) {
    const auto found = FindRomId(tiles, romId);
    if (found != tiles.end()) {
        found->second = std::move(chosen);
    } else {
        tiles.emplace(std::string(romId), std::move(chosen));
    }
}

std::string TileSettingsProblem(const TileSettings& tile) {
    if (tile.rangeLow.has_value() != tile.rangeHigh.has_value()) {
        return tile.parameter + ": give both ends of the range, or neither for an automatic one";
    }
    if (tile.rangeLow && !(*tile.rangeLow < *tile.rangeHigh)) {
        return tile.parameter + ": the range must start below its end";
    }
    if (tile.limits.low && tile.limits.high && *tile.limits.low > *tile.limits.high) {
        return tile.parameter + ": the low limit stands above the high limit";
    }
    return {};
}

} // namespace korvane
