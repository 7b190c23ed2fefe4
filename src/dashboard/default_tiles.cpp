#include "dashboard/default_tiles.h"

#include "formula/display_format.h"
#include "reading/rom_id_view.h"

namespace korvane {

namespace {

constexpr std::size_t kDefaultTileCount = 6;

} // namespace

bool ShowsQuantity(std::string_view format) {
    DisplayFormat parsed;
    if (!ParseDisplayFormat(format, parsed)) {
        return false;
    }
    const char letter = parsed.conversion.empty() ? 'f' : parsed.conversion.back();
    return letter != 'x' && letter != 'X' && letter != 'o';
}

std::vector<TileSettings> DefaultTiles(const RomIdView& group) {
    std::vector<TileSettings> tiles;
    for (const RomIdParameter& parameter : group.parameters) {
        if (tiles.size() < kDefaultTileCount && ShowsQuantity(parameter.format)) {
            tiles.push_back({parameter.name, std::nullopt, std::nullopt, {}});
        }
    }
    return tiles;
}

} // namespace korvane
