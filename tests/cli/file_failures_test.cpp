// Log and dump files that cannot be written, a log whose folder goes away while followed,
// and definition files that cannot be read.

#include "car_test.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace korvane::cli::testing {
namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& what) {
    return text.find(what) != std::string::npos;
}

// A folder this process may not write to, or none when it can write anyway (as root).
bool MakeReadOnlyFolder(const std::string& path) {
    fs::create_directory(path);
    chmod(path.c_str(), 0500);
    return !std::ofstream(path + "/probe").is_open();
}

class FileFailures : public CarTest {
protected:
    CliResult InDir(const std::string& dir, const std::vector<std::string>& command) const {
        std::vector<std::string> arguments{"--port", car.PtyPath(), "--dir", dir};
        arguments.insert(arguments.end(), command.begin(), command.end());
        return RunCli(arguments);
    }
};

TEST_F(FileFailures, ALogThatCannotBeWrittenFailsBeforeAnyPass) {
    std::vector<std::string> logs{"/dev/full"};
    const std::string readOnly = folder.File("read-only");
    if (MakeReadOnlyFolder(readOnly)) {
        logs.push_back(readOnly + "/log.csv");
    }
    for (const std::string& log : logs) {
        for (const std::vector<std::string>& command :
             {std::vector<std::string>{"params", "--romid", "A1B2C3"},
              {"read", "--address", "0"}}) {
            std::vector<std::string> arguments = command;
            arguments.insert(arguments.end(), {"--log", log});
            const CliResult result = Cli(arguments);
            EXPECT_EQ(result.exitCode, 1) << log;
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
            EXPECT_TRUE(Contains(result.err, "log file")) << result.err;
        }
    }
    chmod(readOnly.c_str(), 0700);
    if (logs.size() == 1) {
        GTEST_SKIP() << "this user writes into a read-only folder";
    }
}

TEST_F(FileFailures, ALogWhoseFolderGoesAwayWhileFollowedIsReportedAtTheEnd) {
    const std::string logs = folder.File("logs");
    fs::create_directory(logs);
    CliProcess cli(OnCar({"params", "--romid", "A1B2C3", "--follow", "--log", logs + "/f.csv"}),
                   folder.Path().string());
    ASSERT_TRUE(cli.WaitFor("Count: 1\n"));
    fs::remove_all(logs);
    ASSERT_TRUE(cli.WaitFor("Count: 3\n"));
    ASSERT_TRUE(cli.Signal(SIGTERM));
    const CliResult result = cli.Finish();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
    EXPECT_TRUE(Contains(result.err, "log file")) << result.err;
    // The passes themselves go on, each printed whole.
    EXPECT_EQ(result.out.back(), '\n');
    EXPECT_TRUE(Contains(result.out, "Bytes read: 16  Count: 3\n")) << result.out;
}

TEST_F(FileFailures, ADumpOnAFullDiskFailsAndIsNeverComplete) {
    for (const char* prefill : {"0", "10"}) {
        const CliResult result = Cli({"dump", "/dev/full", "--yes", "--interval", "0", "--count",
                                      "20", "--prefill", prefill});
        EXPECT_EQ(result.exitCode, 1) << prefill;
        EXPECT_EQ(result.out, "") << prefill;
        EXPECT_TRUE(Contains(result.err, "Can't write output file")) << result.err;
        EXPECT_FALSE(Contains(result.err, "COMPLETE")) << result.err;
    }
}

TEST_F(FileFailures, DefinitionsThatAreFoldersPipesOrUnreadableAreNotRead) {
    const std::string dir = folder.File("defs");
    fs::create_directories(dir + "/paramdef.ini");
    // A named pipe with no writer would block whoever opens it.
    ASSERT_EQ(mkfifo((dir + "/SelectMonitor.ini").c_str(), 0600), 0);
    CliResult result = InDir(dir, {"defs"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "CommPort=1\n");
    EXPECT_TRUE(Contains(result.err, "paramdef.ini")) << result.err;
    result = InDir(dir, {"params", "--romid", "A1B2C3"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;

    // Readable copies of the examples, then one made unreadable.
    fs::remove_all(dir);
    fs::create_directory(dir);
    for (const char* name : {"paramdef.ini", "SelectMonitor.ini"}) {
        fs::copy_file(fs::path(KORVANE_EXAMPLES_DIR) / name, fs::path(dir) / name);
    }
    const std::string selectMonitor = dir + "/SelectMonitor.ini";
    ASSERT_EQ(InDir(dir, {"defs"}).exitCode, 0);
    chmod(selectMonitor.c_str(), 0);
    if (std::ifstream(selectMonitor).is_open()) {
        GTEST_SKIP() << "this user reads a file without read permission";
    }
    result = InDir(dir, {"defs"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(Contains(result.err, "SelectMonitor.ini")) << result.err;
}

} // namespace
} // namespace korvane::cli::testing
