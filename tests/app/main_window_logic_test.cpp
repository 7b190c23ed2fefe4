#include "app/main_window_logic.h"

#include "app/manual_worker.h"
#include "app/unit_fixture.h"
#include "link/posix/line_driver.h"
#include "resources/control_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace korvane {
namespace {

namespace m = ids::main;
using Lines = std::vector<std::string>;

// The unit's memory holds 0, 3, 6, ... from address 0 on.
class MainWindowTest : public ::testing::Test, protected fakes::UnitFixture {
protected:
    MainWindowTest() {
        for (std::size_t i = 0; i < memory.size(); ++i) {
            memory[i] = static_cast<std::uint8_t>(i * 3);
        }
    }
    void Command(int id, ComboNotification notification = {}) {
        logic.OnCommand(id, static_cast<int>(notification));
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            logic.OnTimer();
        }
    }
    void TypePort(const std::string& text) {
        window.SetText(m::kPortCombo, text);
        Command(m::kPortCombo, ComboNotification::EditChange);
    }
    void Choose(int comboId, const std::string& text) {
        const auto& items = window.combos[comboId];
        const auto it = std::find(items.begin(), items.end(), text);
        ASSERT_NE(it, items.end()) << text;
        window.ComboSetSelection(comboId, static_cast<int>(it - items.begin()));
        Command(comboId, ComboNotification::SelEndOk);
    }
    // Port 3 attached, the window created and the first ROM ID group chosen.
    void CreateWithUnit() {
        sandbox.Attach(3);
        logic.OnCreate();
        Choose(m::kRomIdCombo, "12AB05  Test unit");
    }
    void OpenLog(const std::string& name = "log.csv") {
        window.fileAnswers.push_back(folder.Path(name));
        Command(ids::kMenuOpenLog);
    }
    bool AtRest() const {
        return window.IsEnabled(m::kMemRead) && !window.IsEnabled(m::kMemStop) &&
               window.IsEnabled(m::kParamRead) && !window.IsEnabled(m::kParamStop);
    }
    // A list's last line, or a text box's text.
    std::string Shown(int id) {
        if (id != m::kMemList && id != m::kParamList) {
            return window.GetText(id);
        }
        const Lines& list = window.lists[id];
        return list.empty() ? "(empty)" : list.back();
    }
    auto UpDown(int id) {
        const UpDownSetup& u = window.upDowns[id];
        return std::make_tuple(u.editId, u.lower, u.upper, u.position, u.base);
    }

    MainWindowLogic logic{window, context};
};

TEST_F(MainWindowTest, CreationLoadsOpensAndSetsUpEveryControl) {
    sandbox.Attach(1);
    sandbox.Attach(3);
    sandbox.Attach(10);
    context.startupMessages = {"Working in the start folder"};
    logic.OnCreate();

    EXPECT_EQ(window.timerPeriods, (std::vector<int>{100}));
    // Start-up's lines, then the loaders' echo naming the files as the user knows them.
    const Lines& echo = window.lists[m::kMemList];
    EXPECT_EQ(Lines(echo.begin(), echo.begin() + std::min<std::size_t>(echo.size(), 2)),
              (Lines{"Working in the start folder", "*** Reading: paramdef.ini"}));
    // CommPort=3 opened, listed in the sorted port list and selected.
    EXPECT_EQ(port.PortName(), "COM3");
    EXPECT_EQ(window.combos[m::kPortCombo], (Lines{"COM1", "COM10", "COM3"}));
    EXPECT_EQ(window.SelectedComboText(m::kPortCombo), "COM3");
    EXPECT_EQ(window.GetText(m::kPortStatus), "Ok");
    EXPECT_NE(window.toolTips[m::kPortStatus].find("COM3 on " + sandbox.Link(3)),
              std::string::npos);
    EXPECT_TRUE(window.messageBoxes.empty());
    // The ROM ID list in file order with "null" preselected; no group selected yet.
    EXPECT_EQ(window.combos[m::kRomIdCombo], (Lines{"12AB05  Test unit", "null", "99FF00  Other"}));
    EXPECT_EQ(window.SelectedComboText(m::kRomIdCombo), "null");
    EXPECT_EQ(store.SelectedGroup(), nullptr);

    EXPECT_EQ(window.tabStops[m::kMemList].size(), 20U);
    EXPECT_EQ(window.tabStops[m::kMemList].back(), 253);
    EXPECT_EQ(window.tabStops[m::kParamList], (std::vector<int>{25, 45, 140, 150, 160}));
    EXPECT_EQ(UpDown(m::kMemAddressUpDown),
              std::make_tuple(m::kMemAddressEdit, 0, 0xFFFF, 0x1000, 16));
    EXPECT_EQ(UpDown(m::kMemCountUpDown), std::make_tuple(m::kMemCountEdit, 1, 16, 16, 10));
    EXPECT_EQ(UpDown(m::kWriteAddressUpDown),
              std::make_tuple(m::kWriteAddressEdit, 0, 0xFFFF, 0x1000, 16));

    EXPECT_TRUE(AtRest());
    EXPECT_EQ(window.checked, (std::set<int>{m::kUnitEcu, m::kModeBytes}));
    EXPECT_TRUE(device.Trace().empty());
}

