#include "app/qt/template_geometry.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace korvane {

namespace {
constexpr int kDefaultTabUnits = 32;
const QString kAverageSample =
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
} // namespace

TemplateGeometry::TemplateGeometry(const QFont& font) {
    const QFontMetrics metrics(font);
    const double averageWidth =
        static_cast<double>(metrics.horizontalAdvance(kAverageSample)) / kAverageSample.size();
    x_ = std::max(1.0, averageWidth) / 4.0;
    y_ = std::max(1, metrics.height()) / 8.0;
}

TemplateGeometry::TemplateGeometry(const QWidget& widget) : TemplateGeometry(widget.font()) {}

int TemplateGeometry::X(int units) const {
    return static_cast<int>(std::lround(units * x_));
}

int TemplateGeometry::Y(int units) const {
    return static_cast<int>(std::lround(units * y_));
}

void TemplateGeometry::FixWidth(QWidget& widget, int units) const {
    widget.setFixedWidth(X(units));
}

void TemplateGeometry::MinimumSize(QWidget& widget, int widthUnits, int heightUnits) const {
    widget.setMinimumSize(X(widthUnits), Y(heightUnits));
}

QList<qreal> TemplateGeometry::TabPositions(const std::vector<int>& stops) const {
    QList<qreal> positions;
    for (const int stop : stops) {
        positions.append(X(stop));
    }
    return positions;
}

qreal TemplateGeometry::DefaultTabDistance() const {
    return X(kDefaultTabUnits);
}

} // namespace korvane
