#include "app/main_window_logic.h"

#include "app/manual_worker.h"
#include "app/unit_fixture.h"
#include "link/unit_type.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;
using fakes::Bytes;

int N(ComboNotification notification) {
    return static_cast<int>(notification);
}

class MainWindowTest : public ::testing::Test, protected fakes::UnitFixture {
protected:
    explicit MainWindowTest(const std::string& monitor = fakes::kTestMonitor)
        : UnitFixture(monitor) {}

    void Command(int id, int notification = 0) { logic.OnCommand(id, notification); }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            logic.OnTimer();
        }
    }
    void TypePort(const std::string& text) {
        window.SetText(3001, text);
        Command(3001, N(ComboNotification::EditChange));
    }
    void ChooseEntry(int comboId, const std::string& text) {
        const auto items = window.ComboItems(comboId);
        const auto it = std::find(items.begin(), items.end(), text);
        ASSERT_NE(it, items.end()) << text;
        window.ComboSetSelection(comboId, static_cast<int>(it - items.begin()));
        Command(comboId, N(ComboNotification::SelEndOk));
    }
    bool AtRest() const {
        return window.IsEnabled(3004) && !window.IsEnabled(3005) && window.IsEnabled(3017) &&
               !window.IsEnabled(3018);
    }
    void OpenLog(const std::string& name = "log.csv") {
        window.fileAnswers.push_back(folder.Path(name));
        Command(2001);
    }

    MainWindowLogic logic{window, context};
};

TEST_F(MainWindowTest, CreationLoadsOpensAndSetsUpEveryControl) {
    sandbox.Attach(1);
    sandbox.Attach(3);
    sandbox.Attach(10);
    logic.OnCreate();

    EXPECT_EQ(window.timerPeriods, (std::vector<int>{100}));
    // The loaders echoed into the message list, naming the files as the user knows them.
    const Lines& echo = window.List(3003);
    EXPECT_EQ(echo.front(), "*** Reading: paramdef.ini");
    EXPECT_NE(std::find(echo.begin(), echo.end(), "*** Reading: SelectMonitor.ini"), echo.end());
    EXPECT_NE(std::find(echo.begin(), echo.end(), "12AB05"), echo.end());
    // CommPort=3 opened, listed in the sorted port list and selected.
    EXPECT_EQ(port.PortName(), "COM3");
    EXPECT_EQ(window.ComboItems(3001), (Lines{"COM1", "COM10", "COM3"}));
    EXPECT_EQ(window.SelectedComboText(3001), "COM3");
    EXPECT_EQ(window.GetText(3014), "Ok");
    EXPECT_NE(window.toolTips[3014].find("COM3 on " + sandbox.Link(3)), std::string::npos);
    EXPECT_TRUE(window.messageBoxes.empty());
    // The ROM-ID list in file order with "null" preselected; nothing selected in the store.
    EXPECT_EQ(window.ComboItems(3015), (Lines{"12AB05  Test unit", "null", "99FF00  Other"}));
    EXPECT_EQ(window.SelectedComboText(3015), "null");
    EXPECT_EQ(store.SelectedGroup(), nullptr);

    EXPECT_EQ(window.tabStops[3003].size(), 20U);
    EXPECT_EQ(window.tabStops[3003].front(), 25);
    EXPECT_EQ(window.tabStops[3003].back(), 253);
    EXPECT_EQ(window.tabStops[3016], (std::vector<int>{25, 45, 140, 150, 160}));

    EXPECT_EQ(window.GetText(3009), "1000");
    EXPECT_EQ(window.upDowns[3020].base, 16);
    EXPECT_EQ(window.upDowns[3020].upper, 0xFFFF);
    EXPECT_EQ(window.GetText(3010), "16");
    EXPECT_EQ(window.upDowns[3019].base, 10);
    EXPECT_EQ(window.upDowns[3019].lower, 1);
    EXPECT_EQ(window.upDowns[3019].upper, 16);
    EXPECT_EQ(window.GetText(3055), "1000");
    EXPECT_EQ(window.upDowns[3048].base, 16);

    EXPECT_TRUE(AtRest());
    EXPECT_TRUE(window.IsChecked(3042));
    EXPECT_TRUE(window.IsChecked(3053));
    EXPECT_FALSE(window.IsChecked(3021));
    EXPECT_EQ(context.unitType, UnitType::Ecu);
    EXPECT_EQ(context.readMemoryMode, ReadMemoryMode::Bytes);
    EXPECT_EQ(context.runState, RunState::Idle);
    EXPECT_TRUE(device.Trace().empty());
}

