#include "app/qt/graph/live_graph_window.h"

#include <QVBoxLayout>

#include "app/qt/graph/chart_panel.h"

namespace korvane {

LiveGraphWindow::LiveGraphWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), panel_(new ChartPanel(ChartPanel::Kind::Live)) {
    setWindowTitle(QStringLiteral("Graph"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel_);
    resize(900, 640);
    panel_->SetStatus(QStringLiteral("Waiting for Read Parameters passes"));
}

void LiveGraphWindow::StartRun() {
    panel_->Model().StartRun();
}

void LiveGraphWindow::AddPass(const GraphPass& pass) {
    panel_->Model().AddPass(pass);
    panel_->SetStatus(QStringLiteral("%1 passes").arg(panel_->Model().PassCount()));
    if (isVisible()) {
        panel_->Refresh();
    }
}

void LiveGraphWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    panel_->Refresh();
}

} // namespace korvane