TEST_F(MainWindowTest, APreferredPortThatWillNotOpenOrAScanGivesWayToTheFirstFound) {
    sandbox.Attach(2);
    sandbox.Attach(5);
    logic.OnCreate();
    EXPECT_EQ(port.PortName(), "COM2");
    EXPECT_EQ(window.SelectedComboText(m::kPortCombo), "COM2");
    // A scan stops the run first.
    sandbox.Attach(1);
    window.SetChecked(m::kParamRepeat, true);
    Command(m::kParamRead);
    Command(m::kScanPorts);
    EXPECT_TRUE(AtRest());
    EXPECT_EQ(port.PortName(), "COM1");
    EXPECT_EQ(window.combos[m::kPortCombo], (Lines{"COM1", "COM2", "COM5"}));
    EXPECT_EQ(window.SelectedComboText(m::kPortCombo), "COM1");
}

TEST_F(MainWindowTest, WithoutAnyPortTheScanSaysSoAndGetRomIdFindsNoComms) {
    logic.OnCreate();
    ASSERT_EQ(window.messageBoxes.size(), 1U);
    EXPECT_EQ(window.messageBoxes[0].text, "Serial Port Scan...");
    EXPECT_EQ(window.messageBoxes[0].caption, "No serial ports found!\n");
    EXPECT_EQ(window.GetText(m::kPortStatus), "Error");
    EXPECT_EQ(window.toolTips[m::kPortStatus], "No serial ports found");
    EXPECT_EQ(window.ComboCount(m::kPortCombo), 0);

    Command(m::kGetRomId);
    Ticks(1);
    EXPECT_EQ(window.GetText(m::kRomIdEdit), "no comms");
    EXPECT_TRUE(device.Trace().empty());
}

TEST_F(MainWindowTest, TypingOrChoosingAPortNameOpensIt) {
    sandbox.Attach(1);
    sandbox.Attach(3);
    logic.OnCreate();
    // A port pinned to a missing device names the device and the reason.
    TypePort("COM4");
    EXPECT_EQ(window.GetText(m::kPortStatus), "error");
    EXPECT_NE(window.toolTips[m::kPortStatus].find(sandbox.Link(4) + ": No such file"),
              std::string::npos);

    // Choosing the open port does nothing; moving through the list is no choice.
    TypePort("COM3");
    EXPECT_EQ(window.GetText(m::kPortStatus), "Ok");
    window.SetText(m::kPortStatus, "unchanged");
    Choose(m::kPortCombo, "COM3");
    EXPECT_EQ(window.GetText(m::kPortStatus), "unchanged");
    window.ComboSetSelection(m::kPortCombo, 0);
    Command(m::kPortCombo, ComboNotification::SelChange);
    EXPECT_EQ(port.PortName(), "COM3");
    Choose(m::kPortCombo, "COM1");
    EXPECT_EQ(port.PortName(), "COM1");
    EXPECT_EQ(window.GetText(m::kPortStatus), "Ok");
}

// A simulator's line that cannot make the unit's rate, as Wine's pseudo-terminals.
class FixedRateDriver final : public LineDriver {
public:
    explicit FixedRateDriver(unsigned made) : made_(made) {}
    bool ReadRate(int /*fd*/, LineRate& rate) const override {
        rate.input = made_;
        rate.output = made_;
        return true;
    }

private:
    unsigned made_;
};

