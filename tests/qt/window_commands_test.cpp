#include "app/dump_dialog_logic.h"
#include "app/qt/message_list_widget.h"
#include "app/qt/parameter_table.h"
#include "qt/recording_actions.h"
#include "reading/parameter_pass.h"
#include "reading/rom_id_view.h"
#include "resources/control_ids.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
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
using ::testing::IsEmpty;

using MainWindowActions = ShownMainWindow;

TEST_F(MainWindowActions, ClicksAndMenuItemsReachThePresenterAndDisabledButtonsNothing) {
    window.ShowUnit(UnitType::Ecu);
    QTest::mouseClick(&Find<QPushButton>(m::kGetRomId), Qt::LeftButton);
    QTest::mouseClick(&Find<QCheckBox>(m::kParamRepeat), Qt::LeftButton);
    QTest::mouseClick(&Find<QRadioButton>(m::kUnitTcu), Qt::LeftButton);
    QTest::mouseClick(&Find<QRadioButton>(m::kModeBlocks), Qt::LeftButton);
    window.SetRunButtons({true, false, true, false});
    QTest::mouseClick(&Find<QPushButton>(m::kMemStop), Qt::LeftButton);
    window.SetRunButtons({false, false, false, true});
    QTest::mouseClick(&Find<QPushButton>(m::kMemRead), Qt::LeftButton);
    QTest::mouseClick(&Find<QPushButton>(m::kParamStop), Qt::LeftButton);
    Find<QAction>(ids::kMenuDumpMemory).trigger();
    Find<QAction>(ids::kMenuExit).trigger();
    EXPECT_THAT(actions.actions,
                ElementsAre("GetRomId", "ChooseUnit 1", "Blocks", "StopRun", "DumpMemory", "Exit"));
    // They check themselves, a radio button unchecking the others of its group; the
    // presenter reads Repeat when a pass ends.
    EXPECT_TRUE(window.RepeatChecked(RepeatBox::ReadParameters));
    EXPECT_FALSE(window.RepeatChecked(RepeatBox::ReadMemory));
    EXPECT_TRUE(Find<QRadioButton>(m::kUnitTcu).isChecked());
    EXPECT_FALSE(Find<QRadioButton>(m::kUnitEcu).isChecked());
}

TEST_F(MainWindowActions, WhatThePresenterShowsReportsNothing) {
    window.ShowUnit(UnitType::Aircon);
    window.ShowReadMemoryMode(ReadMemoryMode::Blocks);
    window.ShowUnit(UnitType::Ecu);
    EXPECT_TRUE(Find<QRadioButton>(m::kUnitEcu).isChecked());
    EXPECT_FALSE(Find<QRadioButton>(m::kUnitAircon).isChecked());
    EXPECT_TRUE(Find<QRadioButton>(m::kModeBlocks).isChecked()); // the groups are independent
    window.ShowPorts({"COM3", "COM1"}, "COM3");
    window.ShowRomIds({"null", "12AB05"}, "null");
    window.ShowRomIdView({"12AB05", {{0x10, "Volts", "%.1f V"}}, "0020", "0001"});
    window.ShowRomIdText("A1B2C3");
    EXPECT_THAT(actions.actions, IsEmpty());
}

TEST_F(MainWindowActions, APassShowsItsTableAndEachSwitchBitInItsBoxAndPlaceholdersBeforeIt) {
    window.ShowRomIdView(
        {"12AB05", {{0x10, "Volts", "%.1f V"}, {0x20, "InputSwitches", "0x%02X"}}, "0020", "0001"});
    const auto& table = Find<ParameterTable>(m::kParamList);
    EXPECT_EQ(table.Lines(), QStringList({"0010: Volts \t??", "0020: InputSwitches \t??"}));
    EXPECT_EQ(Find<QLineEdit>(m::kInputSwitchAddress).text(), "0020");
    EXPECT_EQ(window.IoSwitchAddressText(), "0001");

    ParameterPassResult pass;
    pass.read = true;
    pass.bytesRead = 2;
    pass.passNumber = 7;
    pass.parameters = {{0x10, "Volts", 0x30, "3.84 V", 3.84},
                       {0x20, "InputSwitches", 0x61, "0x61", 0x61}};
    pass.switches = {0x61, 0x81};
    window.ShowParameterPass(pass);
    EXPECT_EQ(table.Lines(),
              QStringList({"Bytes read: 2  Count: 7", "0010 \t0x30 \t= Volts \t3.84 V",
                           "0020 \t0x61 \t= InputSwitches \t0x61"}));
    EXPECT_EQ(table.model()->index(1, 3).data().toString(), "3.84 V");
    EXPECT_EQ(table.model()->index(1, 2).data().toString(), "= Volts");
    EXPECT_EQ(table.columnSpan(0, 0), 4);
    QString bits;
    for (const int id : m::kInputSwitchBits) {
        bits += Find<QLineEdit>(id).text();
    }
    for (const int id : m::kIoSwitchBits) {
        bits += Find<QLineEdit>(id).text();
    }
    EXPECT_EQ(Find<QLineEdit>(m::kInputSwitchValue).text() +
                  Find<QLineEdit>(m::kIoSwitchValue).text() + bits,
              "6181"
              "10000110"
              "10000001");
    // A pass that read nothing empties the table and leaves the switches.
    window.ShowParameterPass({});
    EXPECT_TRUE(table.Lines().isEmpty());
    EXPECT_EQ(Find<QLineEdit>(m::kInputSwitchValue).text(), "61");
}

