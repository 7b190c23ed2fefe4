#pragma once

#include <QString>
#include <vector>

class QFont;
class QFontMetrics;
class QPainter;
class QRect;

namespace korvane {

// The dialog units of a font: a horizontal unit is a quarter of the average character
// width, a vertical unit an eighth of the character height. Layouts in dialog units keep
// their proportions at any font size.
struct DialogUnits {
    double x = 1.0;
    double y = 1.0;
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
};

DialogUnits DialogUnitsOf(const QFont& font);

// Tab stops in dialog units, as list boxes and statics take them. With no stops a tab
// advances to the next multiple of 32 units; with one stop, to the next multiple of it;
// with several, to the first stop past the text so far and, beyond the last one, to the
// next multiple of 32 units.
class TabStops {
public:
    TabStops() = default;
    explicit TabStops(std::vector<int> stopsInDialogUnits);

    // Pixel position of the first tab stop to the right of `x`.
    int NextStop(int x, const DialogUnits& units) const;

private:
    std::vector<int> stops_;
};

// Width in pixels of one line with its tabs expanded.
int TabbedLineWidth(const QString& line, const QFontMetrics& metrics, const TabStops& stops,
                    const DialogUnits& units);

// Draws one line with its tabs expanded, starting at the left of `rect`, vertically centred.
void DrawTabbedLine(QPainter& painter, const QRect& rect, const QString& line,
                    const TabStops& stops, const DialogUnits& units);

} // namespace korvane