TEST_F(MainWindowTest, WithAnyRateEachOpeningAtAnotherRateIsNamedInTheMessageList) {
    const FixedRateDriver driver(38400);
    const LineDriver* earlier = ReplaceLineDriver(&driver);
    port.AcceptAnyRate(true);
    sandbox.Attach(1);
    sandbox.Attach(3);
    logic.OnCreate();
    TypePort("COM1");
    const Lines& messages = window.lists[m::kMemList];
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(),
                            [](const std::string& line) { return line.find("baud") != line.npos; }),
              2);
    EXPECT_EQ(messages.back(), "COM1 runs at 38400 baud, not 1953 (--any-rate)");
    EXPECT_NE(window.toolTips[m::kPortStatus].find(", 38400 baud,"), std::string::npos);

    // At the unit's rate there is nothing to say.
    ReplaceLineDriver(earlier);
    TypePort("COM3");
    EXPECT_EQ(window.GetText(m::kPortStatus), "Ok");
    EXPECT_EQ(messages.back(), "COM1 runs at 38400 baud, not 1953 (--any-rate)");
}

TEST_F(MainWindowTest, ARomIdFromTheUnitOrTheListSelectsItsGroupAndRefreshesTheView) {
    sandbox.Attach(3);
    logic.OnCreate();
    // Text that matches no group selects none: no lines, and the switch boxes stay.
    window.ListAdd(m::kParamList, "old");
    window.SetText(m::kInputSwitchAddress, "1234");
    window.SetText(m::kRomIdCombo, "77");
    Command(m::kRomIdCombo, ComboNotification::EditChange);
    EXPECT_TRUE(window.lists[m::kParamList].empty());
    EXPECT_EQ(window.GetText(m::kInputSwitchAddress), "1234");

    Command(m::kGetRomId);
    Ticks(1);
    EXPECT_EQ(window.GetText(m::kRomIdEdit), "12AB05");
    EXPECT_EQ(window.SelectedComboText(m::kRomIdCombo), "12AB05  Test unit");
    EXPECT_EQ(window.lists[m::kParamList], (Lines{"0010: Volts \t??", "0011: Speed \t??",
                                                  "0012: Temp \t??", "0020: InputSwitches \t??"}));
    EXPECT_EQ(window.GetText(m::kInputSwitchAddress), "0020");
    EXPECT_EQ(window.GetText(m::kIoSwitchAddress), "0001");

    // A choice in the list asks nothing of the unit.
    device.ClearTrace();
    Choose(m::kRomIdCombo, "99FF00  Other");
    EXPECT_TRUE(device.Trace().empty());
    EXPECT_EQ(window.lists[m::kParamList],
              (Lines{"0030: Volts \t??", "0031: Twice \t??", "0041: IOSwitches \t??"}));
    EXPECT_EQ(window.GetText(m::kInputSwitchAddress), "0000");
    EXPECT_EQ(window.GetText(m::kIoSwitchAddress), "0041");
    Choose(m::kRomIdCombo, "null");
    EXPECT_EQ(window.GetText(m::kIoSwitchAddress), "0001");
    // A unit that does not answer keeps the selection.
    device.SetResponder({});
    Command(m::kGetRomId);
    Ticks(1);
    EXPECT_EQ(window.GetText(m::kRomIdEdit), "error");
    EXPECT_EQ(store.SelectedRomIdText(), "null");
}

TEST_F(MainWindowTest, ReadParametersShowsAndLogsEveryPassUntilStoppedAndAFailedLogWrite) {
    CreateWithUnit();
    memory[0x20] = 0x61;
    memory[0x01] = 0x81;
    OpenLog();
    EXPECT_EQ(window.GetText(m::kLogStatus), folder.Path("log.csv"));
    window.SetChecked(m::kParamRepeat, true);
    Command(m::kParamRead);
    Ticks(2);
    // The switch rows: the input byte at 0020, the IO byte at the default 0001; bit 0 first.
    std::string switches = window.GetText(m::kInputSwitchValue) + window.GetText(m::kIoSwitchValue);
    for (const int id : m::kInputSwitchBits) {
        switches += window.GetText(id);
    }
    for (const int id : m::kIoSwitchBits) {
        switches += window.GetText(id);
    }
    EXPECT_EQ(switches, "6181"
                        "10000110"
                        "10000001");
    EXPECT_EQ(window.GetText(m::kIoSwitchAddress), "0001");
    EXPECT_EQ(LogLines(),
              (Lines{"01:02:03.004,Starting log session.", "01:02:03.004,*** Read Parameters ***",
                     "01:02:03.004,Volts,Speed,Temp,InputSwitches,",
                     "01:02:03.004,3.84,51,14,0x61,", "01:02:03.004,3.84,51,14,0x61,"}));

    // Stop takes effect when its command returns: no further pass.
    Command(m::kParamStop);
    EXPECT_TRUE(AtRest());
    const auto traffic = device.Trace().size();
    Ticks(2);
    EXPECT_EQ(device.Trace().size(), traffic);

    // A log that can no longer be written says so; the reading goes on.
    std::filesystem::remove(folder.Path("log.csv"));
    Command(m::kParamRead);
    Ticks(2);
    EXPECT_EQ(window.GetText(m::kLogStatus), "Write failed: " + folder.Path("log.csv"));
    EXPECT_EQ(session.ParameterPassCount(), 4);
}

