#include "app/qt/dashboard/dashboard_colours.h"

#include <QPalette>

namespace korvane {

DashboardColours DayColours() {
    return {QColor(0xe9, 0xec, 0xef), QColor(0xff, 0xff, 0xff), QColor(0xc4, 0xc9, 0xcf),
            QColor(0x1d, 0x23, 0x29), QColor(0x86, 0x8e, 0x96), QColor(0xdd, 0xe1, 0xe5),
            QColor(0x2f, 0x7f, 0xc1), QColor(0xa9, 0xb0, 0xb7), QColor(0x3a, 0x42, 0x4a),
            QColor(0xc6, 0x28, 0x28), QColor(0xfd, 0xe3, 0xe1), QColor(0xc2, 0x6a, 0x00),
            QColor(0xff, 0xf0, 0xd6)};
}

DashboardColours NightColours() {
    // Dim enough not to dazzle a driver, with the warnings still the brightest thing.
    return {QColor(0x0b, 0x0e, 0x11), QColor(0x16, 0x1b, 0x20), QColor(0x2b, 0x33, 0x3b),
            QColor(0xe0, 0xde, 0xdb), QColor(0x6f, 0x78, 0x82), QColor(0x26, 0x2e, 0x36),
            QColor(0x3d, 0x8f, 0xd1), QColor(0x4c, 0x55, 0x5e), QColor(0xb8, 0xc0, 0xc8),
            QColor(0xff, 0x5a, 0x4e), QColor(0x3a, 0x16, 0x14), QColor(0xf0, 0xa0, 0x20),
            QColor(0x3a, 0x2a, 0x0c)};
}

bool PaletteIsDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

DashboardColours ColoursFor(DashboardLook look, const QPalette& palette) {
    switch (look) {
    case DashboardLook::Day:
        return DayColours();
    case DashboardLook::Night:
        return NightColours();
    case DashboardLook::System:
        break;
    }
    return PaletteIsDark(palette) ? NightColours() : DayColours();
}

} // namespace korvane
