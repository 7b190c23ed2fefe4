#include "app/qt/tabbed_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>

namespace korvane {

namespace {
constexpr int kDefaultTabUnits = 32;
const QString kAverageSample =
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

int NextMultiple(int x, int step) {
    return (x / step + 1) * step;
}
} // namespace

int DialogUnits::ToPixelsX(int units) const {
    return static_cast<int>(std::lround(units * x));
}

int DialogUnits::ToPixelsY(int units) const {
    return static_cast<int>(std::lround(units * y));
}

DialogUnits DialogUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const double averageWidth =
        static_cast<double>(metrics.horizontalAdvance(kAverageSample)) / kAverageSample.size();
    DialogUnits units;
    units.x = std::max(1.0, averageWidth) / 4.0;
    units.y = std::max(1, metrics.height()) / 8.0;
    return units;
}

TabStops::TabStops(std::vector<int> stopsInDialogUnits) : stops_(std::move(stopsInDialogUnits)) {
    std::erase_if(stops_, [](int stop) { return stop <= 0; });
}

int TabStops::NextStop(int x, const DialogUnits& units) const {
    if (stops_.size() == 1) {
        return NextMultiple(x, std::max(1, units.ToPixelsX(stops_.front())));
    }
    for (int stop : stops_) {
        const int pixels = units.ToPixelsX(stop);
        if (pixels > x) {
            return pixels;
        }
    }
    return NextMultiple(x, std::max(1, units.ToPixelsX(kDefaultTabUnits)));
}

int TabbedLineWidth(const QString& line, const QFontMetrics& metrics, const TabStops& stops,
                    const DialogUnits& units) {
    const QStringList pieces = line.split(QLatin1Char('\t'));
    int x = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            x = stops.NextStop(x, units);
        }
        x += metrics.horizontalAdvance(pieces[i]);
    }
    return x;
}

void DrawTabbedLine(QPainter& painter, const QRect& rect, const QString& line,
                    const TabStops& stops, const DialogUnits& units) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QStringList pieces = line.split(QLatin1Char('\t'));
    int x = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            x = stops.NextStop(x, units);
        }
        const int width = metrics.horizontalAdvance(pieces[i]);
        const QRect pieceRect(rect.left() + x, rect.top(), std::max(width, rect.width() - x),
                              rect.height());
        painter.drawText(pieceRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         pieces[i]);
        x += width;
    }
}

} // namespace korvane
