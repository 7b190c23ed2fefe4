#include "app/qt/dialogs.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QTest>
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

TEST(MessageBox, AnOkBoxOpensOverItsWindowWithoutWaitingAndGoesWhenClosed) {
    RecordingShell recording;
    auto window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
    window->Host().show();
    EXPECT_EQ(window->ShowMessageBox("<b>1</b>", "Caption", MessageBoxStyle::Ok),
              MessageBoxResult::Ok);
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->parentWidget(), &window->Host());
    EXPECT_EQ(box->text(), QStringLiteral("<b>1</b>"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    const QPointer<QMessageBox> open(box);
    box->accept();
    EXPECT_TRUE(QTest::qWaitFor([&open] { return open.isNull(); }, 10000));
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
