// romid, params, write, ports and the port choice against the simulated car.

#include "car_test.h"

#include <algorithm>
#include <cstdio>

namespace korvane::cli::testing {
namespace {

using UnitCommands = CarTest;

std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(UnitCommands, RomIdAsksTheUnitChosen) {
    CliResult result = Cli({"romid"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "A1B2C3\n");
    result = Cli({"--unit", "tcu", "romid"});
    EXPECT_EQ(result.out, "4A3107\n");
}

TEST_F(UnitCommands, ParamsWithARomIdSelectsThatGroupOrFails) {
    CliResult result = Cli({"params", "--romid", "A1B2C3D4"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 1u + 8 + 2) << result.out;
    EXPECT_EQ(lines[0], "Bytes read: 8  Count: 0");
    EXPECT_EQ(lines[1].rfind("2234 \t0x", 0), 0u) << lines[1];
    EXPECT_EQ(lines[9].rfind("Input switches: ", 0), 0u) << lines[9];
    EXPECT_EQ(lines[10].rfind("IO switches: ", 0), 0u) << lines[10];

    result = Cli({"params", "--romid", "FFFFFF"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.empty()) << result.out;
    EXPECT_EQ(LineCount(result.err), 1u) << result.err;
}

TEST_F(UnitCommands, WritePrintsTheByteTheUnitReports) {
    CliResult result = Cli({"write", "--address", "0100", "--data", "5A"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "0x5a\n");
    EXPECT_EQ(Lines(Cli({"read", "--address", "0100", "--count", "1"}).out).at(1), "0100\t5A");

    // The program area keeps its bytes: the write does not take, which is a failure, and
    // the byte shown is the one still there.
    unsigned kept = 0;
    const std::string before = Lines(Cli({"read", "--address", "8000", "--count", "1"}).out).at(1);
    ASSERT_EQ(std::sscanf(before.c_str(), "8000\t%X", &kept), 1) << before;
    char data[8];
    char shown[8];
    (void)std::snprintf(data, sizeof data, "%02X", kept ^ 0xFFU);
    (void)std::snprintf(shown, sizeof shown, "0x%02x\n", kept);
    result = Cli({"write", "--address", "8000", "--data", data});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, shown);
    EXPECT_EQ(LineCount(result.err), 1u) << result.err;
}

TEST_F(UnitCommands, WithoutPortTheOneSelectMonitorPrefersIsUsedAndListed) {
    ecusim::SimProcess second;
    StartCar(second, {"--com", "5", "--romid", "123456"});
    korvane::testing::WriteWholeFile(folder.File("SelectMonitor.ini"), "CommPort=5\n");
    CliResult result = RunCli({"--dir", folder.Path().string(), "romid"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "123456\n");

    result = RunCli({"ports"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("COM5\t" + second.PtyPath() + "\n"), std::string::npos) << result.out;
}

TEST(CliPortFailures, APortThatWillNotOpenFailsWithItsReason) {
    CliResult result = RunCli({"--port", "/nonexistent/tty", "romid"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "no comms\n");
    EXPECT_NE(result.err.find("/nonexistent/tty"), std::string::npos) << result.err;

    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"params", "--romid", "A1B2C3"},
          {"read", "--address", "0"},
          {"write", "--address", "0", "--data", "0"},
          {"dump", "never-written.bin"}}) {
        std::vector<std::string> arguments{"--port", "/nonexistent/tty"};
        arguments.insert(arguments.end(), command.begin(), command.end());
        result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, 1) << command.front();
        EXPECT_TRUE(result.out.empty()) << result.out;
        EXPECT_EQ(LineCount(result.err), 1u) << result.err;
    }
}

} // namespace
} // namespace korvane::cli::testing
