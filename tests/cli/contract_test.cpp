// The command-line contract without a unit: help, usage errors, eval and checksum.

#include "cli_process.h"
#include "support/scratch_folder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace korvane::cli::testing {
namespace {

using korvane::testing::ScratchFolder;
using korvane::testing::WriteWholeFile;

TEST(CliContract, HelpOfEveryCommandExitsZero) {
    for (const char* command :
         {"eval", "defs", "checksum", "ports", "romid", "params", "read", "write", "dump"}) {
        const CliResult result = RunCli({command, "--help"});
        EXPECT_EQ(result.exitCode, 0) << command << result.err;
        EXPECT_NE(result.out.find(std::string("korvane-cli ") + command), std::string::npos)
            << result.out;
        EXPECT_EQ(result.out.back(), '\n') << command;
    }
    EXPECT_NE(RunCli({"--help"}).out.find("--port"), std::string::npos);
}

TEST(CliContract, UsageErrorsExitTwoWithTheParsersMessage) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"--unit", "abs", "romid"},
        {"romid", "extra"},
        {"eval"},
        {"eval", "x", "x"},
        {"eval", "x", "x=256"},
        {"eval", "x", "x=0x1G"},
        {"checksum"},
        {"read", "--address", "10000"},
        {"read", "--address", "1234", "--count", "17"},
        {"read", "--address", "1234", "--passes", "0"},
        {"write", "--address", "1234"},
        {"write", "--address", "1234", "--data", "100"},
        {"params", "--follow", "--passes", "2"},
        {"dump", "rom.bin", "--interval", "-1"},
        {"--unit", "aircon", "dump", "rom.bin"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        const CliResult result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
}

TEST(CliContract, EvalPrintsTheDisplayTextOrSaysWhyNot) {
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"x/2", "x=7", "--format", "%.1f"}, 0, "3.5\n"},
        // Without a format the value text: computed values are written "%f", a plain
        // operand keeps its own text.
        {{"x/2", "x=7"}, 0, "3.500000\n"},
        {{"x", "x=0x1F"}, 0, "31\n"},
        {{"x", "x=1", "x=255"}, 0, "255\n"},
        // Program options may follow the command.
        {{"1", "--unit", "tcu"}, 0, "1\n"},
        // A status of the parse or the evaluation is a failure, yet the text the window
        // shows is printed: what parsed before the error, or the empty value formatted.
        {{"x)", "x=1"}, 1, "1\n"},
        {{"-5"}, 1, "\n"},
        {{"-5", "--format", "%d"}, 1, "0\n"},
        {{"1/0"}, 1, "100000000.000000\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"eval"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(::testing::PrintToString(arguments));
        const CliResult result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), c.exitCode) << result.err;
    }
}

TEST(CliContract, ChecksumPrintsTheBoxTextAndExitsZeroOnlyWhenItAgrees) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.Path() / "sub");
    WriteWholeFile(folder.File("rom.bin"), std::string(0x8000, '\0'));
    // The box names the file by its full path, as the file dialog hands it over.
    CliResult result = RunCli({"checksum", folder.File("sub/../rom.bin")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "File: " + folder.File("rom.bin") +
                              "\n\nChecksum OK\n\nStored Checksums:   \t0000\n"
                              "Calculated Checksums:\t0000\nFile size: 0x8000 (32768) bytes\n");

    WriteWholeFile(folder.File("ff.bin"), std::string(0x10000, '\xFF'));
    WriteWholeFile(folder.File("short.bin"), std::string(0x8001, '\0'));
    for (const char* name : {"ff.bin", "short.bin", "missing.bin"}) {
        result = RunCli({"checksum", folder.File(name)});
        EXPECT_EQ(result.exitCode, 1) << name;
        EXPECT_NE(result.out.find("Checksum "), std::string::npos) << result.out;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

} // namespace
} // namespace korvane::cli::testing
