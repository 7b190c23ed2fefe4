// `dump` against the simulated car, whose program image is known.

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
}

TEST_F(CliDump, AnInterruptedDumpKeepsWhatWasReadAndSaysSo) {
    const std::string file = folder.File("part.bin");
    CliProcess cli(OnCar({"dump", file, "--count", "1000", "--prefill", "0", "--interval", "50"}),
                   folder.Path().string());
    ASSERT_TRUE(cli.WaitForError("dump: 0%")) << "no progress line";
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

} // namespace
} // namespace korvane::cli::testing
