#pragma once

#include <QGraphicsScene>
#include <QSizeF>
#include <vector>

#include "app/qt/graph/strip_chart_model.h"

class QChart;
class QGraphicsLinearLayout;
class QGraphicsWidget;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace korvane {

// The strips of a chart drawn with Qt Charts, one chart per strip stacked top to bottom,
// all sharing the model's time range; only the lowest shows the time labels.
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
        std::vector<QLineSeries*> lines; // one per unbroken piece, reused between draws
        QScatterSeries* dots = nullptr;  // pieces of a single point
    };

    StripItems MakeStrip();
    void Fill(StripItems& items, const StripChartModel::Strip& strip,
              StripChartModel::TimeRange range, bool lowest);

    QGraphicsWidget* frame_;
    QGraphicsLinearLayout* layout_;
    std::vector<StripItems> strips_;
};

} // namespace korvane
