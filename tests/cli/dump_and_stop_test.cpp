// `dump` against the simulated car, whose program image is known, and the long runs
// (`dump`, `params --follow`) stopped by a signal.

#include "car_test.h"

#include <csignal>

namespace korvane::cli::testing {
namespace {

using korvane::testing::ReadWholeFile;
using korvane::testing::WriteWholeFile;

class CliDump : public CarTest {
protected:
    void SetUp() override {
        // A program image whose every byte tells its offset apart from its neighbours.
        for (std::size_t i = 0; i < image.size(); ++i) {
            image[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
        }
        WriteWholeFile(folder.File("program.bin"), image);
        StartCar(car, {"--rom", folder.File("program.bin")});
    }

    CliResult Dump(const std::vector<std::string>& arguments) const {
        std::vector<std::string> all{"dump", "--interval", "0"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return Cli(all);
    }

    std::string image = std::string(0x8000, '\0');
};

TEST_F(CliDump, ASmallRangeAfterItsPrefillMatchesTheUnitsMemory) {
    const std::string file = folder.File("small.bin");
    const CliResult result = Dump({file, "--start", "0x8123", "--count", "25", "--prefill", "10"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Checksum not done (not a 32k dump)\n");
    // 0x25 bytes read as two chunks of 16 and one of 5, after 0x10 zero bytes.
    EXPECT_EQ(ReadWholeFile(file), std::string(0x10, '\0') + image.substr(0x123, 0x25));
    // Not a terminal: plain lines, the last at 100 %.
    EXPECT_NE(result.err.find("dump: 100%"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\r'), std::string::npos);
}

TEST_F(CliDump, AnExistingFileIsOverwrittenOnlyWithYes) {
    const std::string file = folder.File("existing.bin");
    WriteWholeFile(file, "keep");
    CliResult result = Dump({file, "--count", "10", "--prefill", "0"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("--yes"), std::string::npos) << result.err;
    EXPECT_EQ(ReadWholeFile(file), "keep");

    result = Dump({file, "--count", "10", "--prefill", "0", "--yes"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadWholeFile(file), image.substr(0, 0x10));

    result = Dump({folder.File("no/such/folder.bin"), "--count", "10"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Can't open output file"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("No such file or directory"), std::string::npos) << result.err;
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
    EXPECT_EQ(content, image.substr(0, content.size()));
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

using FollowStop = CarTest;

TEST_F(FollowStop, SigtermFinishesThePassAndLeavesACompleteLog) {
    const std::string log = folder.File("follow.csv");
    CliProcess cli(OnCar({"params", "--romid", "A1B2C3", "--follow", "--log", log}),
                   folder.Path().string());
    ASSERT_TRUE(cli.WaitFor("Count: 2\n")) << "fewer than three passes";
    ASSERT_TRUE(cli.Signal(SIGTERM));
    const CliResult result = cli.Finish();
    EXPECT_EQ(result.exitCode, 0) << result.err;

    // Every pass printed whole, and logged as one complete row of values.
    const std::size_t passes = Count(result.out, "Bytes read: ");
    EXPECT_GE(passes, 3u);
    EXPECT_EQ(Count(result.out, "IO switches: "), passes);
    EXPECT_EQ(result.out.back(), '\n');
    const std::string content = ReadWholeFile(log);
    ASSERT_FALSE(content.empty());
    EXPECT_EQ(content.back(), '\n');
    // The opening line, the header, the row of names, then one row per pass.
    const std::vector<std::string> lines = Lines(content);
    ASSERT_EQ(lines.size(), 3 + passes) << content;
    EXPECT_EQ(Count(lines.back(), ","), Count(lines[2], ",")) << content;
}

} // namespace
} // namespace korvane::cli::testing
