// params and read against a line that loses bytes, and a followed unit that goes away and
// comes back before a SIGTERM ends the run. What a faulty pass shows is checked below the
// program; here the program's part: every pass printed whole (and logged whole), and the
// exit code telling whether the last pass read everything.

#include "car_test.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>

namespace korvane::cli::testing {
namespace {

constexpr int kParams = 16; // the example group A1B2C3 reads sixteen addresses

struct Pass {
    int bytesRead = -2;
    std::vector<std::string> lines; // the value lines, the switch lines included
};

// Splits a run's output at its "Bytes read: " lines.
std::vector<Pass> Passes(const std::string& out) {
    std::vector<Pass> passes;
    for (const std::string& line : Lines(out)) {
        int count = 0;
        if (std::sscanf(line.c_str(), "Bytes read: %d", &count) == 1) {
            passes.push_back({count, {}});
        } else if (!passes.empty()) {
            passes.back().lines.push_back(line);
        }
    }
    return passes;
}

struct FaultyRun {
    std::vector<std::string> command;
    const char* seed; // one whose passes lose bytes until the last, which reads everything
    int bytesPerPass;
    std::size_t linesPerPass;
};

void PrintTo(const FaultyRun& run, std::ostream* os) {
    *os << run.command.front();
}

class LineFaults : public CarTest, public ::testing::WithParamInterface<FaultyRun> {
protected:
    void SetUp() override { StartCar(car, {"--seed", GetParam().seed, "--drop", "0.25"}); }
};

TEST_P(LineFaults, EveryPassIsPrintedWholeAndTheLastOneDecidesTheExitCode) {
    std::vector<std::string> command = GetParam().command;
    command.insert(command.end(), {"--passes", "4"});
    const CliResult result = Cli(command);
    const std::vector<Pass> passes = Passes(result.out);
    ASSERT_EQ(passes.size(), 4u) << result.out << result.err;
    for (const Pass& pass : passes) {
        EXPECT_TRUE(pass.bytesRead == GetParam().bytesPerPass || pass.bytesRead == -1);
        EXPECT_EQ(pass.lines.size(), GetParam().linesPerPass) << result.out;
    }
    EXPECT_EQ(result.exitCode, passes.back().bytesRead == GetParam().bytesPerPass ? 0 : 1);
    EXPECT_EQ(Lines(result.err).size(), static_cast<std::size_t>(result.exitCode)) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, LineFaults,
    ::testing::Values(FaultyRun{{"params", "--romid", "A1B2C3"}, "1", kParams, kParams + 2},
                      FaultyRun{{"read", "--address", "1230", "--count", "12"}, "2", 12, 12}));

using UnitRecovery = CarTest;

TEST_F(UnitRecovery, AFollowedUnitThatGoesAwayAndComesBackLeavesWholeLogRows) {
    const std::string link = folder.File("ecu");
    const std::string log = folder.File("follow.csv");
    ecusim::SimProcess first;
    StartCar(first, {"--link", link});
    CliProcess cli({"--port", link, "--dir", KORVANE_EXAMPLES_DIR, "params", "--romid", "A1B2C3",
                    "--follow", "--log", log},
                   folder.Path().string());
    ASSERT_TRUE(cli.WaitFor("Count: 1\n")) << "fewer than two passes";
    // Unplugged: the device and the link naming it go away together.
    std::filesystem::remove(link);
    ASSERT_TRUE(first.Signal(SIGKILL));
    ASSERT_EQ(first.WaitForExit(std::chrono::seconds(20)), -1);
    // The run goes on, each pass showing the failure, until the same name opens again.
    ASSERT_TRUE(cli.WaitFor("Bytes read: -1  Count: ")) << "no failed pass";
    ASSERT_TRUE(cli.WaitFor(link + " lost", true));
    ecusim::SimProcess second;
    StartCar(second, {"--link", link});
    ASSERT_TRUE(cli.WaitFor(link + " open again", true));
    // The pass after the reopening is under way: it ends the run.
    ASSERT_TRUE(cli.Signal(SIGTERM));
    const CliResult result = cli.Finish();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Lines(result.err).size(), 2u) << result.err;
    const std::vector<Pass> passes = Passes(result.out);
    for (const Pass& pass : passes) {
        ASSERT_EQ(pass.lines.size(), kParams + 2u) << result.out;
    }
    const std::vector<std::string> rows = Lines(korvane::testing::ReadWholeFile(log));
    ASSERT_EQ(rows.size(), 3 + passes.size());
    for (std::size_t i = 2; i < rows.size(); ++i) {
        EXPECT_EQ(std::count(rows[i].begin(), rows[i].end(), ','), kParams + 1) << rows[i];
    }
    // Empty cells while the unit was gone, values again after.
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const std::string& row) {
        return row.find(",,") != std::string::npos;
    }));
    EXPECT_EQ(rows.back().find(",,"), std::string::npos) << rows.back();
}

} // namespace
} // namespace korvane::cli::testing
