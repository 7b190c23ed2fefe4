#include "app/qt/graph/log_viewer_window.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>

#include <gtest/gtest.h>

#include "app/qt/graph/chart_panel.h"
#include "support/scratch_folder.h"

namespace korvane {
namespace {

TEST(LogViewerWindow, ShowsTheLogItReadOnItsOwnThreadWithTheSkippedLines) {
    testing::ScratchFolder folder;
    const std::string path = folder.File("drive.txt");
    testing::WriteWholeFile(path, "10:00:00.000 Starting log session.\n"
                                  "10:00:01.000 *** Read Parameters ***\n"
                                  "10:00:01.000 EngineSpeed,CoolantTemp,\n"
                                  "10:00:01.100 800,85,\n"
                                  "10:00:01.200 Start Address 1234\n");
    auto* viewer = new LogViewerWindow(QString::fromStdString(path));
    const QDeadlineTimer generous(30000);
    while (!viewer->Loaded() && !generous.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    ASSERT_TRUE(viewer->Loaded());
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->Panel().Model().Chosen(),
              (std::vector<std::string>{"EngineSpeed", "CoolantTemp"}));
    const auto labels = viewer->findChildren<QLabel*>();
    const bool saysSkipped = std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->text().contains(QStringLiteral("1 line skipped"));
    });
    EXPECT_TRUE(saysSkipped);
    delete viewer;
}

} // namespace
} // namespace korvane
