// `checksum`: the "Checksum file" report and an exit code scripts can test.

#include "child_process.h"
#include "support/scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace korvane::cli::testing {
namespace {

using korvane::testing::ScratchFolder;
using korvane::testing::WriteWholeFile;

TEST(CliChecksum, AgreeingChecksumsExitZeroWithTheBoxText) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.Path() / "sub");
    WriteWholeFile(folder.File("rom.bin"), std::string(0x8000, '\0'));

    // The box names the file by its full path, as the file dialog hands it over.
    const ProcessResult result =
        RunCliProgram({"checksum", "sub/../rom.bin"}, {}, folder.Path().string());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "File: " + folder.File("rom.bin") +
                              "\n\nChecksum OK\n\nStored Checksums:   \t0000\n"
                              "Calculated Checksums:\t0000\nFile size: 0x8000 (32768) bytes\n");
    EXPECT_TRUE(result.err.empty());
}

TEST(CliChecksum, MismatchAndBadFilesExitOne) {
    ScratchFolder folder;
    WriteWholeFile(folder.File("ff.bin"), std::string(0x10000, '\xFF'));
    ProcessResult result = RunCliProgram({"checksum", folder.File("ff.bin")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("Checksum ERROR\n\nStored Checksums:   \tFFFF\n"
                              "Calculated Checksums:\t0200\nFile size: 0x10000 (65536) bytes"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.err.find("differ"), std::string::npos);

    WriteWholeFile(folder.File("short.bin"), std::string(0x8001, '\0'));
    result = RunCliProgram({"checksum", folder.File("short.bin")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Checksum failed\nInvalid file length= 8001\n");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;

    result = RunCliProgram({"checksum", folder.File("missing.bin")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.rfind("Checksum failed\nCannot read file: ", 0), 0u) << result.out;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
}

} // namespace
} // namespace korvane::cli::testing
