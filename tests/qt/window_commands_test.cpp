#include "app/qt/command_combo_box.h"
#include "app/qt/control_set.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

namespace m = ids::main;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct MainWindowFixture : ::testing::Test {
    void SetUp() override {
        window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
        ASSERT_NE(window, nullptr);
        logic = recording.last;
    }

    RecordingShell recording;
    std::unique_ptr<QtWindow> window;
    RecordingLogic* logic = nullptr;
};

TEST_F(MainWindowFixture, ClicksOfButtonsChecksAndRadiosReportTheirIds) {
    window->Host().show();
    QTest::mouseClick(&Get<QPushButton>(*window, m::kGetRomId), Qt::LeftButton);
    QTest::mouseClick(&Get<QCheckBox>(*window, m::kParamRepeat), Qt::LeftButton);
    QTest::mouseClick(&Get<QRadioButton>(*window, m::kUnitTcu), Qt::LeftButton);
    EXPECT_THAT(logic->commands,
                ElementsAre(Report{m::kGetRomId, 0, "Get ROM ID"},
                            Report{m::kParamRepeat, 0, "Repeat"}, Report{m::kUnitTcu, 0, "TCU"}));
    // They toggle themselves.
    EXPECT_TRUE(window->IsChecked(m::kParamRepeat));
    EXPECT_TRUE(window->IsChecked(m::kUnitTcu));

    // Disabled buttons report nothing.
    window->Enable(m::kMemStop, false);
    QTest::mouseClick(&Get<QPushButton>(*window, m::kMemStop), Qt::LeftButton);
    EXPECT_EQ(logic->commands.size(), 3u);
    window->Enable(m::kMemStop, true);
    QTest::mouseClick(&Get<QPushButton>(*window, m::kMemStop), Qt::LeftButton);
    EXPECT_EQ(logic->commands.size(), 4u);
}

TEST_F(MainWindowFixture, RadioGroupsAreCheckedOnlyByTheProgramWithoutReports) {
    window->CheckRadioButton(m::kUnitEcu, m::kUnitCruise, m::kUnitAircon);
    window->CheckRadioButton(m::kModeBytes, m::kModeBlocks, m::kModeBlocks);
    EXPECT_TRUE(window->IsChecked(m::kUnitAircon));
    EXPECT_TRUE(window->IsChecked(m::kModeBlocks));
    window->CheckRadioButton(m::kUnitEcu, m::kUnitCruise, m::kUnitEcu);
    EXPECT_TRUE(window->IsChecked(m::kUnitEcu));
    EXPECT_FALSE(window->IsChecked(m::kUnitAircon));
    // The two groups are independent.
    EXPECT_TRUE(window->IsChecked(m::kModeBlocks));
    // A checked radio button can be unchecked by the program.
    window->SetChecked(m::kUnitEcu, false);
    EXPECT_FALSE(window->IsChecked(m::kUnitEcu));
    window->SetChecked(m::kMemRepeat, true);
    EXPECT_TRUE(window->IsChecked(m::kMemRepeat));
    window->SetText(m::kRomIdEdit, "------------");
    window->SetText(m::kPortStatus, "Ok");
    EXPECT_EQ(window->GetText(m::kRomIdEdit), "------------");
    EXPECT_EQ(window->GetText(m::kPortStatus), "Ok");
    EXPECT_THAT(logic->commands, IsEmpty());
}

TEST_F(MainWindowFixture, TimerTicksReachTheLogicUntilTheWindowCloses) {
    window->Host().show();
    window->StartTimer(5);
    ASSERT_TRUE(QTest::qWaitFor([this] { return logic->ticks >= 1; }, 5000));
    window->Close();
    EXPECT_FALSE(window->Host().isVisible());
    const int ticks = logic->ticks;
    QTest::qWait(50);
    EXPECT_EQ(logic->ticks, ticks);
}

