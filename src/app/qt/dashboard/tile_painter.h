#pragma once

#include "app/qt/dashboard/dashboard_colours.h"
#include "dashboard/tile.h"

#include <QRectF>

class QPainter;

namespace korvane {

// Where a tile drawn in `tile` puts its gauge: a horizontal bar above the small print.
QRectF GaugeRect(const QRectF& tile);

// The border of a tile past a limit: thick enough to tell without its colour.
double WarningBorderWidth(const QRectF& tile);

// Draws one tile: its name and state mark, the value large with its unit, the gauge
// with the limits marked, and the run's lowest and highest values.
void PaintTile(QPainter& painter, const QRectF& tile, const TileView& view,
               const DashboardColours& colours);

} // namespace korvane
