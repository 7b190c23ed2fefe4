#include "app/qt/graph/strip_chart_scene.h"

#include <QChart>
#include <QGraphicsLinearLayout>
#include <QGraphicsWidget>
#include <QLineSeries>
#include <QList>
#include <QPointF>
#include <QScatterSeries>
#include <QValueAxis>

namespace korvane {

StripChartScene::StripChartScene(QObject* parent)
    : QGraphicsScene(parent), frame_(new QGraphicsWidget),
      layout_(new QGraphicsLinearLayout(Qt::Vertical)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    frame_->setLayout(layout_);
    addItem(frame_);
    setBackgroundBrush(Qt::white);
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
    items.chart->setMargins(QMargins(4, 0, 4, 0));
    items.chart->setBackgroundRoundness(0);
    items.chart->setAnimationOptions(QChart::NoAnimation);
    QFont font = items.chart->titleFont();
    font.setBold(true);
    items.chart->setTitleFont(font);
    items.time = new QValueAxis;
    items.value = new QValueAxis;
    items.value->setTickCount(3);
    items.chart->addAxis(items.time, Qt::AlignBottom);
    items.chart->addAxis(items.value, Qt::AlignLeft);
    items.dots = new QScatterSeries;
    items.dots->setMarkerSize(4);
    items.dots->setBorderColor(Qt::transparent);
    items.chart->addSeries(items.dots);
    items.dots->attachAxis(items.time);
    items.dots->attachAxis(items.value);
    return items;
}

void StripChartScene::Fill(StripItems& items, const StripChartModel::Strip& strip,
                           StripChartModel::TimeRange range, bool lowest) {
    items.chart->setTitle(Heading(strip));
    items.time->setRange(range.from, range.to);
    items.time->setLabelsVisible(lowest);
    items.time->setTitleText(lowest ? QStringLiteral("s") : QString());
    items.value->setRange(strip.low, strip.high);

    QList<QPointF> dots;
    std::size_t used = 0;
    const QColor color(32, 96, 192);
    for (const StripLine& line : strip.lines) {
        if (line.size() == 1) {
            dots.append(QPointF(line[0].seconds, line[0].value));
            continue;
        }
        if (used == items.lines.size()) {
            auto* series = new QLineSeries;
            series->setColor(color);
            items.chart->addSeries(series);
            series->attachAxis(items.time);
            series->attachAxis(items.value);
            items.lines.push_back(series);
        }
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(line.size()));
        for (const StripPoint& point : line) {
            points.append(QPointF(point.seconds, point.value));
        }
        items.lines[used]->replace(points);
        items.lines[used]->setVisible(true);
        ++used;
    }
    for (std::size_t i = used; i < items.lines.size(); ++i) {
        items.lines[i]->clear();
        items.lines[i]->setVisible(false);
    }
    items.dots->setColor(color);
    items.dots->replace(dots);
}

void StripChartScene::Show(const StripChartModel& model, QSizeF size) {
    const std::vector<StripChartModel::Strip> strips =
        model.Strips(std::max(1, static_cast<int>(size.width())));
    while (strips_.size() > strips.size()) {
        layout_->removeItem(strips_.back().chart);
        delete strips_.back().chart;
        strips_.pop_back();
    }
    while (strips_.size() < strips.size()) {
        strips_.push_back(MakeStrip());
        layout_->addItem(strips_.back().chart);
    }
    const StripChartModel::TimeRange range = model.Visible();
    for (std::size_t i = 0; i < strips.size(); ++i) {
        Fill(strips_[i], strips[i], range, i + 1 == strips.size());
    }
    setSceneRect(QRectF(QPointF(0, 0), size));
    frame_->setGeometry(QRectF(QPointF(0, 0), size));
    layout_->activate();
}

} // namespace korvane
