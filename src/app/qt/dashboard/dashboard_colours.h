#pragma once

#include "dashboard/dashboard_settings.h"

#include <QColor>

class QPalette;

namespace korvane {

// The colours the dashboard is drawn in, for a light (day) or dark (night) look.
struct DashboardColours {
    QColor background;
    QColor tile;
    QColor border;
    QColor text;
    QColor dimText; // stale and missing values, the small print
    QColor track;   // the gauge's empty part
    QColor fill;    // the gauge up to a value within its limits
    QColor staleFill;
    QColor limitMark;
    QColor high; // past the high limit: border, fill and mark
    QColor highTile;
    QColor low; // past the low limit
    QColor lowTile;
};

DashboardColours DayColours();
DashboardColours NightColours();

// True when the palette draws light text on a dark window.
bool PaletteIsDark(const QPalette& palette);

// The chosen look; "system" takes night when the palette is dark.
DashboardColours ColoursFor(DashboardLook look, const QPalette& palette);

} // namespace korvane
