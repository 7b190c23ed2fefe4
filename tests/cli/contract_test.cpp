// The command-line contract: help, usage errors ending with 2, and what each command prints
// and how it ends, the simulated car (with faults where a row asks for them) on the port
// unless a row names another port. Files in the scratch folder are "{dir}/..." in a row.

#include "car_test.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace korvane::cli::testing {
namespace {

TEST(CliContract, HelpOfEveryCommandExitsZero) {
    for (const char* command : {"eval", "defs", "checksum", "ports", "romid", "params", "read",
                                "write", "dump", "doctor"}) {
        const CliResult result = RunCli({command, "--help"});
        EXPECT_EQ(result.exitCode, 0) << command << result.err;
        EXPECT_NE(result.out.find(std::string("korvane-cli ") + command), std::string::npos)
            << result.out;
    }
    EXPECT_NE(RunCli({"--help"}).out.find("--port"), std::string::npos);
}

TEST(CliContract, UsageErrorsExitTwoWithTheParsersMessage) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"--unit", "abs", "romid"},
        {"romid", "extra"},
        {"eval"},
        {"eval", "x", "x"},
        {"eval", "x", "x=256"},
        {"eval", "x", "x=0x1G"},
        {"checksum"},
        {"read", "--address", "10000"},
        {"read", "--address", "1234", "--count", "17"},
        {"read", "--address", "1234", "--passes", "0"},
        {"write", "--address", "1234"},
        {"write", "--address", "1234", "--data", "100"},
        {"params", "--follow", "--passes", "2"},
        {"dump", "rom.bin", "--interval", "-1"},
        {"--unit", "aircon", "dump", "rom.bin"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        const CliResult result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
}

struct Row {
    std::vector<std::string> command;
    int exitCode;
    const char* out;      // the whole standard output; nullptr when not checked
    const char* err = ""; // in the one error line, the last on standard error
    std::vector<std::string> simulator = {};
    const char* port = nullptr; // nullptr: the car's
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << (row.port != nullptr ? row.port : "car");
    for (const std::string& word : row.simulator) {
        *os << ' ' << word;
    }
    *os << ':';
    for (const std::string& word : row.command) {
        *os << ' ' << word;
    }
}

const char* const kNoPort = "/nonexistent/tty";

