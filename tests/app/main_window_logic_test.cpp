#include "app/main_window_logic.h"

#include "app/manual_worker.h"
#include "app/unit_fixture.h"
#include "link/posix/line_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

constexpr RunButtons kAtRest{true, false, true, false};

// The unit's memory holds 0, 3, 6, ... from address 0 on.
class MainWindowTest : public ::testing::Test, protected fakes::UnitFixture {
protected:
    MainWindowTest() {
        for (std::size_t i = 0; i < memory.size(); ++i) {
            memory[i] = static_cast<std::uint8_t>(i * 3);
        }
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            logic.Tick();
        }
    }
    // Port 3 attached, the window created and the first ROM ID group chosen.
    void CreateWithUnit() {
        sandbox.Attach(3);
        logic.OnCreate();
        logic.ChooseRomId("12AB05  Test unit");
    }
    void OpenLog(const std::string& name = "log.csv") {
        view.fileAnswers.push_back(folder.Path(name));
        logic.OpenLog();
    }
    // The last line of the Read Memory list.
    std::string LastMemoryLine() const {
        return view.memoryLines.empty() ? "(empty)" : view.memoryLines.back();
    }

    MainWindowLogic logic{view, context};
};

TEST_F(MainWindowTest, CreationLoadsOpensAndSetsUpEveryControl) {
    sandbox.Attach(1);
    sandbox.Attach(3);
    sandbox.Attach(10);
    context.startupMessages = {"Working in the start folder"};
    logic.OnCreate();

    EXPECT_EQ(view.timerPeriods, (std::vector<int>{100}));
    // Start-up's lines, then the loaders' echo naming the files as the user knows them.
    const Lines& echo = view.memoryLines;
    EXPECT_EQ(Lines(echo.begin(), echo.begin() + std::min<std::size_t>(echo.size(), 2)),
              (Lines{"Working in the start folder", "*** Reading: paramdef.ini"}));
    // CommPort=3 opened and offered with the ports found.
    EXPECT_EQ(port.PortName(), "COM3");
    EXPECT_EQ(view.ports, (Lines{"COM1", "COM3", "COM10"}));
    EXPECT_EQ(view.chosenPort, "COM3");
    EXPECT_EQ(view.portStatus, "Ok");
    EXPECT_NE(view.portDetails.find("COM3 on " + sandbox.Link(3)), std::string::npos);
    EXPECT_TRUE(view.messageBoxes.empty());
    // The ROM ID list in file order with "null" preselected; no group selected yet.
    EXPECT_EQ(view.romIds, (Lines{"12AB05  Test unit", "null", "99FF00  Other"}));
    EXPECT_EQ(view.romIdPreselected, "null");
    EXPECT_EQ(store.SelectedGroup(), nullptr);

    EXPECT_EQ(view.buttons, kAtRest);
    EXPECT_EQ(view.unit, UnitType::Ecu);
    EXPECT_EQ(view.mode, ReadMemoryMode::Bytes);
    EXPECT_TRUE(device.Trace().empty());
}

TEST_F(MainWindowTest, APreferredPortThatWillNotOpenOrAScanGivesWayToTheFirstFound) {
    sandbox.Attach(2);
    sandbox.Attach(5);
    logic.OnCreate();
    EXPECT_EQ(port.PortName(), "COM2");
    EXPECT_EQ(view.chosenPort, "COM2");
    // A scan stops the run first.
    sandbox.Attach(1);
    view.parametersRepeat = true;
    logic.ReadParameters();
    logic.ScanPorts();
    EXPECT_EQ(view.buttons, kAtRest);
    EXPECT_EQ(port.PortName(), "COM1");
    EXPECT_EQ(view.ports, (Lines{"COM1", "COM2", "COM5"}));
    EXPECT_EQ(view.chosenPort, "COM1");
}

TEST_F(MainWindowTest, WithoutAnyPortTheScanSaysSoAndGetRomIdFindsNoComms) {
    logic.OnCreate();
    ASSERT_EQ(view.messageBoxes.size(), 1U);
    EXPECT_EQ(view.messageBoxes[0].text, "Serial Port Scan...");
    EXPECT_EQ(view.messageBoxes[0].caption, "No serial ports found!\n");
    EXPECT_EQ(view.portStatus, "Error");
    EXPECT_EQ(view.portDetails, "No serial ports found");
    EXPECT_TRUE(view.ports.empty());

    logic.GetRomId();
    EXPECT_EQ(view.romIdText, "------------");
    Ticks(1);
    EXPECT_EQ(view.romIdText, "no comms");
    EXPECT_TRUE(device.Trace().empty());
}

