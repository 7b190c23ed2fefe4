#pragma once

#include "dashboard/limits.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// One tile as the user set it up: which parameter, the gauge's range (automatic where
// not given) and the warning limits.
struct TileSettings {
    std::string parameter;
    std::optional<double> rangeLow;
    std::optional<double> rangeHigh;
    Limits limits;

    bool operator==(const TileSettings&) const = default;
};

// Light or dark: as the system's palette is, or chosen.
enum class DashboardLook { System, Day, Night };

// Everything the user set up: the look and, per ROM ID, the tiles in their order.
struct DashboardSettings {
    DashboardLook look = DashboardLook::System;
    // Keyed by the ROM ID as the definition file spells it.
    std::map<std::string, std::vector<TileSettings>> tiles;

    // The tiles set up for the ROM ID, compared ignoring case; none when it has none.
    const std::vector<TileSettings>* TilesFor(std::string_view romId) const;
    // Replaces the tiles of the ROM ID, under the spelling already stored if there is one.
    void SetTiles(std::string_view romId, std::vector<TileSettings> chosen);

    bool operator==(const DashboardSettings&) const = default;
};

// Why the tile cannot be used as set up, for the user; empty when it can. A range needs
// its low end below its high end, and a low limit may not stand above the high one.
std::string TileSettingsProblem(const TileSettings& tile);

} // namespace korvane
