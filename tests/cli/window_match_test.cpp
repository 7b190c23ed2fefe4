// What korvane-cli prints and logs is what the window's logic shows and logs for the same
// unit: the main window's logic runs here against the simulated car, the program after it.

#include "app/app_context.h"
#include "app/fake_window.h"
#include "app/main_window_logic.h"
#include "car_fixture.h"
#include "definitions/definition_store.h"
#include "link/serial_port.h"
#include "link/thread_sleeper.h"
#include "log/log_file.h"
#include "reading/memory_tools_state.h"
#include "resources/control_ids.h"

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace korvane::cli::testing {
namespace {

namespace m = ids::main;

// The log without its time stamps ("hh:mm:ss.mmm" and the separator).
std::string WithoutStamps(const std::string& log) {
    std::string stripped;
    for (const std::string& line : Lines(log)) {
        stripped += (line.size() >= 13 ? line.substr(13) : line) + "\n";
    }
    return stripped;
}

void Append(std::string& text, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        text += line + "\n";
    }
}

class WindowMatch : public CarTest {
protected:
    void SetUp() override {
        // This process opens ports too: COM1 is the car, every other name a missing device.
        setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
        StartCar({"--com", "1"});
        const auto links = folder.Path() / "korvane" / "ports";
        for (int number = 2; number <= 16; ++number) {
            std::filesystem::create_symlink(folder.Path() / "missing",
                                            links / ("COM" + std::to_string(number)));
        }
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    // Runs the main window's logic: created in the examples' folder, the log opened, then
    // `run` presses its buttons and collects what the window shows.
    std::string RunWindow(const std::string& logFile,
                          const std::function<void(korvane::testing::FakeWindow&, MainWindowLogic&,
                                                   std::string&)>& run) {
        SerialPort port;
        DefinitionStore store;
        LogFile log;
        ThreadSleeper sleeper;
        MemoryToolsState tools;
        AppContext context;
        context.serialPort = &port;
        context.definitions = &store;
        context.log = &log;
        context.unitChannel = &port;
        context.sleeper = &sleeper;
        context.memoryTools = &tools;
        context.programDirectory = KORVANE_EXAMPLES_DIR;
        korvane::testing::FakeWindow window({m::kPortCombo});
        MainWindowLogic logic(window, context);
        logic.OnCreate();
        EXPECT_EQ(port.PortName(), "COM1");
        window.fileAnswers.emplace_back(logFile);
        logic.OnCommand(ids::kMenuOpenLog, 0);
        std::string shown;
        run(window, logic, shown);
        logic.OnCommand(ids::kMenuCloseLog, 0);
        return shown;
    }

    ProcessResult CliOnCom1(const std::vector<std::string>& arguments) const {
        std::vector<std::string> all{"--dir", KORVANE_EXAMPLES_DIR};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return RunCliProgram(all, Environment());
    }
};

TEST_F(WindowMatch, ReadParametersAfterGetRomId) {
    const std::string windowLog = folder.File("window.csv");
    const std::string shown = RunWindow(windowLog, [](auto& window, auto& logic, auto& text) {
        logic.OnCommand(m::kGetRomId, 0);
        logic.OnTimer();
        window.SetChecked(m::kParamRepeat, true);
        logic.OnCommand(m::kParamRead, 0);
        for (int pass = 0; pass < 2; ++pass) {
            logic.OnTimer();
            Append(text, window.List(m::kParamList));
            text += "Input switches: " + window.GetText(m::kInputSwitchValue) + "\n";
            text += "IO switches: " + window.GetText(m::kIoSwitchValue) + "\n";
        }
        logic.OnCommand(m::kParamStop, 0);
    });

    const std::string cliLog = folder.File("cli.csv");
    const ProcessResult result = CliOnCom1({"params", "--passes", "2", "--log", cliLog});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, shown);
    const std::string expectedLog = korvane::testing::ReadWholeFile(windowLog);
    ASSERT_FALSE(expectedLog.empty());
    EXPECT_EQ(WithoutStamps(korvane::testing::ReadWholeFile(cliLog)), WithoutStamps(expectedLog));
}

TEST_F(WindowMatch, ReadMemoryInBothModes) {
    const std::string windowLog = folder.File("window.log");
    const std::string shown = RunWindow(windowLog, [](auto& window, auto& logic, auto& text) {
        window.SetText(m::kMemAddressEdit, "1234");
        window.SetText(m::kMemCountEdit, "3");
        window.SetChecked(m::kMemRepeat, true);
        logic.OnCommand(m::kMemRead, 0);
        for (int pass = 0; pass < 2; ++pass) {
            logic.OnTimer();
            Append(text, window.List(m::kMemList));
        }
        logic.OnCommand(m::kMemStop, 0);

        // Blocks: a sweep over three blocks is three ticks.
        logic.OnCommand(m::kModeBlocks, 0);
        logic.OnCommand(m::kMemRead, 0);
        for (int tick = 0; tick < 3; ++tick) {
            logic.OnTimer();
        }
        Append(text, window.List(m::kMemList));
        logic.OnCommand(m::kMemStop, 0);
    });

    const std::string cliLog = folder.File("cli.log");
    ProcessResult result =
        CliOnCom1({"read", "--address", "1234", "--count", "3", "--passes", "2", "--log", cliLog});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::string printed = result.out;
    result = CliOnCom1({"read", "--address", "1234", "--count", "3", "--blocks", "--log", cliLog});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    printed += result.out;
    EXPECT_EQ(printed, shown);

    // Two sessions in the program, one in the window: the second opening line aside, the
    // logs hold the same lines.
    std::string cliLines = WithoutStamps(korvane::testing::ReadWholeFile(cliLog));
    const std::string opening = "Starting log session.\n";
    const std::size_t second = cliLines.find(opening, opening.size());
    ASSERT_NE(second, std::string::npos) << cliLines;
    cliLines.erase(second, opening.size());
    EXPECT_EQ(cliLines, WithoutStamps(korvane::testing::ReadWholeFile(windowLog)));
}

} // namespace
} // namespace korvane::cli::testing
