// params and read against a unit whose line loses, changes or adds bytes, a unit that
// never answers or answers without its echo, and a unit that goes away while followed.

#include "car_test.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>

namespace korvane::cli::testing {
namespace {

constexpr const char* kSeed = "7";
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

// Up to the value: "1234 \t0x5A" of a parameter line, the newest byte of a memory line.
std::string Shown(const std::string& line, bool memory) {
    return memory ? line.substr(line.rfind('\t') + 1) : line.substr(0, line.find(" \t="));
}

// A complete pass shows the clean bytes; a failed one shows the clean bytes up to the
// address that failed and from there what the display held before (`unread`).
void ExpectOnlyBytesTheUnitSent(const std::vector<std::string>& shown,
                                const std::vector<std::string>& clean,
                                const std::vector<std::string>& unread, bool complete) {
    ASSERT_EQ(shown.size(), clean.size());
    if (complete) {
        EXPECT_EQ(shown, clean);
        return;
    }
    std::size_t i = 0;
    while (i < shown.size() && shown[i] == clean[i]) {
        ++i;
    }
    EXPECT_EQ(std::vector(shown.begin() + i, shown.end()),
              std::vector(unread.begin() + i, unread.end()))
        << "from position " << i;
}

struct LineFault {
    const char* option;
    const char* rate;
};

class LineFaults : public CarTest, public ::testing::WithParamInterface<LineFault> {
protected:
    void SetUp() override { StartCar(car, {"--seed", kSeed}); }

    // Runs the command once on the clean unit and for three passes on the faulty one.
    void Check(std::vector<std::string> command, int expectedBytes, bool memory) {
        const std::vector<Pass> clean = Passes(Cli(command).out);
        ASSERT_EQ(clean.size(), 1u);
        ASSERT_EQ(clean[0].bytesRead, expectedBytes);
        const std::vector<std::string>& cleanLines = clean[0].lines;
        // A parameter line shows "--" when its address was not reached; a memory line
        // shows "--" until read and then the last byte read.
        std::vector<std::string> cleanShown;
        std::vector<std::string> neverRead;
        for (int i = 0; i < expectedBytes; ++i) {
            cleanShown.push_back(Shown(cleanLines[i], memory));
            neverRead.push_back(memory ? "--" : cleanShown[i].substr(0, 6) + "--");
        }
        StartCar(faulty, {"--seed", kSeed, GetParam().option, GetParam().rate});
        command.insert(command.begin(),
                       {"--port", faulty.PtyPath(), "--dir", KORVANE_EXAMPLES_DIR});
        command.insert(command.end(), {"--passes", "3"});
        const CliResult result = RunCli(command);
        const std::vector<Pass> passes = Passes(result.out);
        ASSERT_EQ(passes.size(), 3u) << result.out << result.err;
        std::vector<std::string> unread = neverRead;
        for (const Pass& pass : passes) {
            ASSERT_EQ(pass.lines.size(), cleanLines.size()) << result.out;
            const bool complete = pass.bytesRead == expectedBytes;
            EXPECT_TRUE(complete || pass.bytesRead == -1) << pass.bytesRead;
            std::vector<std::string> shown;
            for (int i = 0; i < expectedBytes; ++i) {
                shown.push_back(Shown(pass.lines[i], memory));
            }
            if (!IsGarble()) {
                ExpectOnlyBytesTheUnitSent(shown, cleanShown, memory ? unread : neverRead,
                                           complete);
            }
            // The switch bytes have a read of their own, and show "--" when it fails.
            for (std::size_t i = expectedBytes; i < cleanLines.size() && !IsGarble(); ++i) {
                const std::string failed = cleanLines[i].substr(0, cleanLines[i].find(": ") + 2);
                EXPECT_TRUE(pass.lines[i] == cleanLines[i] || pass.lines[i] == failed + "--")
                    << pass.lines[i];
            }
            unread = shown;
        }
        EXPECT_EQ(result.exitCode, passes.back().bytesRead == expectedBytes ? 0 : 1) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), result.exitCode);
    }

    // A data byte changed on the line with its address echo intact cannot be told from the
    // unit's own: the replies carry no check of their own. (A real line's parity drops most
    // such bytes, which then count as lost; the pseudo-terminal has no parity.)
    static bool IsGarble() { return std::string(GetParam().option) == "--garble"; }

    ecusim::SimProcess faulty;
};

TEST_P(LineFaults, ParamsShowOnlyBytesTheUnitSentOrTheFailure) {
    Check({"params", "--romid", "A1B2C3"}, kParams, false);
}

TEST_P(LineFaults, ReadShowsOnlyBytesTheUnitSentOrTheFailure) {
    Check({"read", "--address", "1230", "--count", "12"}, 12, true);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, LineFaults,
    ::testing::Values(LineFault{"--drop", "0.01"}, LineFault{"--drop", "0.1"},
                      LineFault{"--drop", "0.5"}, LineFault{"--garble", "0.01"},
                      LineFault{"--garble", "0.1"}, LineFault{"--garble", "0.5"},
                      LineFault{"--stray", "0.01"}, LineFault{"--stray", "0.1"},
                      LineFault{"--stray", "0.5"}));

using QuietUnits = CarTest;

TEST_F(QuietUnits, ASilentUnitGivesNoRomIdAndAnUnechoingOneNoBytes) {
    ecusim::SimProcess silent;
    StartCar(silent, {"--silent"});
    CliResult result = RunCli({"--port", silent.PtyPath(), "--dir", KORVANE_EXAMPLES_DIR, "romid"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "error\n");
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;

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

TEST_F(QuietUnits, AFollowedUnitThatGoesAwayLeavesCompletePassesAndLogRows) {
    const std::string log = folder.File("follow.csv");
    CliProcess cli(OnCar({"params", "--romid", "A1B2C3", "--follow", "--log", log}),
                   folder.Path().string());
    ASSERT_TRUE(cli.WaitFor("Count: 1\n")) << "fewer than two passes";
    ASSERT_TRUE(car.Signal(SIGKILL));
    ASSERT_EQ(car.WaitForExit(std::chrono::seconds(20)), -1);
    // The run goes on, each pass showing the failure.
    ASSERT_TRUE(cli.WaitFor("Bytes read: -1  Count: ")) << "no failed pass";
    ASSERT_TRUE(cli.Signal(SIGTERM));
    const CliResult result = cli.Finish();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
    const std::vector<Pass> passes = Passes(result.out);
    for (const Pass& pass : passes) {
        ASSERT_EQ(pass.lines.size(), kParams + 2u) << result.out;
    }
    const std::vector<std::string> rows = Lines(korvane::testing::ReadWholeFile(log));
    ASSERT_EQ(rows.size(), 3 + passes.size());
    for (std::size_t i = 2; i < rows.size(); ++i) {
        EXPECT_EQ(std::count(rows[i].begin(), rows[i].end(), ','), kParams + 1) << rows[i];
    }
}

} // namespace
} // namespace korvane::cli::testing