TEST_F(MainWindowTest, AFailedReadIsShownAsAPassAndLeavesTheSwitches) {
    CreateWithUnit();
    window.SetText(m::kInputSwitchValue, "--");
    device.SetClosed(true);
    Command(m::kParamRead);
    Ticks(3);
    EXPECT_EQ(window.lists[m::kParamList].front(), "Bytes read: -1  Count: 0");
    EXPECT_EQ(window.GetText(m::kInputSwitchValue), "--");
    EXPECT_TRUE(AtRest());
    EXPECT_EQ(session.ParameterPassCount(), 1);
}

// What a command of the unit's groups shows.
struct ShownRow {
    int command;
    int ticks;
    int control;
    std::string shown; // the control's text, or the last line of a list
};

TEST_F(MainWindowTest, EachReadOrWriteCommandShowsItsOutcome) {
    // The Blocks list ends with the top block of the sweep, not read by its first passes.
    const std::string topBlock =
        "10F0 \t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--";
    const ShownRow rows[] = {
        {m::kParamRead, 1, m::kParamList, "0020 \t0x60 \t= InputSwitches \t0x60"},
        {m::kMemRead, 1, m::kMemList, "100F\t2D"},
        {m::kMemClear, 0, m::kMemList, "(empty)"},
        {m::kWrite, 0, m::kWriteResult, "0x5a"},
        {m::kModeBlocks, 0, m::kMemList, "before"},
        {m::kMemRead, 1, m::kMemList, topBlock},
        {m::kMemRead, 1, m::kMemList, topBlock},
    };
    CreateWithUnit();
    window.SetText(m::kWriteDataEdit, "5A");
    for (const auto& row : rows) {
        window.SetText(row.control, "before");
        window.lists[row.control] = {"before"};
        Command(row.command);
        Ticks(row.ticks);
        EXPECT_EQ(Shown(row.control), row.shown) << "command " << row.command;
    }
}

TEST_F(MainWindowTest, RadioAndMenuCommands) {
    CreateWithUnit();
    const std::pair<int, UnitType> units[] = {{m::kUnitAircon, UnitType::Aircon},
                                              {m::kUnitCruise, UnitType::Cruise},
                                              {m::kUnit4ws, UnitType::FourWs},
                                              {m::kUnitTcu, UnitType::Tcu},
                                              {m::kUnitEcu, UnitType::Ecu}};
    for (const auto& [id, unit] : units) {
        Command(id);
        EXPECT_EQ(context.unitType, unit) << id;
    }
    Command(m::kModeBlocks);
    EXPECT_EQ(context.readMemoryMode, ReadMemoryMode::Blocks);
    Command(m::kModeBytes);
    EXPECT_EQ(context.readMemoryMode, ReadMemoryMode::Bytes);

    window.SetChecked(m::kParamRepeat, true);
    Command(m::kParamRead);
    // Ticks from the About box keep a run going.
    window.onModal = [this](int) { Ticks(2); };
    Command(ids::kMenuAbout);
    EXPECT_EQ(session.ParameterPassCount(), 2);
    // The dump stops the run first and leaves the ECU chosen.
    window.CheckRadioButton(m::kUnitEcu, m::kUnitCruise, m::kUnitTcu); // as a click does
    Command(m::kUnitTcu);
    window.onModal = [this](int) { EXPECT_TRUE(AtRest()); };
    Command(ids::kMenuDumpMemory);
    EXPECT_EQ(window.modalDialogs, (std::vector<int>{ids::kAboutTemplate, ids::kDumpTemplate}));
    EXPECT_EQ(context.unitType, UnitType::Ecu);
    EXPECT_TRUE(window.IsChecked(m::kUnitEcu));
    EXPECT_EQ(context.runState, RunState::Idle);

    Command(ids::kMenuChecksumFile);
    ASSERT_EQ(window.fileDialogs.size(), 1U);
    EXPECT_EQ(window.fileDialogs[0].initialFolder, context.programDirectory);
    // Unknown IDs do nothing; Exit asks the window to close.
    device.ClearTrace();
    Command(4242);
    Command(m::kRomIdEdit);
    EXPECT_EQ(window.closeRequests, 0);
    Command(ids::kMenuExit);
    EXPECT_EQ(window.closeRequests, 1);
    EXPECT_TRUE(device.Trace().empty());
}

