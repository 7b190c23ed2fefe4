#include "app/qt/graph/chart_panel.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "app/qt/graph/chart_image.h"
#include "app/qt/graph/strip_chart_view.h"

namespace korvane {

namespace {

struct SpanChoice {
    const char* caption;
    double seconds; // 0: everything
};
constexpr SpanChoice kSpans[] = {{"10 s", 10},    {"30 s", 30},  {"1 min", 60},    {"5 min", 300},
                                 {"15 min", 900}, {"1 h", 3600}, {"Everything", 0}};
constexpr int kDefaultSpanIndex = 2;

} // namespace

ChartPanel::ChartPanel(Kind kind, QWidget* parent)
    : QWidget(parent), parameters_(new QListWidget), span_(new QComboBox), status_(new QLabel),
      view_(new StripChartView(model_)) {
    for (const SpanChoice& choice : kSpans) {
        span_->addItem(QString::fromLatin1(choice.caption), choice.seconds);
    }
    if (kind == Kind::Log) {
        span_->setCurrentIndex(static_cast<int>(std::size(kSpans)) - 1);
        model_.SetSpan(std::nullopt);
    } else {
        span_->setCurrentIndex(kDefaultSpanIndex);
    }
    connect(span_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const double seconds = span_->itemData(index).toDouble();
        model_.SetSpan(seconds > 0 ? std::optional<double>(seconds) : std::nullopt);
        view_->Redraw();
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("Span")));
    bar->addWidget(span_);
    if (kind == Kind::Live) {
        pause_ = new QPushButton(QStringLiteral("Pause"));
        pause_->setCheckable(true);
        connect(pause_, &QPushButton::toggled, this, [this](bool paused) {
            model_.SetPaused(paused);
            view_->Redraw();
        });
        bar->addWidget(pause_);
    }
    auto* save = new QPushButton(QStringLiteral("Save image..."));
    connect(save, &QPushButton::clicked, this, &ChartPanel::SaveImage);
    bar->addWidget(save);
    bar->addWidget(status_, 1);

    parameters_->setMaximumWidth(200);
    connect(parameters_, &QListWidget::itemChanged, this, [this] {
        userChose_ = true;
        ChoiceChanged();
    });
    auto* body = new QHBoxLayout;
    body->addWidget(parameters_);
    body->addWidget(view_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(body, 1);
}

void ChartPanel::Refresh() {
    const auto& names = model_.Parameters();
    if (static_cast<std::size_t>(parameters_->count()) < names.size()) {
        const QSignalBlocker quiet(parameters_);
        for (auto i = static_cast<std::size_t>(parameters_->count()); i < names.size(); ++i) {
            auto* item = new QListWidgetItem(QString::fromStdString(names[i]), parameters_);
            const bool chosen = !userChose_ && i < StripChartModel::kDefaultStrips;
            item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
        }
        ChoiceChanged();
        return;
    }
    view_->Redraw();
}

void ChartPanel::ChoiceChanged() {
    std::vector<std::string> chosen;
    for (int i = 0; i < parameters_->count(); ++i) {
        if (parameters_->item(i)->checkState() == Qt::Checked) {
            chosen.push_back(parameters_->item(i)->text().toStdString());
        }
    }
    model_.Choose(std::move(chosen));
    view_->Redraw();
}

void ChartPanel::SetStatus(const QString& text) {
    status_->setText(text);
}

void ChartPanel::SaveImage() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save image"), QStringLiteral("chart.png"),
        QStringLiteral("PNG image (*.png);;SVG image (*.svg)"));
    if (path.isEmpty()) {
        return;
    }
    QString error;
    if (!SaveChartImage(model_, view_->viewport()->size(), path, error)) {
        QMessageBox::warning(this, QStringLiteral("Save image"), error);
    }
}

} // namespace korvane
