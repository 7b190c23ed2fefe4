#include "app/qt/graph/graph_windows.h"

#include <QFileDialog>

#include "app/qt/graph/live_graph_window.h"
#include "app/qt/graph/log_viewer_window.h"

namespace korvane {

GraphWindows::GraphWindows(QWidget& mainWindow)
    : QObject(&mainWindow), mainWindow_(mainWindow), live_(new LiveGraphWindow(&mainWindow)) {}

void GraphWindows::ShowLiveGraph() {
    live_->show();
    live_->raise();
    live_->activateWindow();
}

void GraphWindows::ViewLogFile() {
    const QString path = QFileDialog::getOpenFileName(
        &mainWindow_, QStringLiteral("View logfile"), QString(),
        QStringLiteral("Log files (*.csv *.txt *.log);;All files (*)"));
    if (!path.isEmpty()) {
        ViewLogFile(path);
    }
}

void GraphWindows::ViewLogFile(const QString& path) {
    new LogViewerWindow(path, &mainWindow_);
}

void GraphWindows::StartRun() {
    live_->StartRun();
}

void GraphWindows::AddPass(const GraphPass& pass) {
    live_->AddPass(pass);
}

} // namespace korvane
