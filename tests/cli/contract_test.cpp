// The command-line contract: help on standard output, usage errors ending with 2.

#include "cli_process.h"

#include <gtest/gtest.h>

namespace korvane::cli::testing {
namespace {

TEST(CliContract, HelpOfEveryCommandExitsZero) {
    for (const char* command :
         {"eval", "defs", "checksum", "ports", "romid", "params", "read", "write", "dump"}) {
        const CliResult result = RunCli({command, "--help"});
        EXPECT_EQ(result.exitCode, 0) << command << result.err;
        EXPECT_NE(result.out.find(std::string("korvane-cli ") + command), std::string::npos)
            << result.out;
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

} // namespace
} // namespace korvane::cli::testing
