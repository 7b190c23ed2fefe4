#include "app/qt/dashboard/tile_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

namespace korvane {

namespace {

QRectF Inner(const QRectF& tile) {
    const double margin = std::max(6.0, tile.height() * 0.06);
    return tile.adjusted(margin, margin, -margin, -margin);
}

// Below the gauge: a line for the range's ends, then one for the run's lowest and highest.
double RangeLineHeight(const QRectF& inner) {
    return inner.height() * 0.09;
}
double FooterHeight(const QRectF& inner) {
    return inner.height() * 0.13;
}

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

void SetPixelSize(QPainter& painter, double pixels, bool bold) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    painter.setFont(font);
}

// Shrinks the font until the text fits the width, with room for the rounding of the smaller
// size's glyphs.
void FitWidth(QPainter& painter, const QString& text, double width) {
    const double needed = QFontMetricsF(painter.font()).horizontalAdvance(text);
    if (needed > width && needed > 0) {
        SetPixelSize(painter, painter.font().pixelSize() * 0.95 * width / needed,
                     painter.font().bold());
    }
}

bool Warns(const TileView& view) {
    return view.limit != LimitState::Within;
}

QColor WarningColour(const TileView& view, const DashboardColours& colours) {
    return view.limit == LimitState::Above ? colours.high : colours.low;
}

// A triangle pointing up for a high warning, down for a low one, in `box`.
void PaintArrow(QPainter& painter, const QRectF& box, bool up, const QColor& colour) {
    QPolygonF triangle;
    if (up) {
        triangle << QPointF(box.center().x(), box.top()) << box.bottomRight() << box.bottomLeft();
    } else {
        triangle << box.topLeft() << box.topRight() << QPointF(box.center().x(), box.bottom());
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
}

// The name on the left, the state on the right.
void PaintHeader(QPainter& painter, const QRectF& line, const TileView& view,
                 const DashboardColours& colours) {
    // The mark leaves the name room: a warning also colours and frames the whole tile.
    SetPixelSize(painter, line.height() * 0.6, true);
    QString mark;
    QColor markColour = colours.dimText;
    switch (view.freshness) {
    case Freshness::Waiting:
        mark = QStringLiteral("WAITING");
        break;
    case Freshness::Missing:
        mark = QStringLiteral("NO READING");
        break;
    case Freshness::Stale:
        mark = QStringLiteral("STALE %1 s").arg(view.ageSeconds, 0, 'f', 0);
        break;
    case Freshness::Fresh:
        if (Warns(view)) {
            mark = view.limit == LimitState::Above ? QStringLiteral("HIGH") : QStringLiteral("LOW");
            markColour = WarningColour(view, colours);
        }
        break;
    }
    const double markWidth = QFontMetricsF(painter.font()).horizontalAdvance(mark);
    double markLeft = line.right() - markWidth;
    if (Warns(view)) {
        const double size = line.height() * 0.6;
        markLeft -= size * 1.4;
        PaintArrow(painter, QRectF(markLeft, line.center().y() - size / 2, size, size),
                   view.limit == LimitState::Above, markColour);
    }
    painter.setPen(markColour);
    painter.drawText(QRectF(line.right() - markWidth, line.top(), markWidth, line.height()),
                     Qt::AlignRight | Qt::AlignVCenter, mark);

    const QRectF nameBox(line.left(), line.top(), markLeft - line.left() - line.height() * 0.5,
                         line.height());
    // The name matters more than its size: smaller before it is cut short.
    const QString name = ToQt(view.name);
    SetPixelSize(painter, line.height() * 0.8, true);
    const double needed = QFontMetricsF(painter.font()).horizontalAdvance(name);
    if (needed > nameBox.width()) {
        SetPixelSize(painter, line.height() * 0.8 * std::max(0.45, 0.95 * nameBox.width() / needed),
                     true);
    }
    painter.setPen(colours.text);
    painter.drawText(
        nameBox, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetricsF(painter.font()).elidedText(ToQt(view.name), Qt::ElideRight, nameBox.width()));
}

// The value as large as the box allows, its unit smaller beside it.
void PaintValue(QPainter& painter, const QRectF& box, const TileView& view,
                const DashboardColours& colours) {
    const bool fresh = view.freshness == Freshness::Fresh;
    const QString value = ToQt(view.valueText);
    const QString unit = view.unit.empty() ? QString() : QStringLiteral(" ") + ToQt(view.unit);

    SetPixelSize(painter, box.height() * 0.3, false);
    const double unitWidth = QFontMetricsF(painter.font()).horizontalAdvance(unit);
    const QFont unitFont = painter.font();
    SetPixelSize(painter, box.height() * 0.85, true);
    FitWidth(painter, value, box.width() - unitWidth);
    const QFontMetricsF metrics(painter.font());
    const double valueWidth = metrics.horizontalAdvance(value);
    const double left = box.center().x() - (valueWidth + unitWidth) / 2;
    const double baseline = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;

    painter.setPen(fresh ? colours.text : colours.dimText);
    painter.drawText(QPointF(left, baseline), value);
    painter.setFont(unitFont);
    painter.setPen(colours.dimText);
    painter.drawText(QPointF(left + valueWidth, baseline), unit);
}

void PaintGauge(QPainter& painter, const QRectF& bar, const TileView& view,
                const DashboardColours& colours) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.track);
    painter.drawRect(bar);
    const auto x = [&](double value) {
        return bar.left() + bar.width() * GaugeFraction(value, view.range);
    };
    if (view.value) {
        QColor fill = colours.fill;
        if (view.freshness != Freshness::Fresh) {
            fill = colours.staleFill;
        } else if (Warns(view)) {
            fill = WarningColour(view, colours);
        }
        painter.setBrush(fill);
        painter.drawRect(QRectF(bar.topLeft(), QPointF(x(*view.value), bar.bottom())));
    }
    // Each limit as a line across the bar, standing out above and below it.
    const double reach = bar.height() * 0.35;
    painter.setBrush(colours.limitMark);
    for (const auto& limit : {view.limits.low, view.limits.high}) {
        if (limit) {
            const double width = std::max(2.0, bar.height() * 0.15);
            painter.drawRect(
                QRectF(x(*limit) - width / 2, bar.top() - reach, width, bar.height() + 2 * reach));
        }
    }
}

