#include "app/qt/graph/strip_curve_item.h"

#include <QPainter>

namespace korvane {

StripCurveItem::StripCurveItem(QGraphicsItem* parent)
    : QGraphicsItem(parent), pen_(QColor(32, 96, 192), 1) {
    // A one-pixel pen draws polylines directly; wider ones go through a slow outline.
    pen_.setCosmetic(true);
}

void StripCurveItem::SetCurve(const std::vector<StripLine>& lines, const Scale& scale) {
    prepareGeometryChange();
    plot_ = scale.plot;
    lines_.clear();
    dots_.clear();
    const double across = scale.to > scale.from ? plot_.width() / (scale.to - scale.from) : 0;
    const double up = scale.high > scale.low ? plot_.height() / (scale.high - scale.low) : 0;
    const auto at = [&](const StripPoint& point) {
        return QPointF(plot_.left() + (point.seconds - scale.from) * across,
                       plot_.bottom() - (point.value - scale.low) * up);
    };
    for (const StripLine& line : lines) {
        if (line.size() == 1) {
            dots_.append(at(line.front()));
            continue;
        }
        QPolygonF& polyline = lines_.emplace_back();
        polyline.reserve(static_cast<qsizetype>(line.size()));
        for (const StripPoint& point : line) {
            polyline.append(at(point));
        }
    }
    update();
}

void StripCurveItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/,
                           QWidget* /*widget*/) {
    painter->save();
    // A value on the edge of the scale is drawn on the edge, not clipped away.
    painter->setClipRect(plot_.adjusted(-2, -2, 2, 2));
    painter->setPen(pen_);
    painter->setBrush(Qt::NoBrush);
    for (const QPolygonF& polyline : lines_) {
        painter->drawPolyline(polyline);
    }
    QPen dot = pen_;
    dot.setWidth(3);
    painter->setPen(dot);
    painter->drawPoints(dots_);
    painter->restore();
}

} // namespace korvane
