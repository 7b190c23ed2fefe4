#pragma once

#include <QGraphicsView>

#include "app/qt/graph/strip_chart_model.h"
#include "app/qt/graph/strip_chart_scene.h"

namespace korvane {

// The strip chart on screen: draws the model over the whole view and again whenever the
// view's size changes.
class StripChartView : public QGraphicsView {
public:
    StripChartView(const StripChartModel& model, QWidget* parent = nullptr);

    void Redraw();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    const StripChartModel& model_;
    StripChartScene scene_;
};

} // namespace korvane
