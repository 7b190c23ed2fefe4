#include "app/qt/graph/strip_chart_scene.h"

#include "app/qt/graph/strip_curve_item.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// Room around each plot area, in pixels: value labels on the left, the heading above,
// the time labels and their title below the lowest strip.
constexpr double kLeft = 64;
constexpr double kRight = 16;
constexpr double kTop = 20;
constexpr double kBottom = 6;
constexpr double kTimeLabels = 40;
constexpr double kTimeTicks = 8; // about this many across the width

} // namespace

StripChartScene::StripChartScene(QObject* parent) : QGraphicsScene(parent) {
    setBackgroundBrush(Qt::white);
    // Every item moves or changes on every pass; an index of their places would only be
    // rebuilt each time.
    setItemIndexMethod(QGraphicsScene::NoIndex);
}

QString StripChartScene::Heading(const StripChartModel::Strip& strip) {
    QString text = QString::fromStdString(strip.name) + QStringLiteral("   ");
    text += strip.current ? QString::number(*strip.current, 'g', 6) : QStringLiteral("--");
    if (!strip.unit.empty()) {
        text += QLatin1Char(' ') + QString::fromStdString(strip.unit);
    }
    return text;
}

StripChartScene::StripItems StripChartScene::MakeStrip() {
    StripItems items;
    items.chart = new QChart;
    items.chart->legend()->hide();
    items.chart->setBackgroundRoundness(0);
    // The plot area is set by hand; with the default margins the chart would think its
    // axes have too little room and cut their labels short.
    items.chart->setMargins(QMargins(0, 0, 0, 0));
    items.chart->layout()->setContentsMargins(0, 0, 0, 0);
    items.chart->setAnimationOptions(QChart::NoAnimation);
    items.time = new QValueAxis;
    items.time->setTickType(QValueAxis::TicksDynamic);
    items.time->setTickAnchor(0);
    items.time->setLabelFormat(QStringLiteral("%.4g"));
    items.value = new QValueAxis;
    items.value->setLabelFormat(QStringLiteral("%.5g"));
    items.chart->addAxis(items.time, Qt::AlignBottom);
    items.chart->addAxis(items.value, Qt::AlignLeft);
    items.curve = new StripCurveItem(items.chart);
    // Above the chart's own axes and grid.
    constexpr double kAboveChart = 100;
    items.curve->setZValue(kAboveChart);
    items.heading = new QGraphicsSimpleTextItem(items.chart);
    QFont font = items.heading->font();
    font.setBold(true);
    items.heading->setFont(font);
    items.heading->setPos(kLeft, 2);
    addItem(items.chart);
    return items;
}

void StripChartScene::Draw(StripItems& items, const StripChartModel::Strip& strip,
                           StripChartModel::TimeRange range, const QRectF& area, bool lowest) {
    items.chart->setGeometry(area);
    const QRectF plot(kLeft, kTop, std::max(1.0, area.width() - kLeft - kRight),
                      std::max(1.0, area.height() - kTop - kBottom - (lowest ? kTimeLabels : 0)));
    items.chart->setPlotArea(plot);
    items.heading->setText(Heading(strip));
    items.time->setRange(range.from, range.to);
    items.time->setTickInterval(NiceStep((range.to - range.from) / kTimeTicks));
    items.time->setLabelsVisible(lowest);
    items.time->setTitleText(lowest ? QStringLiteral("seconds") : QString());
    items.value->setRange(strip.low, strip.high);
    // The scale spans whole steps, so evenly spread ticks fall on them.
    items.value->setTickCount(static_cast<int>(std::lround((strip.high - strip.low) / strip.step)) +
                              1);
    items.curve->SetCurve(strip.lines, {plot, range.from, range.to, strip.low, strip.high});
    // A new tick count only marks the chart's layout as stale; lay it out now, so that
    // an image drawn without an event loop shows it too.
    items.chart->layout()->activate();
}

void StripChartScene::Show(const StripChartModel& model, QSizeF size) {
    const double plotWidth = std::max(1.0, size.width() - kLeft - kRight);
    const std::size_t count = model.Chosen().size();
    const double height =
        count > 0 ? (size.height() - kTimeLabels) / static_cast<double>(count) : 0;
    // Value labels need about this much height each, or the chart cuts them short.
    constexpr double kLabelHeight = 24;
    const int valueSteps =
        std::clamp(static_cast<int>((height - kTop - kBottom) / kLabelHeight), 1, 4);
    const std::vector<StripChartModel::Strip> strips =
        model.Strips(static_cast<int>(plotWidth), valueSteps);
    while (strips_.size() > strips.size()) {
        delete strips_.back().chart;
        strips_.pop_back();
    }
    while (strips_.size() < strips.size()) {
        strips_.push_back(MakeStrip());
    }
    setSceneRect(QRectF(QPointF(0, 0), size));
    if (strips.empty()) {
        return;
    }
    const StripChartModel::TimeRange range = model.Visible();
    for (std::size_t i = 0; i < strips.size(); ++i) {
        const bool lowest = i + 1 == strips.size();
        const QRectF area(0, height * static_cast<double>(i), size.width(),
                          height + (lowest ? kTimeLabels : 0));
        Draw(strips_[i], strips[i], range, area, lowest);
    }
}

} // namespace korvane