TEST(Shell, RunMainWindowEndsWithExitCodeZeroWhenTheLogicClosesTheWindow) {
    RecordingShell recording;
    int ticks = 0;
    recording.prepare = [&ticks](RecordingLogic& logic, int) {
        logic.onCreate = [](Window& window) { window.StartTimer(10); };
        logic.onTimer = [&ticks](Window& window) {
            ++ticks;
            window.Close();
        };
    };
    EXPECT_EQ(recording.shell.RunMainWindow(), 0);
    // The window's logic is gone with the window; it saw one tick and none after Close.
    EXPECT_EQ(ticks, 1);
}

TEST(Shell, ModalDialogsOpenOverTheirOwnerAndReportWhenClosed) {
    RecordingShell recording;
    std::vector<int> created;
    int dialogTicks = 0;
    bool closed = false;
    recording.prepare = [&](RecordingLogic& logic, int templateId) {
        created.push_back(templateId);
        if (templateId == ids::kMainTemplate) {
            logic.onCommand = [&closed](Window& window, int id) {
                if (id == ids::kMenuAbout) {
                    window.OpenModalDialog(ids::kAboutTemplate, [&closed] { closed = true; });
                }
            };
        } else {
            // The dialog closes itself at its first tick.
            logic.onCreate = [](Window& window) { window.StartTimer(10); };
            logic.onTimer = [&dialogTicks](Window& window) {
                ++dialogTicks;
                window.Close();
            };
        }
    };
    auto window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
    window->Host().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Host()));
    window->Controls().FindMenuCommand(ids::kMenuAbout)->trigger();

    // The command has returned with the dialog open and blocking its owner.
    QPointer<QWidget> about = QApplication::activeModalWidget();
    ASSERT_FALSE(about.isNull());
    EXPECT_EQ(about->windowHandle()->transientParent(), window->Host().windowHandle());
    EXPECT_FALSE(closed);
    ASSERT_TRUE(QTest::qWaitFor([&about] { return about.isNull(); }, 10000));
    EXPECT_TRUE(closed);
    EXPECT_EQ(dialogTicks, 1);
    // The dialog and its logic are gone now; only what the test kept of them is looked at.
    EXPECT_THAT(created, ElementsAre(ids::kMainTemplate, ids::kAboutTemplate));
}

struct DialogFixture : ::testing::Test {
    void Build(int templateId) {
        window = recording.shell.BuildWindow(templateId, nullptr);
        ASSERT_NE(window, nullptr);
        logic = recording.last;
        window->Host().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Host()));
    }

    RecordingShell recording;
    std::unique_ptr<QtWindow> window;
    RecordingLogic* logic = nullptr;
};

TEST_F(DialogFixture, EscapeAndTheCloseBoxAskTheLogicInsteadOfClosing) {
    Build(ids::kDumpTemplate);
    QTest::keyClick(&window->Host(), Qt::Key_Escape);
    window->Host().close();
    EXPECT_THAT(logic->commands, ElementsAre(Report{ids::dump::kExit, 0, "Exit"},
                                             Report{ids::dump::kExit, 0, "Exit"}));
    EXPECT_TRUE(window->Host().isVisible());
    window->Close();
    EXPECT_FALSE(window->Host().isVisible());
}

TEST_F(DialogFixture, EnterPressesTheDefaultButton) {
    Build(ids::kDumpTemplate);
    QLineEdit& file = Get<QLineEdit>(*window, ids::dump::kOutputFile);
    file.setFocus();
    QTest::keyClick(&file, Qt::Key_Return);
    EXPECT_THAT(logic->commands, ElementsAre(Report{ids::dump::kStart, 0, "Start"}));
}

TEST(DialogWithoutLogic, StillClosesOnEscape) {
    QtShell shell{WindowLogicFactory{}};
    auto window = shell.BuildWindow(ids::kAboutTemplate, nullptr);
    window->Host().show();
    QTest::keyClick(&window->Host(), Qt::Key_Escape);
    EXPECT_FALSE(window->Host().isVisible());
}

} // namespace
} // namespace korvane::testing
