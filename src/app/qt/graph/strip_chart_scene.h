#pragma once

#include <QGraphicsScene>
#include <QSizeF>
#include <vector>

#include "app/qt/graph/strip_chart_model.h"

class QChart;
class QGraphicsSimpleTextItem;
class QValueAxis;

namespace korvane {

class StripCurveItem;

// The strips of a chart drawn with Qt Charts, one chart per strip stacked top to bottom,
// all sharing the model's time range, their plot areas one above the other; only the
// lowest shows the time labels. Each chart gives the axes and grid; the heading and the
// curve are items of their own over it.
class StripChartScene : public QGraphicsScene {
public:
    explicit StripChartScene(QObject* parent = nullptr);

    // Lays the strips out over `size` and shows them; the pixel width for the model's
    // points is the size's width.
    void Show(const StripChartModel& model, QSizeF size);

    // What a strip's heading says: name, current value and unit.
    static QString Heading(const StripChartModel::Strip& strip);

private:
    struct StripItems {
        QChart* chart = nullptr;
        QValueAxis* time = nullptr;
        QValueAxis* value = nullptr;
        StripCurveItem* curve = nullptr;
        // Name, value and unit; an item of its own, as a chart title that changes with
        // every pass would lay the chart out again each time.
        QGraphicsSimpleTextItem* heading = nullptr;
    };

    StripItems MakeStrip();
    static void Draw(StripItems& items, const StripChartModel::Strip& strip,
                     StripChartModel::TimeRange range, const QRectF& area, bool lowest);

    std::vector<StripItems> strips_;
};

} // namespace korvane