TEST_F(MainWindowTest, TypingOrChoosingAPortNameOpensIt) {
    sandbox.Attach(1);
    sandbox.Attach(3);
    logic.OnCreate();
    // A port pinned to a missing device names the device and the reason.
    logic.ChoosePort("COM4");
    EXPECT_EQ(view.portStatus, "error");
    EXPECT_NE(view.portDetails.find(sandbox.Link(4) + ": No such file"), std::string::npos);

    // Choosing the open port does nothing.
    logic.ChoosePort("COM3");
    EXPECT_EQ(view.portStatus, "Ok");
    view.portStatus = "unchanged";
    logic.ChoosePort("COM3");
    EXPECT_EQ(view.portStatus, "unchanged");
    logic.ChoosePort("COM1");
    EXPECT_EQ(port.PortName(), "COM1");
    EXPECT_EQ(view.portStatus, "Ok");
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
    logic.ChoosePort("COM1");
    const Lines& messages = view.memoryLines;
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(),
                            [](const std::string& line) { return line.find("baud") != line.npos; }),
              2);
    EXPECT_EQ(messages.back(), "COM1 runs at 38400 baud, not 1953 (--any-rate)");
    EXPECT_NE(view.portDetails.find(", 38400 baud,"), std::string::npos);

    // At the unit's rate there is nothing to say.
    ReplaceLineDriver(earlier);
    logic.ChoosePort("COM3");
    EXPECT_EQ(view.portStatus, "Ok");
    EXPECT_EQ(messages.back(), "COM1 runs at 38400 baud, not 1953 (--any-rate)");
}

TEST_F(MainWindowTest, ARomIdFromTheUnitOrTheListSelectsItsGroupAndRefreshesTheView) {
    sandbox.Attach(3);
    logic.OnCreate();
    // Text that matches no group selects none: no lines, and the switch boxes stay.
    view.parameterLines = {"old"};
    view.inputSwitchAddress = "1234";
    logic.ChooseRomId("77");
    EXPECT_TRUE(view.parameterLines.empty());
    EXPECT_EQ(view.inputSwitchAddress, "1234");

    logic.GetRomId();
    Ticks(1);
    EXPECT_EQ(view.romIdText, "12AB05");
    EXPECT_EQ(view.shownRomId, "12AB05");
    EXPECT_EQ(view.parameterLines, (Lines{"0010: Volts \t??", "0011: Speed \t??", "0012: Temp \t??",
                                          "0020: InputSwitches \t??"}));
    EXPECT_EQ(view.inputSwitchAddress, "0020");
    EXPECT_EQ(view.ioSwitchAddress, "0001");

    // A choice in the list asks nothing of the unit.
    device.ClearTrace();
    logic.ChooseRomId("99FF00  Other");
    EXPECT_TRUE(device.Trace().empty());
    EXPECT_EQ(view.parameterLines,
              (Lines{"0030: Volts \t??", "0031: Twice \t??", "0041: IOSwitches \t??"}));
    EXPECT_EQ(view.inputSwitchAddress, "0000");
    EXPECT_EQ(view.ioSwitchAddress, "0041");
    logic.ChooseRomId("null");
    EXPECT_EQ(view.ioSwitchAddress, "0001");
    // A unit that does not answer keeps the selection.
    device.SetResponder({});
    logic.GetRomId();
    Ticks(1);
    EXPECT_EQ(view.romIdText, "error");
    EXPECT_EQ(store.SelectedRomIdText(), "null");
}

TEST_F(MainWindowTest, ReloadingEchoesTheFilesAndKeepsTheSelectedRomIdWhileItIsDefined) {
    CreateWithUnit();
    view.parametersRepeat = true;
    logic.ReadParameters();
    // A longer ID ahead of it would win a selection by prefix; the same section stays.
    folder.Write("SelectMonitor.ini",
                 "[12AB05D4]\nVoltsAddress=0x0040\n[12AB05]\nName=New\nSpeedAddress=0x0011\n");
    view.memoryLines.clear();
    logic.ReloadDefinitions();
    EXPECT_EQ(view.buttons, kAtRest);
    EXPECT_EQ(view.memoryLines.front(), "*** Reading: paramdef.ini");
    EXPECT_EQ(view.memoryLines.back(), "0x0011 = Speed  ( %d, Speed\n )");
    EXPECT_EQ(view.romIds, (Lines{"12AB05D4", "12AB05  New"}));
    EXPECT_EQ(view.romIdPreselected, "12AB05  New");
    EXPECT_EQ(view.shownRomId, "12AB05");
    EXPECT_EQ(view.parameterLines, (Lines{"0011: Speed \t??"}));
    // Without that section nothing is selected, as at start.
    folder.Write("SelectMonitor.ini", "[99FF00]\nVoltsAddress=0x0030\n");
    logic.ReloadDefinitions();
    EXPECT_EQ(store.SelectedGroup(), nullptr);
    EXPECT_EQ(view.romIdPreselected, "null");
    EXPECT_EQ(view.shownRomId, "-none-");
    EXPECT_TRUE(view.parameterLines.empty());
}