TEST_F(MainWindowTest, APreferredPortThatWillNotOpenGivesWayToTheFirstFound) {
    sandbox.Attach(2);
    sandbox.Attach(5);
    logic.OnCreate();
    EXPECT_EQ(port.PortName(), "COM2");
    EXPECT_EQ(window.SelectedComboText(3001), "COM2");
    EXPECT_EQ(window.GetText(3014), "Ok");
}

TEST_F(MainWindowTest, WithoutAnyPortTheScanSaysSoAndTheStatusIsError) {
    logic.OnCreate();
    ASSERT_EQ(window.messageBoxes.size(), 1U);
    EXPECT_EQ(window.messageBoxes[0].text, "Serial Port Scan...");
    EXPECT_EQ(window.messageBoxes[0].caption, "No serial ports found!\n");
    EXPECT_EQ(window.GetText(3014), "Error");
    EXPECT_EQ(window.toolTips[3014], "No serial ports found");
    EXPECT_EQ(window.ComboCount(3001), 0);

    // Get ROM ID with no port: the placeholder, then "no comms" without any traffic.
    Command(3006);
    EXPECT_EQ(window.GetText(3007), "------------");
    Ticks(1);
    EXPECT_EQ(window.GetText(3007), "no comms");
    EXPECT_EQ(context.runState, RunState::Idle);
    EXPECT_TRUE(device.Trace().empty());
}

TEST_F(MainWindowTest, TypingOrChoosingAPortNameTriesEveryText) {
    sandbox.Attach(1);
    sandbox.Attach(3);
    logic.OnCreate();
    for (const char* partial : {"C", "CO", "COM"}) {
        TypePort(partial);
        EXPECT_EQ(window.GetText(3014), "error") << partial;
        EXPECT_FALSE(port.IsOpen()) << partial;
    }
    EXPECT_NE(window.toolTips[3014].find("COM: not a known port name"), std::string::npos)
        << window.toolTips[3014];
    TypePort("COM3");
    EXPECT_EQ(window.GetText(3014), "Ok");
    EXPECT_EQ(port.PortName(), "COM3");

    // A port that is pinned to a missing device names the device and the reason.
    TypePort("COM4");
    EXPECT_EQ(window.GetText(3014), "error");
    EXPECT_NE(window.toolTips[3014].find(sandbox.Link(4)), std::string::npos);
    EXPECT_NE(window.toolTips[3014].find("No such file or directory"), std::string::npos);

    // Choosing the open port does nothing; moving through the list is no choice.
    TypePort("COM3");
    window.SetText(3014, "unchanged");
    ChooseEntry(3001, "COM3");
    EXPECT_EQ(window.GetText(3014), "unchanged");
    window.ComboSetSelection(3001, 0);
    Command(3001, N(ComboNotification::SelChange));
    EXPECT_EQ(port.PortName(), "COM3");
    ChooseEntry(3001, "COM1");
    EXPECT_EQ(port.PortName(), "COM1");
    EXPECT_EQ(window.GetText(3014), "Ok");
}

TEST_F(MainWindowTest, ScanStopsTheRunAndOpensTheFirstPortFound) {
    sandbox.Attach(2);
    sandbox.Attach(3);
    logic.OnCreate();
    ASSERT_EQ(port.PortName(), "COM3");
    window.SetChecked(3022, true);
    Command(3017);
    Command(3041);
    EXPECT_TRUE(AtRest());
    EXPECT_EQ(context.runState, RunState::Idle);
    EXPECT_EQ(port.PortName(), "COM2");
    EXPECT_EQ(window.SelectedComboText(3001), "COM2");
    EXPECT_EQ(window.GetText(3014), "Ok");
}

TEST_F(MainWindowTest, ARomIdFromTheUnitSelectsItsGroupAndRefreshesTheView) {
    sandbox.Attach(3);
    logic.OnCreate();
    Command(3006);
    Ticks(1);
    EXPECT_EQ(window.GetText(3007), "12AB05");
    EXPECT_EQ(store.SelectedRomIdText(), "12AB05");
    EXPECT_EQ(window.SelectedComboText(3015), "12AB05  Test unit");
    EXPECT_EQ(window.List(3016), (Lines{"0010: Volts \t??", "0011: Speed \t??", "0012: Temp \t??",
                                        "0020: InputSwitches \t??"}));
    EXPECT_EQ(window.GetText(3030), "0020");
    EXPECT_EQ(window.GetText(3040), "0001");

    // A unit that does not answer: "error", and the selection stays.
    device.SetResponder({});
    Command(3006);
    Ticks(1);
    EXPECT_EQ(window.GetText(3007), "error");
    EXPECT_EQ(store.SelectedRomIdText(), "12AB05");
}

