// `dump` against the simulated car, whose program image is known.

#include "car_fixture.h"

namespace korvane::cli::testing {
namespace {

class CliDump : public CarTest {
protected:
    void SetUp() override {
        // A program image whose every byte tells its offset apart from its neighbours.
        for (std::size_t i = 0; i < image.size(); ++i) {
            image[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
        }
        korvane::testing::WriteWholeFile(folder.File("program.bin"), image);
        StartCar({"--rom", folder.File("program.bin")});
    }

    ProcessResult Dump(const std::vector<std::string>& arguments) const {
        std::vector<std::string> all{"dump"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        all.insert(all.end(), {"--interval", "0"});
        return Cli(all);
    }

    std::string image = std::string(0x8000, '\0');
};

TEST_F(CliDump, ASmallRangeAfterItsPrefillMatchesTheUnitsMemory) {
    const std::string file = folder.File("small.bin");
    const ProcessResult result =
        Dump({file, "--start", "0x8123", "--count", "25", "--prefill", "10"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Checksum not done (not a 32k dump)\n");
    // 0x25 bytes read as two chunks of 16 and one of 5, after 0x10 zero bytes.
    EXPECT_EQ(korvane::testing::ReadWholeFile(file),
              std::string(0x10, '\0') + image.substr(0x123, 0x25));
    // Not a terminal: plain lines, the last at 100 %.
    EXPECT_NE(result.err.find("dump: 100%"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\r'), std::string::npos);
}

TEST_F(CliDump, AnExistingFileIsOverwrittenOnlyWhenAskedTo) {
    const std::string file = folder.File("existing.bin");
    korvane::testing::WriteWholeFile(file, "keep");
    ProcessResult result = Dump({file, "--count", "10", "--prefill", "0"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("--yes"), std::string::npos) << result.err;
    EXPECT_EQ(korvane::testing::ReadWholeFile(file), "keep");

    result = Dump({file, "--count", "10", "--prefill", "0", "--yes"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(korvane::testing::ReadWholeFile(file), image.substr(0, 0x10));
}

TEST_F(CliDump, OnlyTheUnitsTheDialogOffersAreAccepted) {
    ProcessResult result = Cli({"--unit", "aircon", "dump", folder.File("x.bin"), "--count", "10"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(korvane::testing::ReadWholeFile(folder.File("x.bin")).size() > 0);
}

TEST_F(CliDump, AFileThatCannotBeCreatedFails) {
    const ProcessResult result = Dump({folder.File("no/such/folder.bin"), "--count", "10"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Can't open output file"), std::string::npos) << result.err;
}

} // namespace
} // namespace korvane::cli::testing
