// `params --follow` and `dump` end cleanly on SIGTERM and SIGINT.

#include "car_fixture.h"

#include <csignal>

namespace korvane::cli::testing {
namespace {

using StopBySignal = CarTest;

constexpr std::chrono::seconds kLimit{30};

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(StopBySignal, FollowFinishesThePassAndLeavesACompleteLog) {
    const std::string log = folder.File("follow.csv");
    ChildProcess cli;
    ASSERT_TRUE(cli.Start(KORVANE_CLI_PATH,
                          {"--port", car.Pty(), "--dir", KORVANE_EXAMPLES_DIR, "params", "--romid",
                           "A1B2C3", "--follow", "--log", log},
                          Environment()));
    ASSERT_TRUE(cli.WaitForOutput("Count: 2\n", kLimit)) << cli.OutputSoFar();
    ASSERT_TRUE(cli.Signal(SIGTERM));
    const ProcessResult result = cli.Finish(kLimit);
    EXPECT_EQ(result.exitCode, 0) << result.err;

    // Every pass printed whole, and logged as one complete row of values.
    const std::size_t passes = Count(result.out, "Bytes read: ");
    EXPECT_GE(passes, 3u);
    EXPECT_EQ(Count(result.out, "IO switches: "), passes);
    EXPECT_EQ(result.out.back(), '\n');
    const std::string content = korvane::testing::ReadWholeFile(log);
    ASSERT_FALSE(content.empty());
    EXPECT_EQ(content.back(), '\n');
    // The opening line, the header, the row of names, then one row per pass.
    EXPECT_EQ(Lines(content).size(), 3 + passes) << content;
}

TEST_F(StopBySignal, AnInterruptedDumpKeepsWhatWasReadAndSaysSo) {
    const std::string file = folder.File("part.bin");
    ChildProcess cli;
    ASSERT_TRUE(cli.Start(KORVANE_CLI_PATH,
                          {"--port", car.Pty(), "dump", file, "--start", "8000", "--count", "1000",
                           "--prefill", "0", "--interval", "50"},
                          Environment()));
    // Not a terminal: plain progress lines.
    ASSERT_TRUE(cli.WaitForError("dump: 0%", kLimit)) << cli.ErrorSoFar();
    ASSERT_TRUE(cli.Signal(SIGINT));
    const ProcessResult result = cli.Finish(kLimit);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.empty()) << result.out;
    EXPECT_NE(result.err.find("incomplete"), std::string::npos) << result.err;
    const std::string content = korvane::testing::ReadWholeFile(file);
    EXPECT_GT(content.size(), 0u);
    EXPECT_LT(content.size(), 0x1000u);
    EXPECT_EQ(content.size() % 16, 0u);
}

} // namespace
} // namespace korvane::cli::testing