TEST_F(MainWindowActions, ClosingStopsThePollTimerAndTheEventLoopEndsWithZero) {
    window.StartPollTimer(5);
    ASSERT_TRUE(QTest::qWaitFor([this] { return actions.ticks >= 1; }, 10000));
    QTimer::singleShot(0, &QApplication::closeAllWindows);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
    const int ticks = actions.ticks;
    // A timer of the same period fires a few times meanwhile.
    int others = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&others] { ++others; });
    other.start(5);
    ASSERT_TRUE(QTest::qWaitFor([&others] { return others >= 3; }, 10000));
    EXPECT_EQ(actions.ticks, ticks);
}

TEST_F(MainWindowActions, TheAboutBoxOpensOverTheMainWindowAndGoesOnEscape) {
    window.OpenAboutBox();
    // The call has returned with the box open and blocking its owner.
    QPointer<QWidget> about = QApplication::activeModalWidget();
    ASSERT_FALSE(about.isNull());
    EXPECT_EQ(about->windowHandle()->transientParent(), window.windowHandle());
    EXPECT_EQ(Control<QLabel>(*about, ids::about::kVersion).text(), "Korvane version 1.2");
    QTest::keyClick(about, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&about] { return about.isNull(); }, 10000));
}

TEST_F(MainWindowActions, TheDumpDialogOpensOnTheWindowsSettingsAndReportsWhenClosed) {
    DumpSettings settings;
    settings.fileName = "kept.bin";
    bool closed = false;
    window.OpenDumpDialog(settings, [&closed] { closed = true; });
    QPointer<QWidget> dump = QApplication::activeModalWidget();
    ASSERT_FALSE(dump.isNull());
    EXPECT_EQ(Control<QLineEdit>(*dump, ids::dump::kOutputFile).text(), "kept.bin");
    EXPECT_FALSE(closed);
    QTest::keyClick(dump, Qt::Key_Escape); // Exit
    EXPECT_TRUE(closed);
    ASSERT_TRUE(QTest::qWaitFor([&dump] { return dump.isNull(); }, 10000));
}

using DumpDialogActions = ShownDumpDialog;

TEST_F(DumpDialogActions, EnterPressesStartEscapeAndTheCloseBoxAreExit) {
    QLineEdit& file = Find<QLineEdit>(ids::dump::kOutputFile);
    file.setFocus();
    QTest::keyClick(&file, Qt::Key_Return);
    QTest::mouseClick(&Find<QRadioButton>(ids::dump::kUnitTcu), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    EXPECT_THAT(actions.actions, ElementsAre("Start", "TCU", "Exit", "Exit"));
    EXPECT_TRUE(dialog.isVisible());
    dialog.Close();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DumpDialogActions, TimerTicksReachThePresenterUntilTheDialogCloses) {
    dialog.StartTimer(5);
    ASSERT_TRUE(QTest::qWaitFor([this] { return actions.ticks >= 1; }, 10000));
    dialog.Close();
    EXPECT_FALSE(dialog.isVisible());
    const int ticks = actions.ticks;
    // A timer of the same period fires a few times meanwhile.
    int others = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&others] { ++others; });
    other.start(5);
    ASSERT_TRUE(QTest::qWaitFor([&others] { return others >= 3; }, 10000));
    EXPECT_EQ(actions.ticks, ticks);
}

TEST_F(DumpDialogActions, ARunningDumpDisablesItsInputsAndShowsTheShareDone) {
    dialog.SetInputsEnabled(false);
    for (const int id : {ids::dump::kStart, ids::dump::kBrowse, ids::dump::kStartAddress,
                         ids::dump::kBytesToRead, ids::dump::kPrefill}) {
        EXPECT_FALSE(Find<QWidget>(id).isEnabled()) << id;
    }
    EXPECT_TRUE(Find<QWidget>(ids::dump::kExit).isEnabled());
    const auto& progress = Find<QProgressBar>(ids::dump::kProgress);
    const auto share = [&](long long done, long long total) {
        dialog.ShowProgress(done, total);
        return static_cast<double>(progress.value()) / progress.maximum();
    };
    EXPECT_EQ(share(0x4000, 0x8000), 0.5);
    EXPECT_EQ(share(0x8000, 0x8000), 1.0);
    EXPECT_EQ(share(3LL << 40, 4LL << 40), 0.75);
    EXPECT_EQ(share(0, 0), 0.0); // nothing to do shows nothing done
}

} // namespace
} // namespace korvane::testing
