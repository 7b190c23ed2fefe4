// korvane-cli against the simulated car as a user runs it, the port chosen by the
// definition files, and definition files that cannot be read.

#include "car_test.h"

#include <filesystem>
#include <sys/stat.h>

namespace korvane::cli::testing {
namespace {

using UnitCommands = CarTest;
using korvane::testing::WriteWholeFile;

TEST_F(UnitCommands, AByteWrittenIsReadBackAndAParameterPassIsPrintedWhole) {
    ASSERT_EQ(Cli({"write", "--address", "0100", "--data", "5A"}).exitCode, 0);
    EXPECT_EQ(Lines(Cli({"read", "--address", "0100", "--count", "1"}).out).at(1), "0100\t5A");

    const CliResult result = Cli({"params", "--romid", "A1B2C3D4"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 1u + 8 + 2) << result.out;
    EXPECT_EQ(lines[0], "Bytes read: 8  Count: 0");
    EXPECT_EQ(lines[1].rfind("2234 \t0x", 0), 0u) << lines[1];
    EXPECT_EQ(lines[9].rfind("Input switches: ", 0), 0u) << lines[9];
    EXPECT_EQ(lines[10].rfind("IO switches: ", 0), 0u) << lines[10];
}

TEST_F(UnitCommands, WithoutPortTheOneSelectMonitorPrefersIsUsedAndListed) {
    ecusim::SimProcess second;
    StartCar(second, {"--com", "5", "--romid", "123456"});
    folder.Write("SelectMonitor.ini", "CommPort=5\n");
    CliResult result = RunCli({"--dir", folder.Path().string(), "romid"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "123456\n");

    result = RunCli({"ports"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("COM5\t" + second.PtyPath() + "\n"), std::string::npos) << result.out;
}

TEST_F(UnitCommands, DefinitionsThatAreFoldersPipesOrUnreadableAreNotRead) {
    const std::string dir = folder.File("defs");
    std::filesystem::create_directories(dir + "/paramdef.ini");
    // A named pipe with no writer would block whoever opens it.
    ASSERT_EQ(mkfifo((dir + "/SelectMonitor.ini").c_str(), 0600), 0);
    const auto inDir = [&](const std::vector<std::string>& command) {
        std::vector<std::string> arguments{"--port", car.PtyPath(), "--dir", dir};
        arguments.insert(arguments.end(), command.begin(), command.end());
        return RunCli(arguments);
    };
    CliResult result = inDir({"defs"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "CommPort=1\n");
    EXPECT_NE(result.err.find("paramdef.ini"), std::string::npos) << result.err;

    // Readable copies of the examples, then one made unreadable.
    std::filesystem::remove_all(dir);
    std::filesystem::create_directory(dir);
    for (const char* name : {"paramdef.ini", "SelectMonitor.ini"}) {
        std::filesystem::copy_file(std::filesystem::path(KORVANE_EXAMPLES_DIR) / name,
                                   std::filesystem::path(dir) / name);
    }
    ASSERT_EQ(inDir({"defs"}).exitCode, 0);
    chmod((dir + "/SelectMonitor.ini").c_str(), 0);
    if (std::ifstream(dir + "/SelectMonitor.ini").is_open()) {
        GTEST_SKIP() << "this user reads a file without read permission";
    }
    result = inDir({"defs"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("SelectMonitor.ini"), std::string::npos) << result.err;
}

TEST_F(UnitCommands, DefsCheckListsEachMistakeByFileAndLineAndFailsOnAnError) {
    CliResult result = Cli({"defs", "--check"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.find(": error: "), std::string::npos) << result.out;

    const std::string dir = folder.File("defs");
    std::filesystem::create_directory(dir);
    WriteWholeFile(dir + "/paramdef.ini", "; speed\r\nSpeed,%s,Speed*2\r\n");
    WriteWholeFile(dir + "/SelectMonitor.ini",
                   "[A1B2C3]\nSpeedAddress=0x1234\nRpmAddress=0x1235\n");
    result = RunCli({"--dir", dir, "defs", "--check"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, dir +
                              "/paramdef.ini:2: error: display format \"%s\" is not used: it may "
                              "hold one number conversion (%d, %f, %X and the like) and %%, "
                              "nothing else\n" +
                              dir + "/SelectMonitor.ini:3: warning: \"Rpm\" has no line in " + dir +
                              "/paramdef.ini: it shows its raw byte\n");
    EXPECT_NE(result.err.find("korvane-cli: defs: 1 error in the definition files"),
              std::string::npos)
        << result.err;
}

} // namespace
} // namespace korvane::cli::testing
