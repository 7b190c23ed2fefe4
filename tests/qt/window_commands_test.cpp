#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

namespace m = ids::main;
using ::testing::ElementsAre;

using MainWindow = ShownWindow;

TEST_F(MainWindow, ClicksReportTheirIdsAndTextAndDisabledControlsReportNothing) {
    window->CheckRadioButton(m::kUnitEcu, m::kUnitCruise, m::kUnitEcu);
    QTest::mouseClick(&Get<QPushButton>(*window, m::kGetRomId), Qt::LeftButton);
    QTest::mouseClick(&Get<QCheckBox>(*window, m::kParamRepeat), Qt::LeftButton);
    QTest::mouseClick(&Get<QRadioButton>(*window, m::kUnitTcu), Qt::LeftButton);
    window->Enable(m::kMemStop, false);
    QTest::mouseClick(&Get<QPushButton>(*window, m::kMemStop), Qt::LeftButton);
    window->Enable(m::kMemStop, true);
    QTest::mouseClick(&Get<QPushButton>(*window, m::kMemStop), Qt::LeftButton);
    EXPECT_THAT(logic->commands,
                ElementsAre(Report{m::kGetRomId, 0, "Get ROM ID"},
                            Report{m::kParamRepeat, 0, "Repeat"}, Report{m::kUnitTcu, 0, "TCU"},
                            Report{m::kMemStop, 0, "Stop"}));
    // They check themselves, a radio button unchecking the others of its group.
    EXPECT_TRUE(window->IsChecked(m::kParamRepeat));
    EXPECT_TRUE(window->IsChecked(m::kUnitTcu));
    EXPECT_FALSE(window->IsChecked(m::kUnitEcu));
}

TEST_F(MainWindow, TheProgramSetsChecksWithoutReports) {
    window->CheckRadioButton(m::kUnitEcu, m::kUnitCruise, m::kUnitAircon);
    window->CheckRadioButton(m::kModeBytes, m::kModeBlocks, m::kModeBlocks);
    window->CheckRadioButton(m::kUnitEcu, m::kUnitCruise, m::kUnitEcu);
    EXPECT_TRUE(window->IsChecked(m::kUnitEcu));
    EXPECT_FALSE(window->IsChecked(m::kUnitAircon));
    EXPECT_TRUE(window->IsChecked(m::kModeBlocks)); // the groups are independent
    // Even the checked button of a group can be unchecked.
    window->SetChecked(m::kUnitEcu, false);
    EXPECT_FALSE(window->IsChecked(m::kUnitEcu));
    window->SetChecked(m::kMemRepeat, true);
    EXPECT_TRUE(window->IsChecked(m::kMemRepeat));
    EXPECT_TRUE(logic->commands.empty());
}

TEST(Shell, RunMainWindowEndsWithExitCodeZeroWhenTheWindowCloses) {
    QtShell shell{WindowLogicFactory{}};
    QTimer::singleShot(0, &QApplication::closeAllWindows);
    EXPECT_EQ(shell.RunMainWindow(), 0);
}

TEST(Shell, ModalDialogsOpenOverTheirOwnerAndReportWhenClosed) {
    // Without a logic a dialog still goes away on Escape.
    QtShell shell{WindowLogicFactory{}};
    auto window = shell.BuildWindow(ids::kMainTemplate, nullptr);
    window->Host().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Host()));
    bool closed = false;
    window->OpenModalDialog(ids::kAboutTemplate, [&closed] { closed = true; });

    // The call has returned with the dialog open and blocking its owner.
    QPointer<QWidget> about = QApplication::activeModalWidget();
    ASSERT_FALSE(about.isNull());
    EXPECT_EQ(about->windowHandle()->transientParent(), window->Host().windowHandle());
    EXPECT_FALSE(closed);
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_TRUE(closed);
    ASSERT_TRUE(QTest::qWaitFor([&about] { return about.isNull(); }, 10000));
}

struct DumpDialog : ShownWindow {
    DumpDialog() : ShownWindow(ids::kDumpTemplate) {}
};

TEST_F(DumpDialog, EnterPressesTheDefaultButtonEscapeAndTheCloseBoxAskTheLogic) {
    QLineEdit& file = Get<QLineEdit>(*window, ids::dump::kOutputFile);
    file.setFocus();
    QTest::keyClick(&file, Qt::Key_Return);
    QTest::keyClick(&window->Host(), Qt::Key_Escape);
    window->Host().close();
    EXPECT_THAT(logic->commands, ElementsAre(Report{ids::dump::kStart, 0, "Start"},
                                             Report{ids::dump::kExit, 0, "Exit"},
                                             Report{ids::dump::kExit, 0, "Exit"}));
    EXPECT_TRUE(window->Host().isVisible());
    window->Close();
    EXPECT_FALSE(window->Host().isVisible());
}

TEST_F(DumpDialog, TimerTicksReachTheLogicUntilTheWindowCloses) {
    window->StartTimer(5);
    ASSERT_TRUE(QTest::qWaitFor([this] { return logic->ticks >= 1; }, 10000));
    window->Close();
    EXPECT_FALSE(window->Host().isVisible());
    const int ticks = logic->ticks;
    // A timer of the same period fires a few times meanwhile.
    int others = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&others] { ++others; });
    other.start(5);
    ASSERT_TRUE(QTest::qWaitFor([&others] { return others >= 3; }, 10000));
    EXPECT_EQ(logic->ticks, ticks);
}

} // namespace
} // namespace korvane::testing
