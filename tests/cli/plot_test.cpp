// korvane-cli plot: a log korvane-cli wrote drawn into an image, and the failures.

#include "car_test.h"

namespace korvane::cli::testing {
namespace {

using Plot = CarTest;

TEST_F(Plot, DrawsTheLogOfAParamsRunIntoAnImageOfTheAskedSize) {
    const std::string log = folder.File("run.csv");
    ASSERT_EQ(Cli({"params", "--romid", "A1B2C3", "--passes", "5", "--log", log}).exitCode, 0);

    const std::string png = folder.File("run.png");
    const CliResult drawn = RunCli(
        {"plot", log, "--out", png, "--params", "EngineSpeed,CoolantTemp", "--size", "400x300"});
    EXPECT_EQ(drawn.exitCode, 0) << drawn.err;
    EXPECT_EQ(drawn.out, png + ": 1 run, 5 rows; 0 lines skipped (not Read Parameters rows)\n");
    // The PNG header holds the width and the height, big-endian, from byte 16 on.
    EXPECT_EQ(korvane::testing::ReadWholeFile(png).substr(16, 8),
              std::string("\0\0\x01\x90\0\0\x01\x2C", 8));

    const std::string svg = folder.File("run.svg");
    EXPECT_EQ(RunCli({"plot", log, "--out", svg}).exitCode, 0);
    EXPECT_NE(korvane::testing::ReadWholeFile(svg).find("<svg"), std::string::npos);

    const std::string notALog = folder.File("notes.csv");
    korvane::testing::WriteWholeFile(notALog, "EngineSpeed,\n800,\n");
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
    } failures[] = {
        {{"plot", log}, 2},
        {{"plot", log, "--out", png, "--size", "400"}, 2},
        {{"plot", log, "--out", png, "--params", "NoSuchColumn"}, 2},
        {{"plot", folder.File("missing.csv"), "--out", png}, 1},
        {{"plot", notALog, "--out", png}, 1},
        {{"plot", log, "--out", folder.File("run.jpg")}, 1},
        {{"plot", log, "--out", folder.File("no/such/folder.png")}, 1},
    };
    for (const auto& failure : failures) {
        const CliResult result = RunCli(failure.arguments);
        EXPECT_EQ(result.exitCode, failure.exitCode) << failure.arguments.back() << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(result.err.empty());
    }
}

} // namespace
} // namespace korvane::cli::testing