TEST_F(MainWindowTest, ReadParametersShowsAndLogsEveryPassUntilStoppedAndAFailedLogWrite) {
    CreateWithUnit();
    memory[0x20] = 0x61;
    memory[0x01] = 0x81;
    OpenLog();
    EXPECT_EQ(view.logStatus, folder.Path("log.csv"));
    view.parametersRepeat = true;
    logic.ReadParameters();
    Ticks(2);
    // The switch rows: the input byte at 0020, the IO byte at the default 0001.
    ASSERT_TRUE(view.switches.has_value());
    EXPECT_EQ(view.switches->input, 0x61);
    EXPECT_EQ(view.switches->io, 0x81);
    EXPECT_EQ(view.ioSwitchAddress, "0001");
    EXPECT_EQ(LogLines(),
              (Lines{"01:02:03.004,Starting log session.", "01:02:03.004,*** Read Parameters ***",
                     "01:02:03.004,Volts,Speed,Temp,InputSwitches,",
                     "01:02:03.004,3.84,51,14,0x61,", "01:02:03.004,3.84,51,14,0x61,"}));

    // Stop takes effect when its action returns: no further pass.
    logic.StopRun();
    EXPECT_EQ(view.buttons, kAtRest);
    const auto traffic = device.Trace().size();
    Ticks(2);
    EXPECT_EQ(device.Trace().size(), traffic);

    // A log that can no longer be written says so; the reading goes on.
    std::filesystem::remove(folder.Path("log.csv"));
    logic.ReadParameters();
    Ticks(2);
    EXPECT_EQ(view.logStatus, "Write failed: " + folder.Path("log.csv"));
    EXPECT_EQ(session.ParameterPassCount(), 4);
}

TEST_F(MainWindowTest, AFailedReadIsShownAsAPassWithoutSwitchBytes) {
    CreateWithUnit();
    device.SetClosed(true);
    logic.ReadParameters();
    Ticks(3);
    EXPECT_EQ(view.parameterLines.front(), "Bytes read: -1  Count: 0");
    ASSERT_TRUE(view.switches.has_value());
    EXPECT_FALSE(view.switches->input.has_value());
    EXPECT_FALSE(view.switches->io.has_value());
    EXPECT_EQ(view.buttons, kAtRest);
    EXPECT_EQ(session.ParameterPassCount(), 1);
}

TEST_F(MainWindowTest, EachReadOrWriteActionShowsItsOutcome) {
    // The Blocks list ends with the top block of the sweep, not read by its first passes.
    const std::string topBlock =
        "10F0 \t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--\t--";
    CreateWithUnit();
    view.writeData = "5A";
    logic.ReadParameters();
    Ticks(1);
    EXPECT_EQ(view.parameterLines.back(), "0020 \t0x60 \t= InputSwitches \t0x60");
    logic.ReadMemory();
    Ticks(1);
    EXPECT_EQ(LastMemoryLine(), "100F\t2D");
    logic.ClearReadMemory();
    EXPECT_EQ(LastMemoryLine(), "(empty)");
    logic.WriteMemory();
    EXPECT_EQ(view.writeResult, "0x5a");
    logic.ChooseReadMemoryMode(ReadMemoryMode::Blocks);
    EXPECT_EQ(LastMemoryLine(), "(empty)");
    for (int run = 0; run < 2; ++run) {
        logic.ReadMemory();
        Ticks(1);
        EXPECT_EQ(LastMemoryLine(), topBlock) << run;
    }
}

