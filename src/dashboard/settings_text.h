#pragma once

#include "dashboard/dashboard_settings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// The settings as the lines of the dashboard's file:
//   Look=night
//   [A1B2C3]
//   Tile=0,8000,,6500,EngineSpeed
// A tile line holds the range's two ends, the low and the high limit (empty when not
// given) and the parameter's name last, so that any name fits.
std::string SettingsText(const DashboardSettings& settings);

// Reads what SettingsText wrote. Lines it does not know, tiles before any section and
// tiles that cannot be used as they stand are left out, so a damaged file costs only
// its damaged lines.
DashboardSettings ParseSettingsText(std::string_view text);

// A tile from its four number texts as typed or written (range from, range to, low limit,
// high limit; empty for an automatic range or no limit). None, with the reason for the
// user in `problem`, when a text is no number or the tile cannot be used as it stands.
std::optional<TileSettings> TileFromTexts(std::string parameter,
                                          const std::array<std::string_view, 4>& texts,
                                          std::string& problem);

// A number as the file and the settings dialog take it: decimal with a point (an exponent
// allowed), finite, whatever the locale.
std::optional<double> ParseSettingNumber(std::string_view text);
// The shortest text that reads back as exactly this number.
std::string SettingNumberText(double value);

} // namespace korvane
