#pragma once

#include <QGraphicsItem>
#include <QPen>
#include <QPolygonF>
#include <vector>

#include "app/qt/graph/strip_lines.h"

namespace korvane {

// A strip's curve over its chart's plot area. Qt Charts' own line series took about
// 1.3 microseconds per point to take new points (it builds a hover outline of every
// line), far too slow for 16 strips of two points per pixel column redrawn ten times a
// second; this item only maps the points and draws them as thin polylines.
class StripCurveItem : public QGraphicsItem {
public:
    struct Scale {
        QRectF plot;     // where the curve is drawn, in the parent's coordinates
        double from = 0; // seconds at the left and right edges
        double to = 1;
        double low = 0; // values at the bottom and top edges
        double high = 1;
    };

    explicit StripCurveItem(QGraphicsItem* parent = nullptr);

    void SetCurve(const std::vector<StripLine>& lines, const Scale& scale);

    QRectF boundingRect() const override { return plot_.adjusted(-2, -2, 2, 2); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QRectF plot_;
    std::vector<QPolygonF> lines_;
    QPolygonF dots_; // lines of a single point
    QPen pen_;
};

} // namespace korvane
