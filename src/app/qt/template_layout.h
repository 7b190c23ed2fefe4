#pragma once

#include "app/qt/tabbed_text.h"

class QWidget;

namespace korvane {

// Sizes taken from a template's dialog units, so that layouts keep their proportions at
// any font size.
class TemplateMetrics {
public:
    explicit TemplateMetrics(const QWidget& window);

    int X(int units) const { return units_.ToPixelsX(units); }
    int Y(int units) const { return units_.ToPixelsY(units); }

    void FixWidth(QWidget& widget, int units) const;
    void MinimumSize(QWidget& widget, int widthUnits, int heightUnits) const;

private:
    DialogUnits units_;
};

} // namespace korvane
