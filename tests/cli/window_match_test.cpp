// What korvane-cli prints and logs is what the window shows and logs for the same unit:
// the main window's logic runs here against the simulated car, the program after it.

#include "app/app_context.h"
#include "app/fake_window.h"
#include "app/main_window_logic.h"
#include "car_test.h"
#include "definitions/definition_store.h"
#include "link/serial_port.h"
#include "link/thread_sleeper.h"
#include "log/log_file.h"
#include "reading/memory_tools_state.h"
#include "resources/control_ids.h"

#include <filesystem>
#include <functional>

namespace korvane::cli::testing {
namespace {

namespace m = ids::main;
using korvane::testing::FakeWindow;
using korvane::testing::ReadWholeFile;

// The log without the time stamps ("hh:mm:ss.mmm" and the separator) heading its lines.
std::string WithoutStamps(const std::string& log) {
    std::string stripped;
    for (const std::string& line : Lines(log)) {
        stripped += line.substr(std::min<std::size_t>(13, line.size())) + "\n";
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
        // The window scans the port table: COM1 is the car, every other name missing.
        StartCar(car, {"--com", "1"});
        for (int number = 2; number <= 16; ++number) {
            std::filesystem::create_symlink(folder.Path() / "missing",
                                            folder.Path() / "korvane" / "ports" /
                                                ("COM" + std::to_string(number)));
        }
    }

    // Creates the main window's logic in the examples' folder with the log open, lets
    // `run` press its buttons and collect what it shows, then closes the log.
    std::string
    RunWindow(const std::string& logFile,
              const std::function<void(FakeWindow&, MainWindowLogic&, std::string&)>& run) {
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
        // The window reads its definition files from the working directory.
        const auto startDirectory = std::filesystem::current_path();
        std::filesystem::current_path(KORVANE_EXAMPLES_DIR);
        FakeWindow window({m::kPortCombo});
        MainWindowLogic logic(window, context);
        logic.OnCreate();
        std::filesystem::current_path(startDirectory);
        EXPECT_EQ(port.PortName(), "COM1");
        window.fileAnswers.emplace_back(logFile);
        logic.OnCommand(ids::kMenuOpenLog, 0);
        std::string shown;
        run(window, logic, shown);
        logic.OnCommand(ids::kMenuCloseLog, 0);
        return shown;
    }

    // korvane-cli on the port SelectMonitor.ini prefers, COM1.
    static CliResult CliOnCom1(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--dir", KORVANE_EXAMPLES_DIR});
        return RunCli(arguments);
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
    const CliResult result = CliOnCom1({"params", "--passes", "2", "--log", cliLog});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Lines(result.out).size(), 2u * (1 + 16 + 2)) << result.out;
    EXPECT_EQ(result.out, shown);
    const std::string expectedLog = ReadWholeFile(windowLog);
    ASSERT_FALSE(expectedLog.empty());
    EXPECT_EQ(WithoutStamps(ReadWholeFile(cliLog)), WithoutStamps(expectedLog));
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
    CliResult result =
        CliOnCom1({"read", "--address", "1234", "--count", "3", "--passes", "2", "--log", cliLog});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::string printed = result.out;
    result = CliOnCom1({"read", "--address", "1234", "--count", "3", "--blocks", "--log", cliLog});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    printed += result.out;
    EXPECT_EQ(printed, shown);

    // Two log sessions in the program, one in the window: but for the second opening
    // line, the same lines.
    std::string cliLines = WithoutStamps(ReadWholeFile(cliLog));
    const std::string opening = "Starting log session.\n";
    const std::size_t second = cliLines.find(opening, opening.size());
    ASSERT_NE(second, std::string::npos) << cliLines;
    cliLines.erase(second, opening.size());
    EXPECT_EQ(cliLines, WithoutStamps(ReadWholeFile(windowLog)));
}

} // namespace
} // namespace korvane::cli::testing