TEST_F(MainWindowTest, UnitAndMenuActions) {
    CreateWithUnit();
    for (const UnitType unit :
         {UnitType::Aircon, UnitType::Cruise, UnitType::FourWs, UnitType::Tcu, UnitType::Ecu}) {
        logic.ChooseUnit(unit);
        EXPECT_EQ(logic.Unit(), unit);
    }
    logic.ChooseReadMemoryMode(ReadMemoryMode::Blocks);
    EXPECT_EQ(logic.Runs().Mode(), ReadMemoryMode::Blocks);

    view.parametersRepeat = true;
    logic.ReadParameters();
    // The connection check is told of the run, to ask for it to be stopped first.
    logic.CheckConnection();
    // Ticks from the About box keep a run going.
    view.onModal = [this](const std::string&) { Ticks(2); };
    logic.About();
    EXPECT_EQ(session.ParameterPassCount(), 2);
    // The dump stops the run first and leaves the ECU chosen; its settings are the
    // window's own, the same at every opening.
    logic.ChooseUnit(UnitType::Tcu);
    view.onModal = [this](const std::string&) { EXPECT_EQ(view.buttons, kAtRest); };
    logic.DumpMemory();
    DumpSettings* settings = view.dumpSettings;
    logic.DumpMemory();
    EXPECT_EQ(view.dumpSettings, settings);
    EXPECT_EQ(logic.Unit(), UnitType::Ecu);
    EXPECT_EQ(view.unit, UnitType::Ecu);
    EXPECT_EQ(logic.Runs().State(), RunState::Idle);
    logic.CheckConnection();
    EXPECT_EQ(view.modalDialogs,
              (Lines{"Check connection", "About", "Dump", "Dump", "Check connection"}));
    EXPECT_EQ(view.connectionChecks, (Lines{"COM3 during a Read run", "COM3"}));

    logic.ChecksumFile();
    ASSERT_EQ(view.fileDialogs.size(), 1U);
    EXPECT_EQ(view.fileDialogs[0].initialFolder, context.programDirectory);
    device.ClearTrace();
    EXPECT_EQ(view.closeRequests, 0);
    logic.Exit();
    EXPECT_EQ(view.closeRequests, 1);
    EXPECT_TRUE(device.Trace().empty());
}

TEST_F(MainWindowTest, WorkOnASlowLineIsShownWhenItEndsAndStopActsAtOnce) {
    CreateWithUnit();
    fakes::ManualWorker slowLine;
    context.worker = &slowLine;
    view.parametersRepeat = true;
    logic.ReadParameters();
    Ticks(3);
    // One pass under way; the list still shows the placeholders until it ends.
    ASSERT_EQ(slowLine.Waiting(), 1U);
    EXPECT_EQ(view.parameterLines.front(), "0010: Volts \t??");
    // Another port chosen meanwhile waits for the pass to end.
    logic.ChoosePort("COM4");
    EXPECT_EQ(port.PortName(), "COM3");

    logic.StopRun();
    EXPECT_EQ(view.buttons, kAtRest);
    ASSERT_TRUE(slowLine.RunNext());
    EXPECT_EQ(view.parameterLines.front(), "Bytes read: 4  Count: 0");
    ASSERT_TRUE(slowLine.RunNext());
    EXPECT_EQ(view.portStatus, "error");
    // The run ended with Stop: no pass follows the one under way.
    Ticks(3);
    EXPECT_EQ(slowLine.Waiting(), 0U);
    EXPECT_EQ(session.ParameterPassCount(), 1);
}

TEST_F(MainWindowTest, AGroupChosenDuringARunIsReadWithTheSwitchAddressesItShows) {
    CreateWithUnit();
    fakes::ManualWorker slowLine;
    context.worker = &slowLine;
    view.parametersRepeat = true;
    logic.ReadParameters();
    Ticks(1);
    logic.ChooseRomId("99FF00  Other");
    Ticks(1);
    ASSERT_TRUE(slowLine.RunNext()); // the pass of the old group
    device.ClearTrace();
    while (slowLine.RunNext()) {
    }
    EXPECT_EQ(view.inputSwitchAddress, "0000");
    EXPECT_EQ(view.ioSwitchAddress, "0041");
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
    view.logStatus = "unchanged";
    logic.OpenLog();
    ASSERT_EQ(view.fileDialogs.size(), 1U);
    EXPECT_EQ(view.fileDialogs[0].suggestion, "korvane.csv");
    EXPECT_EQ(view.fileDialogs[0].kind, FileDialogKind::NewOrExistingFile);
    EXPECT_EQ(view.fileDialogs[0].initialFolder, context.programDirectory);
    EXPECT_EQ(view.logStatus, "unchanged");

    OpenLog("run.txt");
    EXPECT_TRUE(log.IsOpen());
    EXPECT_EQ(logic.LogFileName(), folder.Path("run.txt"));
    logic.CloseLog();
    EXPECT_EQ(view.logStatus, "Closed.");
    EXPECT_FALSE(log.IsOpen());
    OpenLog("missing/dir/x.csv");
    EXPECT_EQ(view.logStatus, "Open failed: " + folder.Path("missing/dir/x.csv"));
}

} // namespace
} // namespace korvane
