#pragma once

#include <QList>
#include <vector>

class QFont;
class QWidget;

namespace korvane {

// The one place where the templates' dialog units become pixels. A horizontal unit is a
// quarter of the font's average character width, a vertical unit an eighth of its height,
// so sizes taken from a template keep their proportions at any font size.
class TemplateGeometry {
public:
    explicit TemplateGeometry(const QFont& font);
    explicit TemplateGeometry(const QWidget& widget);

    int X(int units) const;
    int Y(int units) const;

    void FixWidth(QWidget& widget, int units) const;
    void MinimumSize(QWidget& widget, int widthUnits, int heightUnits) const;

    // Tab stops given in dialog units, in pixels.
    QList<qreal> TabPositions(const std::vector<int>& stops) const;
    // Where tabs fall beyond the last stop: every 32 units.
    qreal DefaultTabDistance() const;

private:
    double x_ = 1.0;
    double y_ = 1.0;
};

} // namespace korvane