const Row kRows[] = {
    {{"eval", "x/2", "x=7", "--format", "%.1f"}, 0, "3.5\n"},
    // Without a format, the value text.
    {{"eval", "x/2", "x=7"}, 0, "3.500000\n"},
    {{"eval", "x", "x=0x1F"}, 0, "31\n"},
    // Program options may follow the command.
    {{"eval", "1", "--unit", "tcu"}, 0, "1\n"},
    // A failed parse or evaluation still prints what the window shows: what parsed before
    // the error, or the empty value formatted.
    {{"eval", "x)", "x=1"}, 1, "1\n", "does not parse"},
    {{"eval", "-5", "--format", "%d"}, 1, "0\n", "lacks operands"},
    {{"eval", "1/0"}, 1, "100000000.000000\n", "divisor"},
    // The box names the file by its full path, as the file dialog hands it over.
    {{"checksum", "{dir}/sub/../zeros.bin"},
     0,
     "File: {dir}/zeros.bin\n\nChecksum OK\n\nStored Checksums:   \t0000\n"
     "Calculated Checksums:\t0000\nFile size: 0x8000 (32768) bytes\n"},
    {{"checksum", "{dir}/program.bin"}, 1, nullptr, "differ"},
    {{"checksum", "{dir}/sub"}, 1, "Checksum failed\nNot a file: {dir}/sub\n", "not a file"},
    {{"checksum", "{dir}/short.bin"}, 1, "Checksum failed\nInvalid file length= 8001\n", "64 KiB"},
    {{"checksum", "{dir}/missing.bin"}, 1, nullptr, "cannot read"},

    {{"romid"}, 0, "A1B2C3\n"},
    {{"--unit", "tcu", "romid"}, 0, "4A3107\n"},
    {{"romid"}, 1, "error\n", "no ROM ID", {"--silent"}},
    {{"params", "--romid", "FFFFFF"}, 1, "", "FFFFFF"},
    {{"params", "--romid", "A1B2C3"}, 1, nullptr, "did not answer every read", {"--no-echo"}},
    {{"read", "--address", "8123", "--count", "1"}, 0, "Bytes read: 1  Count: 0\n8123\tF6\n"},
    {{"write", "--address", "0100", "--data", "5A"}, 0, "0x5a\n"},
    // The program area keeps its bytes: the byte shown is the one still there.
    {{"write", "--address", "8000", "--data", "FF"}, 1, "0x00\n", "0x00 at 0x8000, not the byte"},
    // Writing 0 to a unit that never answers is not taken for a write that took.
    {{"write", "--address", "0100", "--data", "00"}, 1, "0x00\n", "no reply", {"--silent"}},

    // A log that cannot be written fails before any pass.
    {{"params", "--romid", "A1B2C3", "--log", "/dev/full"}, 1, "", "log file"},
    {{"read", "--address", "0", "--log", "/dev/full"}, 1, "", "log file"},
    // A dump that cannot be written, its prefill or a chunk, is never complete.
    {{"dump", "/dev/full", "--yes", "--count", "20", "--prefill", "0"}, 1, "", "Can't write"},
    {{"dump", "/dev/full", "--yes", "--count", "20", "--prefill", "10"}, 1, "", "Can't write"},
    {{"dump", "{dir}/no/such.bin"}, 1, "", "open output file {dir}/no/such.bin: No such file"},

    {{"romid"}, 1, "no comms\n", kNoPort, {}, kNoPort},
    {{"params", "--romid", "A1B2C3"}, 1, "", kNoPort, {}, kNoPort},
    {{"read", "--address", "0"}, 1, "", kNoPort, {}, kNoPort},
    {{"write", "--address", "0", "--data", "0"}, 1, "", kNoPort, {}, kNoPort},
    {{"dump", "{dir}/never.bin"}, 1, "", kNoPort, {}, kNoPort},
};

class CliExitCodes : public CarTest, public ::testing::WithParamInterface<Row> {
protected:
    void SetUp() override {
        StartCar(car, GetParam().simulator);
        std::filesystem::create_directory(folder.Path() / "sub");
        folder.Write("zeros.bin", std::string(0x8000, '\0'));
        folder.Write("short.bin", std::string(0x8001, '\0'));
    }

    // The text with "{dir}" naming the scratch folder.
    std::string Expand(std::string text) const {
        for (auto at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}")) {
            text.replace(at, 5, folder.Path().string());
        }
        return text;
    }
};

TEST_P(CliExitCodes, PrintAndEndAsTheRowSays) {
    const Row& row = GetParam();
    std::vector<std::string> arguments{"--port", row.port ? row.port : car.PtyPath(), "--dir",
                                       KORVANE_EXAMPLES_DIR};
    for (const std::string& word : row.command) {
        arguments.push_back(Expand(word));
    }
    const CliResult result = RunCli(arguments);
    EXPECT_EQ(result.exitCode, row.exitCode) << result.err;
    if (row.out != nullptr) {
        EXPECT_EQ(result.out, Expand(row.out));
    }
    // A failure is one line of its own; a dump's progress lines may come before it.
    const std::vector<std::string> lines = Lines(result.err);
    const auto own = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("korvane-cli: ", 0) == 0;
    });
    EXPECT_EQ(own, row.exitCode) << result.err;
    if (row.exitCode != 0) {
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(lines.back().find(Expand(row.err)), std::string::npos) << result.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, CliExitCodes, ::testing::ValuesIn(kRows));

} // namespace
} // namespace korvane::cli::testing
