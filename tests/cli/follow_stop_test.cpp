// `params --follow` stopped by SIGTERM finishes its pass and leaves a complete log.

#include "car_test.h"

#include <csignal>

namespace korvane::cli::testing {
namespace {

using FollowStop = CarTest;

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(FollowStop, SigtermFinishesThePassAndLeavesACompleteLog) {
    const std::string log = folder.File("follow.csv");
    CliProcess cli(OnCar({"params", "--romid", "A1B2C3", "--follow", "--log", log}),
                   folder.Path().string());
    ASSERT_TRUE(cli.WaitForOutput("Count: 2\n")) << "fewer than three passes";
    ASSERT_TRUE(cli.Signal(SIGTERM));
    const CliResult result = cli.Finish();
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
    const std::vector<std::string> lines = Lines(content);
    ASSERT_EQ(lines.size(), 3 + passes) << content;
    EXPECT_EQ(Count(lines.back(), ","), Count(lines[2], ",")) << content;
}

} // namespace
} // namespace korvane::cli::testing
