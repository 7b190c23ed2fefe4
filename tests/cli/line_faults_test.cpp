// params and read against a unit whose line loses, changes or adds bytes, a unit that
// never answers or answers without its echo, and a unit that goes away while followed.
// What a faulty pass shows is the window's own text, checked with the window logic; here
// the program's part: every pass printed whole, and the exit code telling whether the last
// pass read everything.

#include "car_test.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>

namespace korvane::cli::testing {
namespace {

constexpr int kParams = 16; // the example group A1B2C3 reads sixteen addresses

bool Contains(const std::string& text, const std::string& what) {
    return text.find(what) != std::string::npos;
}

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

struct LineFault {
    const char* option;
    const char* rate;
};

class LineFaults : public CarTest, public ::testing::WithParamInterface<LineFault> {
protected:
    void SetUp() override { StartCar(car, {"--seed", "7", GetParam().option, GetParam().rate}); }

    void Check(std::vector<std::string> command, int expectedBytes, std::size_t linesPerPass) {
        command.insert(command.end(), {"--passes", "3"});
        const CliResult result = Cli(command);
        const std::vector<Pass> passes = Passes(result.out);
        ASSERT_EQ(passes.size(), 3u) << result.out << result.err;
        for (const Pass& pass : passes) {
            EXPECT_TRUE(pass.bytesRead == expectedBytes || pass.bytesRead == -1) << pass.bytesRead;
            EXPECT_EQ(pass.lines.size(), linesPerPass) << result.out;
        }
        EXPECT_EQ(result.exitCode, passes.back().bytesRead == expectedBytes ? 0 : 1) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), result.exitCode);
    }
};

TEST_P(LineFaults, ParamsPrintEveryPassWholeAndFailWhenTheLastOneDid) {
    Check({"params", "--romid", "A1B2C3"}, kParams, kParams + 2);
}

TEST_P(LineFaults, ReadPrintsEveryPassWholeAndFailsWhenTheLastOneDid) {
    Check({"read", "--address", "1230", "--count", "12"}, 12, 12);
}

// Lost bytes fail some passes and not others; stray ones cost resends; changed ones pass
// unseen.
INSTANTIATE_TEST_SUITE_P(Faults, LineFaults,
                         ::testing::Values(LineFault{"--drop", "0.3"}, LineFault{"--stray", "0.5"},
                                           LineFault{"--garble", "0.1"}));

using QuietUnits = CarTest;

TEST_F(QuietUnits, ASilentUnitGivesNoRomIdNorWriteReplyAndAnUnechoingOneNoBytes) {
    ecusim::SimProcess silent;
    StartCar(silent, {"--silent"});
    CliResult result = RunCli({"--port", silent.PtyPath(), "--dir", KORVANE_EXAMPLES_DIR, "romid"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "error\n");
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
    // Writing 0 to a unit that never answers is not taken for a write that took.
    result = RunCli({"--port", silent.PtyPath(), "--dir", KORVANE_EXAMPLES_DIR, "write",
                     "--address", "0100", "--data", "00"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "0x00\n");
    EXPECT_EQ(result.err, "korvane-cli: write: no reply\n");

    ecusim::SimProcess unechoing;
    StartCar(unechoing, {"--no-echo"});
    result = RunCli({"--port", unechoing.PtyPath(), "--dir", KORVANE_EXAMPLES_DIR, "params",
                     "--romid", "A1B2C3"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
    const std::vector<Pass> passes = Passes(result.out);
    ASSERT_EQ(passes.size(), 1u) << result.out;
    EXPECT_EQ(passes[0].bytesRead, -1);
    for (const std::string& line : passes[0].lines) {
        EXPECT_TRUE(Contains(line, "\t-- \t") || Contains(line, "switches: --")) << line;
    }
}

TEST_F(QuietUnits, AFollowedUnitThatGoesAwayAndComesBackLeavesWholeLogRows) {
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
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                            [](const std::string& row) { return Contains(row, ",,"); }));
    EXPECT_FALSE(Contains(rows.back(), ",,")) << rows.back();
}

} // namespace
} // namespace korvane::cli::testing
