#include "dashboard/tile_columns.h"

#include <algorithm>

namespace korvane {

int TileColumns(double width, double height, int count) {
    int best = 1;
    double bestWidth = -1;
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = (count + columns - 1) / columns;
        // The widest 4:3 tile that fits in one cell.
        const double tileWidth = std::min(width / columns, height / rows * 4 / 3);
        if (tileWidth > bestWidth) {
            best = columns;
            bestWidth = tileWidth;
        }
    }
    return best;
}

} // namespace korvane
