#pragma once

#include "dashboard/dashboard_settings.h"

#include <string_view>
#include <vector>

namespace korvane {

struct RomIdView;

// True when a parameter shown through this format reads as a quantity: a decimal number,
// or the value as computed. Hexadecimal and octal formats show raw bytes and bit
// patterns, which a gauge does not help with.
bool ShowsQuantity(std::string_view format);

// The tiles of a ROM ID nobody has set up: its first six quantities in the order the
// passes read them, with automatic ranges and no limits.
std::vector<TileSettings> DefaultTiles(const RomIdView& group);

} // namespace korvane