TEST_F(MainWindowTest, AChoiceInTheRomIdListSelectsAndRefreshes) {
    logic.OnCreate();
    ChooseEntry(3015, "99FF00  Other");
    EXPECT_EQ(store.SelectedRomIdText(), "99FF00");
    EXPECT_EQ(window.List(3016),
              (Lines{"0030: Volts \t??", "0031: Twice \t??", "0041: IOSwitches \t??"}));
    EXPECT_EQ(window.GetText(3030), "0000");
    EXPECT_EQ(window.GetText(3040), "0041");

    // Text that matches no group keeps the selection; the view is refreshed from it.
    window.SetText(3015, "77");
    window.ListReset(3016);
    Command(3015, N(ComboNotification::EditChange));
    EXPECT_EQ(store.SelectedRomIdText(), "99FF00");
    EXPECT_EQ(window.List(3016).size(), 3U);
    EXPECT_TRUE(device.Trace().empty());
}

TEST_F(MainWindowTest, ReadParametersListsLogsAndShowsTheSwitches) {
    sandbox.Attach(3);
    logic.OnCreate();
    ChooseEntry(3015, "12AB05  Test unit");
    memory[0x10] = 150;
    memory[0x11] = 7;
    memory[0x12] = 50;
    memory[0x20] = 0x0F;
    memory[0x01] = 0xF0;
    OpenLog();
    EXPECT_EQ(window.GetText(3023), folder.Path("log.csv"));

    window.SetChecked(3022, true);
    Command(3017);
    EXPECT_FALSE(window.IsEnabled(3004));
    EXPECT_FALSE(window.IsEnabled(3005));
    EXPECT_FALSE(window.IsEnabled(3017));
    EXPECT_TRUE(window.IsEnabled(3018));
    Ticks(2);
    EXPECT_EQ(window.List(3016),
              (Lines{"Bytes read: 4  Count: 1", "0010 \t0x96 \t= Volts \t12.00 V",
                     "0011 \t0x07 \t= Speed \t7", "0012 \t0x32 \t= Temp \t10 C",
                     "0020 \t0x0F \t= InputSwitches \t0x0F"}));
    EXPECT_EQ(window.GetText(3029), "0F");
    EXPECT_EQ(window.GetText(3039), "F0");
    EXPECT_EQ(window.GetText(3011), "1");
    EXPECT_EQ(window.GetText(3028), "0");
    EXPECT_EQ(window.GetText(3031), "0");
    EXPECT_EQ(window.GetText(3038), "1");

    // Stop takes effect when its command returns: no further pass.
    Command(3018);
    EXPECT_TRUE(AtRest());
    const auto traffic = device.Trace().size();
    Ticks(2);
    EXPECT_EQ(device.Trace().size(), traffic);

    Command(2002);
    EXPECT_EQ(window.GetText(3023), "Closed.");
    EXPECT_EQ(LogLines(),
              (Lines{"01:02:03.004,Starting log session.", "01:02:03.004,*** Read Parameters ***",
                     "01:02:03.004,Volts,Speed,Temp,InputSwitches,",
                     "01:02:03.004,12.00,7,10,0x0F,", "01:02:03.004,12.00,7,10,0x0F,"}));
}

TEST_F(MainWindowTest, WithoutRepeatAReadIsOnePassThenTheButtonsRest) {
    logic.OnCreate();
    ChooseEntry(3015, "12AB05  Test unit");
    device.SetClosed(true);
    Command(3017);
    Ticks(3);
    // The failed reads of a closed port still count as a pass.
    EXPECT_EQ(window.List(3016).front(), "Bytes read: -1  Count: 0");
    EXPECT_TRUE(AtRest());
    EXPECT_EQ(session.ParameterPassCount(), 1);
}

TEST_F(MainWindowTest, WorkOnASlowLineIsShownWhenItEndsAndStopActsAtOnce) {
    sandbox.Attach(3);
    logic.OnCreate();
    ChooseEntry(3015, "12AB05  Test unit");
    fakes::ManualWorker slowLine;
    context.worker = &slowLine;
    window.SetChecked(3022, true);
    Command(3017);
    Ticks(3);
    // One pass under way; the list still shows the placeholders until it ends.
    ASSERT_EQ(slowLine.Waiting(), 1U);
    EXPECT_EQ(window.List(3016).front(), "0010: Volts \t??");
    // Another port chosen meanwhile waits for the pass to end.
    TypePort("COM4");
    EXPECT_EQ(port.PortName(), "COM3");

    Command(3018);
    EXPECT_TRUE(AtRest());
    ASSERT_TRUE(slowLine.RunNext());
    EXPECT_EQ(window.List(3016).front(), "Bytes read: 4  Count: 0");
    ASSERT_TRUE(slowLine.RunNext());
    EXPECT_EQ(window.GetText(3014), "error");
    // The run ended with Stop: no pass follows the one under way.
    Ticks(3);
    EXPECT_EQ(slowLine.Waiting(), 0U);
    EXPECT_EQ(session.ParameterPassCount(), 1);
}

