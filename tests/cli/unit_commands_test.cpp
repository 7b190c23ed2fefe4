// romid, params, read and write against the simulated car.

#include "car_fixture.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace korvane::cli::testing {
namespace {

using UnitCommands = CarTest;

TEST_F(UnitCommands, RomIdPrintsTheSixDigitsOfTheUnitAddressed) {
    ProcessResult result = Cli({"romid"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "A1B2C3\n");

    // The request's wake-up read goes to the unit chosen, which then answers.
    result = Cli({"--unit", "tcu", "romid"});
    EXPECT_EQ(result.out, "4A3107\n");
}

TEST_F(UnitCommands, ParamsReadsTheUnitsRomIdThenPrintsEachPass) {
    const ProcessResult result = Cli({"params", "--passes", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    // 16 parameters of A1B2C3 per pass, headed by the count and followed by the switches.
    ASSERT_EQ(lines.size(), 2u * (1 + 16 + 2)) << result.out;
    EXPECT_EQ(lines[0], "Bytes read: 16  Count: 0");
    EXPECT_EQ(lines[1].rfind("1234 \t0x", 0), 0u) << lines[1];
    EXPECT_NE(lines[1].find(" \t= BatteryVolts \t"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[17].rfind("Input switches: ", 0), 0u);
    EXPECT_EQ(lines[18].rfind("IO switches: ", 0), 0u);
    EXPECT_EQ(lines[19], "Bytes read: 16  Count: 1");
    // The unit is frozen: both passes show the same values.
    EXPECT_TRUE(std::equal(lines.begin() + 1, lines.begin() + 19, lines.begin() + 20));
}

TEST_F(UnitCommands, ParamsWithARomIdSelectsThatGroup) {
    ProcessResult result = Cli({"params", "--romid", "A1B2C3D4"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 1u + 8 + 2) << result.out;
    EXPECT_EQ(lines[0], "Bytes read: 8  Count: 0");
    EXPECT_EQ(lines[1].rfind("2234 \t0x", 0), 0u) << lines[1];

    result = Cli({"params", "--romid", "FFFFFF"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.empty()) << result.out;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_NE(result.err.find("FFFFFF"), std::string::npos) << result.err;
}

TEST_F(UnitCommands, ReadShowsTheHistoryOrTheBlocks) {
    ProcessResult result = Cli({"read", "--address", "0x1234", "--count", "2", "--passes", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 6u) << result.out;
    EXPECT_EQ(lines[0], "Bytes read: 2  Count: 0");
    ASSERT_EQ(lines[1].size(), 7u) << lines[1]; // "1234\tXX"
    EXPECT_EQ(lines[3], "Bytes read: 2  Count: 1");
    // The second pass shows the first reading beside the new one.
    EXPECT_EQ(lines[4], lines[1] + lines[1].substr(4));

    result = Cli({"read", "--address", "1237", "--count", "2", "--blocks"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 4u) << result.out;
    // The listing after the sweep: the second block was read last.
    EXPECT_EQ(lines[0], "Bytes read: 16  Count: 1");
    EXPECT_EQ(lines[1].rfind("\t00\t01\t02", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("1230 \t", 0), 0u) << lines[2];
    EXPECT_EQ(lines[3].rfind("1240>\t", 0), 0u) << lines[3];
    EXPECT_EQ(lines[3].find("--"), std::string::npos);
}

TEST_F(UnitCommands, WritePrintsTheByteTheUnitReports) {
    ProcessResult result = Cli({"write", "--address", "0100", "--data", "5A"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "0x5a\n");
    result = Cli({"read", "--address", "0100", "--count", "1"});
    EXPECT_EQ(Lines(result.out).at(1), "0100\t5A");

    // The unit keeps its program area: the write does not take, which is a failure, and
    // the byte shown is the one still there.
    result = Cli({"read", "--address", "8000", "--count", "1"});
    unsigned kept = 0;
    ASSERT_EQ(std::sscanf(Lines(result.out).at(1).c_str(), "8000\t%X", &kept), 1) << result.out;
    char data[8];
    std::snprintf(data, sizeof data, "%02X", kept ^ 0xFFu);
    result = Cli({"write", "--address", "8000", "--data", data});
    EXPECT_EQ(result.exitCode, 1);
    char shown[8];
    std::snprintf(shown, sizeof shown, "0x%02x\n", kept);
    EXPECT_EQ(result.out, shown);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
}

TEST_F(UnitCommands, DefaultPortIsTheOneSelectMonitorPrefers) {
    // The simulator also answers as COM5 through the port folder.
    SimulatedCar second;
    ASSERT_TRUE(second.Start({"--com", "5", "--romid", "123456"}, Environment()));
    korvane::testing::WriteWholeFile(folder.File("SelectMonitor.ini"), "CommPort=5\n");
    ProcessResult result = RunCliProgram({"--dir", folder.Path().string(), "romid"}, Environment());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "123456\n");

    result = RunCliProgram({"ports"}, Environment());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("COM5\t" + second.Pty() + "\n"), std::string::npos) << result.out;
}

TEST(CliPortFailures, APortThatWillNotOpenFailsWithItsReason) {
    ProcessResult result = RunCliProgram({"--port", "/nonexistent/tty", "romid"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "no comms\n");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_NE(result.err.find("/nonexistent/tty"), std::string::npos) << result.err;

    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"params", "--romid", "A1B2C3"},
          {"read", "--address", "0"},
          {"write", "--address", "0", "--data", "0"},
          {"dump", "never-written.bin"}}) {
        std::vector<std::string> arguments{"--port", "/nonexistent/tty"};
        arguments.insert(arguments.end(), command.begin(), command.end());
        result = RunCliProgram(arguments);
        EXPECT_EQ(result.exitCode, 1) << command.front();
        EXPECT_TRUE(result.out.empty()) << result.out;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

} // namespace
} // namespace korvane::cli::testing
