// korvane-cli plot: a log korvane-cli wrote drawn into an image, and the failures.

#include "car_test.h"

#include <cstdint>
#include <fstream>

namespace korvane::cli::testing {
namespace {

// Width and height from a PNG file's header.
std::pair<std::uint32_t, std::uint32_t> PngSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    const auto at = [&header](int i) {
        return static_cast<std::uint32_t>(header[i]) << 24 | header[i + 1] << 16 |
               header[i + 2] << 8 | header[i + 3];
    };
    return {at(16), at(20)};
}

using Plot = CarTest;

TEST_F(Plot, DrawsTheLogOfAParamsRunIntoAnImageOfTheAskedSize) {
    const std::string log = folder.File("run.csv");
    ASSERT_EQ(Cli({"params", "--romid", "A1B2C3", "--passes", "5", "--log", log}).exitCode, 0);

    const std::string png = folder.File("run.png");
    const CliResult drawn = RunCli(
        {"plot", log, "--out", png, "--params", "EngineSpeed,CoolantTemp", "--size", "400x300"});
    EXPECT_EQ(drawn.exitCode, 0) << drawn.err;
    EXPECT_EQ(drawn.out, png + ": 1 run, 5 rows; 0 lines skipped (not Read Parameters rows)\n");
    EXPECT_EQ(PngSize(png), (std::pair<std::uint32_t, std::uint32_t>{400, 300}));

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
