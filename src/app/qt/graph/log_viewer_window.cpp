#include "app/qt/graph/log_viewer_window.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "app/qt/graph/chart_panel.h"
#include "app/qt/graph/log_chart.h"
#include "log/log_file_reader.h"

namespace korvane {

LogViewerWindow::LogViewerWindow(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window), panel_(new ChartPanel(ChartPanel::Kind::Log)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("%1 - Log viewer").arg(QFileInfo(path).fileName()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel_);
    resize(900, 640);
    panel_->SetStatus(QStringLiteral("Loading %1...").arg(path));

    // A file that is quickly found to be no log only gets its message; a long load shows
    // the window with its status meanwhile.
    constexpr int kShowLoadingAfterMs = 250;
    QTimer::singleShot(kShowLoadingAfterMs, this, [this] {
        if (!failed_) {
            show();
        }
    });

    auto result = std::make_shared<LogReadResult>();
    QThread* reader =
        QThread::create([result, file = path.toStdString()] { *result = ReadLogFile(file); });
    // Tied to this window: closed while loading, it gets no result.
    connect(reader, &QThread::finished, this, [this, result] { ShowLog(*result); });
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    reader->start();
}

void LogViewerWindow::ShowLog(LogReadResult& result) {
    if (result.outcome != LogReadOutcome::Read) {
        failed_ = true;
        QWidget* owner = parentWidget();
        close();
        QMessageBox::warning(owner, QStringLiteral("View logfile"),
                             QString::fromStdString(result.message));
        return;
    }
    const std::size_t skipped = result.content.skippedLines;
    AddLogRuns(panel_->Model(), std::move(result.content));
    loaded_ = true;
    panel_->SetStatus(QString::fromStdString(LogSummary(panel_->Model(), skipped)));
    show();
    panel_->Refresh();
}

} // namespace korvane
