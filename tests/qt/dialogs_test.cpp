#include "app/qt/dialogs.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QProgressBar>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

TEST(FileDialogFilters, TurnDescriptionAndPatternPairsIntoNameFilters) {
    const FileFilter logs = {{"Log files (txt,log,csv)", "*.txt;*.log;*.csv"},
                             {"All files", "*.*"}};
    EXPECT_EQ(FileDialogFilters(logs),
              QStringList({"Log files (txt,log,csv) (*.txt *.log *.csv)", "All files (*)"}));
    const FileFilter binaries = {{"Binary files (bin,hex)", "*.bin;*.hex"}};
    EXPECT_EQ(FileDialogFilters(binaries), QStringList({"Binary files (bin,hex) (*.bin *.hex)"}));
    EXPECT_TRUE(FileDialogFilters({}).isEmpty());
}

TEST(Progress, ShowsTheShareDone) {
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kDumpTemplate, nullptr);
    auto* progress = &Get<QProgressBar>(*window, ids::dump::kProgress);
    ASSERT_NE(progress, nullptr);
    window->SetProgress(ids::dump::kProgress, 0x4000, 0x8000);
    EXPECT_EQ(progress->value() * 2, progress->maximum());
    window->SetProgress(ids::dump::kProgress, 0x8000, 0x8000);
    EXPECT_EQ(progress->value(), progress->maximum());
    // Sizes beyond 32 bits do not overflow; nothing to do shows nothing done.
    window->SetProgress(ids::dump::kProgress, 3LL << 40, 4LL << 40);
    EXPECT_EQ(progress->value() * 4, progress->maximum() * 3);
    window->SetProgress(ids::dump::kProgress, 0, 0);
    EXPECT_EQ(progress->value(), 0);
}

} // namespace
} // namespace korvane::testing
