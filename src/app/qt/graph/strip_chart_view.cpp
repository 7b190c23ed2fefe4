#include "app/qt/graph/strip_chart_view.h"

#include <QResizeEvent>

namespace korvane {

StripChartView::StripChartView(const StripChartModel& model, QWidget* parent)
    : QGraphicsView(parent), model_(model) {
    setScene(&scene_);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setMinimumSize(320, 200);
}

void StripChartView::Redraw() {
    scene_.Show(model_, QSizeF(viewport()->size()));
}

void StripChartView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    Redraw();
}

} // namespace korvane