TEST_F(MainWindowTest, AFailedLogWriteIsShownAndTheReadingGoesOn) {
    logic.OnCreate();
    ChooseEntry(3015, "12AB05  Test unit");
    OpenLog();
    std::filesystem::remove(folder.Path("log.csv"));
    window.SetChecked(3022, true);
    Command(3017);
    Ticks(2);
    EXPECT_EQ(window.GetText(3023), "Write failed: " + folder.Path("log.csv"));
    EXPECT_EQ(session.ParameterPassCount(), 2);
    EXPECT_EQ(window.List(3016).size(), 5U);
}

TEST_F(MainWindowTest, LogCommands) {
    logic.OnCreate();
    const std::string before = window.GetText(3023);
    window.fileAnswers.push_back(std::nullopt);
    Command(2001);
    ASSERT_EQ(window.fileDialogs.size(), 1U);
    EXPECT_EQ(window.fileDialogs[0].suggestion, "korvane.csv");
    EXPECT_EQ(window.fileDialogs[0].title, "Select Log File");
    EXPECT_EQ(window.fileDialogs[0].kind, FileDialogKind::NewOrExistingFile);
    EXPECT_EQ(window.fileDialogs[0].initialFolder, context.programDirectory);
    EXPECT_EQ(window.fileDialogs[0].filter,
              (FileFilter{{"Log files (txt,log,csv)", "*.txt;*.log;*.csv"}, {"All files", "*.*"}}));
    EXPECT_EQ(window.GetText(3023), before);
    EXPECT_EQ(context.logFileName, "korvane.csv");

    OpenLog("run.txt");
    EXPECT_TRUE(log.IsOpen());
    EXPECT_EQ(log.Separator(), ' ');
    EXPECT_EQ(window.fileDialogs.back().suggestion, "korvane.csv");
    EXPECT_EQ(context.logFileName, folder.Path("run.txt"));

    // A log that cannot be opened does not leave the earlier name on show.
    OpenLog("missing/dir/x.csv");
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(window.GetText(3023), "Open failed: " + folder.Path("missing/dir/x.csv"));

    Command(2002);
    EXPECT_EQ(window.GetText(3023), "Closed.");
}

TEST_F(MainWindowTest, MenuUnitAndModeCommands) {
    logic.OnCreate();
    // Ticks from the About box keep a run going.
    ChooseEntry(3015, "12AB05  Test unit");
    window.SetChecked(3022, true);
    Command(3017);
    window.onModal = [this](int) { Ticks(2); };
    Command(109);
    EXPECT_EQ(window.modalDialogs, (std::vector<int>{103}));
    EXPECT_EQ(session.ParameterPassCount(), 2);
    Command(3018);
    device.ClearTrace();
    Command(3044, 5);
    EXPECT_EQ(context.unitType, UnitType::Aircon);
    Command(3046);
    EXPECT_EQ(context.unitType, UnitType::Cruise);
    Command(3042);
    EXPECT_EQ(context.unitType, UnitType::Ecu);
    Command(3054);
    EXPECT_EQ(context.readMemoryMode, ReadMemoryMode::Blocks);
    Command(3053);
    EXPECT_EQ(context.readMemoryMode, ReadMemoryMode::Bytes);

    // Unknown IDs do nothing.
    Command(4242);
    Command(3007, 1);
    EXPECT_EQ(window.closeRequests, 0);
    Command(107);
    EXPECT_EQ(window.closeRequests, 1);
    EXPECT_TRUE(device.Trace().empty());
}

class MainWindowNoNullTest : public MainWindowTest {
protected:
    MainWindowNoNullTest() : MainWindowTest("[AB]\n[CD]\nName=x\n") {}
};

TEST_F(MainWindowNoNullTest, WithoutANullEntryTheFirstIsPreselected) {
    logic.OnCreate();
    EXPECT_EQ(window.ComboItems(3015), (Lines{"AB", "CD  x"}));
    EXPECT_EQ(window.SelectedComboText(3015), "AB");
}

} // namespace
} // namespace korvane