// The range's ends under the gauge's ends.
void PaintRangeEnds(QPainter& painter, const QRectF& line, const TileView& view,
                    const DashboardColours& colours) {
    SetPixelSize(painter, line.height() * 0.85, false);
    painter.setPen(colours.dimText);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, QString::number(view.range.low));
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, QString::number(view.range.high));
}

// The run's lowest and highest values.
void PaintFooter(QPainter& painter, const QRectF& line, const TileView& view,
                 const DashboardColours& colours) {
    if (!view.lowest) {
        return;
    }
    const QString text =
        QStringLiteral("min %1    max %2").arg(ToQt(view.lowestText), ToQt(view.highestText));
    SetPixelSize(painter, line.height() * 0.8, false);
    FitWidth(painter, text, line.width());
    painter.setPen(colours.text);
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignBottom, text);
}

} // namespace

QRectF GaugeRect(const QRectF& tile) {
    const QRectF inner = Inner(tile);
    const double height = std::max(8.0, inner.height() * 0.12);
    const double bottom = inner.bottom() - FooterHeight(inner) - RangeLineHeight(inner);
    return QRectF(inner.left(), bottom - height, inner.width(), height);
}

double WarningBorderWidth(const QRectF& tile) {
    return std::max(4.0, std::min(tile.width(), tile.height()) * 0.035);
}

void PaintTile(QPainter& painter, const QRectF& tile, const TileView& view,
               const DashboardColours& colours) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const bool warns = Warns(view);
    // Past a limit the whole tile takes the warning's colour and a thick border of it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(warns ? (view.limit == LimitState::Above ? colours.highTile : colours.lowTile)
                           : colours.tile);
    painter.drawRect(tile);
    if (warns) {
        const double width = WarningBorderWidth(tile);
        QPainterPath frame;
        frame.addRect(tile);
        frame.addRect(tile.adjusted(width, width, -width, -width));
        painter.setBrush(WarningColour(view, colours));
        painter.drawPath(frame);
    } else {
        QPen pen(colours.border, 1);
        if (view.freshness == Freshness::Stale) {
            pen = QPen(colours.dimText, 2, Qt::DashLine);
        }
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(tile.adjusted(0.5, 0.5, -0.5, -0.5));
    }

    const QRectF inner = Inner(tile);
    const QRectF header(inner.left(), inner.top(), inner.width(), inner.height() * 0.16);
    const QRectF gauge = GaugeRect(tile);
    const QRectF footer(inner.left(), inner.bottom() - FooterHeight(inner), inner.width(),
                        FooterHeight(inner));
    const QRectF range(inner.left(), gauge.bottom() + 2, inner.width(), RangeLineHeight(inner));
    const QRectF value(inner.left(), header.bottom(), inner.width(),
                       gauge.top() - header.bottom() - gauge.height() * 0.5);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PaintHeader(painter, header, view, colours);
    PaintValue(painter, value, view, colours);
    PaintGauge(painter, gauge, view, colours);
    PaintRangeEnds(painter, range, view, colours);
    PaintFooter(painter, footer, view, colours);
    painter.restore();
}

} // namespace korvane