TEST_F(MainWindowTest, WorkOnASlowLineIsShownWhenItEndsAndStopActsAtOnce) {
    CreateWithUnit();
    fakes::ManualWorker slowLine;
    context.worker = &slowLine;
    window.SetChecked(m::kParamRepeat, true);
    Command(m::kParamRead);
    Ticks(3);
    // One pass under way; the list still shows the placeholders until it ends.
    ASSERT_EQ(slowLine.Waiting(), 1U);
    EXPECT_EQ(window.lists[m::kParamList].front(), "0010: Volts \t??");
    // Another port chosen meanwhile waits for the pass to end.
    TypePort("COM4");
    EXPECT_EQ(port.PortName(), "COM3");

    Command(m::kParamStop);
    EXPECT_TRUE(AtRest());
    ASSERT_TRUE(slowLine.RunNext());
    EXPECT_EQ(window.lists[m::kParamList].front(), "Bytes read: 4  Count: 0");
    ASSERT_TRUE(slowLine.RunNext());
    EXPECT_EQ(window.GetText(m::kPortStatus), "error");
    // The run ended with Stop: no pass follows the one under way.
    Ticks(3);
    EXPECT_EQ(slowLine.Waiting(), 0U);
    EXPECT_EQ(session.ParameterPassCount(), 1);
}

TEST_F(MainWindowTest, AGroupChosenDuringARunIsReadWithTheSwitchAddressesItShows) {
    CreateWithUnit();
    fakes::ManualWorker slowLine;
    context.worker = &slowLine;
    window.SetChecked(m::kParamRepeat, true);
    Command(m::kParamRead);
    Ticks(1);
    Choose(m::kRomIdCombo, "99FF00  Other");
    Ticks(1);
    ASSERT_TRUE(slowLine.RunNext()); // the pass of the old group
    device.ClearTrace();
    while (slowLine.RunNext()) {
    }
    EXPECT_EQ(window.GetText(m::kInputSwitchAddress), "0000");
    EXPECT_EQ(window.GetText(m::kIoSwitchAddress), "0041");
    // The next pass reads the new group and the switch addresses shown for it.
    const std::string line = device.Log();
    for (const char* frame : {"78003000", "78004100", "78000000"}) {
        EXPECT_NE(line.find(frame), std::string::npos) << frame << " in " << line;
    }
    for (const char* oldSwitch : {"78002000", "78000100"}) {
        EXPECT_EQ(line.find(oldSwitch), std::string::npos) << oldSwitch << " in " << line;
    }
}

TEST_F(MainWindowTest, LogCommandsAskForTheFileAndShowWhatOpenedOrClosed) {
    logic.OnCreate();
    window.SetText(m::kLogStatus, "unchanged");
    Command(ids::kMenuOpenLog);
    ASSERT_EQ(window.fileDialogs.size(), 1U);
    EXPECT_EQ(window.fileDialogs[0].suggestion, "korvane.csv");
    EXPECT_EQ(window.fileDialogs[0].kind, FileDialogKind::NewOrExistingFile);
    EXPECT_EQ(window.fileDialogs[0].initialFolder, context.programDirectory);
    EXPECT_EQ(window.GetText(m::kLogStatus), "unchanged");

    OpenLog("run.txt");
    EXPECT_TRUE(log.IsOpen());
    EXPECT_EQ(context.logFileName, folder.Path("run.txt"));
    Command(ids::kMenuCloseLog);
    EXPECT_EQ(window.GetText(m::kLogStatus), "Closed.");
    EXPECT_FALSE(log.IsOpen());
    OpenLog("missing/dir/x.csv");
    EXPECT_EQ(window.GetText(m::kLogStatus), "Open failed: " + folder.Path("missing/dir/x.csv"));
}

} // namespace
} // namespace korvane
