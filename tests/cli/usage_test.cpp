// The command-line contract: help, usage errors and their exit codes.

#include "child_process.h"

#include <gtest/gtest.h>

namespace korvane::cli::testing {
namespace {

TEST(CliUsage, HelpOfEveryCommandExitsZero) {
    for (const char* command :
         {"eval", "defs", "checksum", "ports", "romid", "params", "read", "write", "dump"}) {
        const ProcessResult result = RunCliProgram({command, "--help"});
        EXPECT_EQ(result.exitCode, 0) << command << result.err;
        EXPECT_NE(result.out.find(command), std::string::npos) << result.out;
        EXPECT_TRUE(result.err.empty()) << command << ": " << result.err;
    }
    const ProcessResult top = RunCliProgram({"--help"});
    EXPECT_EQ(top.exitCode, 0);
    EXPECT_NE(top.out.find("--port"), std::string::npos);
}

TEST(CliUsage, UsageErrorsExitTwoWithAMessage) {
    const std::vector<std::vector<std::string>> cases = {
        {},                             // no command
        {"frobnicate"},                 // unknown command
        {"--unit", "abs", "romid"},     // unknown unit
        {"eval"},                       // formula missing
        {"eval", "x", "x"},             // variable without a byte
        {"eval", "x", "x=256"},         // byte out of range
        {"eval", "x", "=3"},            // variable without a name
        {"eval", "x", "x=0x1G"},        // bad hex byte
        {"checksum"},                   // file missing
        {"read"},                       // address missing
        {"read", "--address", "10000"}, // address beyond 16 bits
        {"read", "--address", "12G4"},  // not hexadecimal
        {"read", "--address", "1234", "--count", "17"},
        {"read", "--address", "1234", "--passes", "0"},
        {"write", "--address", "1234"}, // data missing
        {"write", "--address", "1234", "--data", "100"},
        {"params", "--follow", "--passes", "2"}, // mutually exclusive
        {"dump", "rom.bin", "--interval", "-1"},
        {"dump"},           // file missing
        {"romid", "extra"}, // stray argument
    };
    for (const auto& arguments : cases) {
        const ProcessResult result = RunCliProgram(arguments);
        std::string shown;
        for (const auto& argument : arguments) {
            shown += argument + " ";
        }
        EXPECT_EQ(result.exitCode, 2) << shown << result.err;
        EXPECT_FALSE(result.err.empty()) << shown;
        EXPECT_TRUE(result.out.empty()) << shown << ": " << result.out;
    }
}

TEST(CliUsage, OptionsOfTheProgramMayFollowTheCommand) {
    const ProcessResult before = RunCliProgram({"--unit", "TCU", "eval", "1"});
    EXPECT_EQ(before.exitCode, 2) << "unit names are lower case";
    const ProcessResult after = RunCliProgram({"eval", "1", "--unit", "tcu"});
    EXPECT_EQ(after.exitCode, 0) << after.err;
    EXPECT_EQ(after.out, "1\n");
}

} // namespace
} // namespace korvane::cli::testing
