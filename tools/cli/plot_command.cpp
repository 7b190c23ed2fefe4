#include "plot_command.h"

#include <QApplication>
#include <QString>
#include <algorithm>
#include <memory>

#include "app/qt/graph/chart_image.h"
#include "app/qt/graph/log_chart.h"
#include "full_path.h"
#include "log/log_file_reader.h"

namespace korvane::cli {

namespace {

// Qt's widgets need an application object; the chart is drawn off screen, so no display
// is needed (a QT_QPA_PLATFORM the user set is kept).
std::unique_ptr<QApplication> OffscreenApplication() {
    if (QApplication::instance() != nullptr) {
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "korvane-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int RunPlot(const PlotOptions& options, std::ostream& out, std::ostream& err) {
    const std::string path = FullPath(options.log);
    LogReadResult log = ReadLogFile(path);
    if (log.outcome != LogReadOutcome::Read) {
        err << "korvane-cli: plot: " << log.message << "\n";
        return kExitFailure;
    }
    const std::size_t skipped = log.content.skippedLines;
    StripChartModel model;
    AddLogRuns(model, std::move(log.content));
    model.SetSpan(std::nullopt);
    const std::vector<std::string>& columns = model.Parameters();
    std::vector<std::string> chosen = options.params;
    if (chosen.empty()) {
        const std::size_t count = std::min(StripChartModel::kDefaultStrips, columns.size());
        chosen.assign(columns.begin(), columns.begin() + static_cast<std::ptrdiff_t>(count));
    }
    for (const std::string& name : chosen) {
        if (std::find(columns.begin(), columns.end(), name) == columns.end()) {
            err << "korvane-cli: plot: " << path << " has no column " << name << "\n";
            return kExitUsage;
        }
    }
    model.Choose(chosen);

    const auto application = OffscreenApplication();
    QString error;
    if (!SaveChartImage(model, QSize(options.width, options.height),
                        QString::fromStdString(options.out), error)) {
        err << "korvane-cli: plot: " << error.toStdString() << "\n";
        return kExitFailure;
    }
    out << options.out << ": " << LogSummary(model, skipped) << "\n";
    return kExitSuccess;
}

} // namespace korvane::cli
