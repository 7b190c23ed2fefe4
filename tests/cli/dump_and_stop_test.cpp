// `dump` against the simulated car, whose program image is known, and the long runs
// (`dump`, `params --follow`) stopped by a signal.

#include "car_test.h"

#include <csignal>
#include <filesystem>

namespace korvane::cli::testing {
namespace {

using korvane::testing::ReadWholeFile;

using CliDump = CarTest;

TEST_F(CliDump, ASmallRangeAfterItsPrefillMatchesTheUnitsMemory) {
    const std::string file = folder.File("small.bin");
    const CliResult result = Cli(
        {"dump", file, "--interval", "0", "--start", "0x8123", "--count", "25", "--prefill", "10"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Checksum not done (not a 32k dump)\n");
    // 0x25 bytes read as two chunks of 16 and one of 5, after 0x10 zero bytes.
    EXPECT_EQ(ReadWholeFile(file), std::string(0x10, '\0') + Image(0x123, 0x25));
    // Not a terminal: plain lines, the last at 100 %.
    EXPECT_NE(result.err.find("dump: 100%"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\r'), std::string::npos);
}

TEST_F(CliDump, AnExistingFileIsOverwrittenOnlyWithYes) {
    const std::string file = folder.Write("existing.bin", "keep");
    const std::vector<std::string> dump{"dump",    file, "--interval", "0",
                                        "--count", "10", "--prefill",  "0"};
    CliResult result = Cli(dump);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("--yes"), std::string::npos) << result.err;
    EXPECT_EQ(ReadWholeFile(file), "keep");

    std::vector<std::string> withYes = dump;
    withYes.push_back("--yes");
    result = Cli(withYes);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadWholeFile(file), Image(0, 0x10));
}

TEST_F(CliDump, AnInterruptedDumpKeepsWhatWasReadAndSaysSo) {
    const std::string file = folder.File("part.bin");
    CliProcess cli(OnCar({"dump", file, "--count", "1000", "--prefill", "0", "--interval", "50"}),
                   folder.Path().string());
    ASSERT_TRUE(cli.WaitFor("dump: 0%", true)) << "no progress line";
    ASSERT_TRUE(cli.Signal(SIGINT));
    const CliResult result = cli.Finish();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.empty()) << result.out;
    EXPECT_NE(result.err.find("incomplete"), std::string::npos) << result.err;
    // Whole chunks, each the unit's bytes.
    const std::string content = ReadWholeFile(file);
    EXPECT_GT(content.size(), 0u);
    EXPECT_LT(content.size(), 0x1000u);
    EXPECT_EQ(content.size() % 16, 0u);
    EXPECT_EQ(content, Image(0, content.size()));
}

using FollowStop = CarTest;

TEST_F(FollowStop, ALogWhoseFolderGoesAwayIsReportedAtTheEndWhileThePassesGoOn) {
    const std::string logs = folder.File("logs");
    std::filesystem::create_directory(logs);
    CliProcess cli(OnCar({"params", "--romid", "A1B2C3", "--follow", "--log", logs + "/f.csv"}),
                   folder.Path().string());
    ASSERT_TRUE(cli.WaitFor("Count: 0\n"));
    std::filesystem::remove_all(logs);
    ASSERT_TRUE(cli.WaitFor("Count: 2\n"));
    ASSERT_TRUE(cli.Signal(SIGTERM));
    const CliResult result = cli.Finish();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
    EXPECT_NE(result.err.find("log file"), std::string::npos) << result.err;
    EXPECT_NE(result.out.find("Bytes read: 16  Count: 2\n"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.back(), '\n');
}

} // namespace
} // namespace korvane::cli::testing
