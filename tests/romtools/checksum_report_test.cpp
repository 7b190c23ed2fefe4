#include "app/checksum_command.h"
#include "romtools/checksum_report.h"

#include "app/recorded_dialogs.h"
#include "support/scratch_folder.h"

#include <string>
#include <system_error>

#include <gtest/gtest.h>

namespace korvane {
namespace {

RomFileCheck Check(RomFileOutcome outcome, std::int64_t length, RomChecksums checksums = {},
                   std::error_code error = {}) {
    RomFileCheck check;
    check.outcome = outcome;
    check.length = length;
    check.checksums = checksums;
    check.error = error;
    return check;
}

TEST(ChecksumReportText, SummaryLengthAndReadFailures) {
    const auto checked = RomFileOutcome::Checked;
    EXPECT_EQ(ChecksumReportText("C:\\roms\\a.bin", Check(checked, 0x8000)),
              "File: C:\\roms\\a.bin\n\nChecksum OK\n\n"
              "Stored Checksums:   \t0000\nCalculated Checksums:\t0000\n"
              "File size: 0x8000 (32768) bytes");
    EXPECT_EQ(ChecksumReportText("/roms/b.bin", Check(checked, 0x10000, {0xFFFF, 0x0200})),
              "File: /roms/b.bin\n\nChecksum ERROR\n\n"
              "Stored Checksums:   \tFFFF\nCalculated Checksums:\t0200\n"
              "File size: 0x10000 (65536) bytes");
    // The path is shown as it is, however long.
    const std::string path = "/roms/100% %s %n/" + std::string(2000, 'd') + "/c.bin";
    EXPECT_EQ(ChecksumReportText(path, Check(checked, 0x8000, {1, 2})).rfind("File: " + path, 0),
              0U);

    const auto invalid = RomFileOutcome::InvalidLength;
    EXPECT_EQ(ChecksumReportText("x.bin", Check(invalid, 0)),
              "Checksum failed\nInvalid file length= 0000");
    EXPECT_EQ(ChecksumReportText("x.bin", Check(invalid, 0x10001)),
              "Checksum failed\nInvalid file length= 10001");

    const auto denied = std::make_error_code(std::errc::permission_denied);
    EXPECT_EQ(
        ChecksumReportText("/roms/locked.bin", Check(RomFileOutcome::CannotOpen, 0, {}, denied)),
        "Checksum failed\nCannot read file: /roms/locked.bin\n" + denied.message());
    const auto broken = std::make_error_code(std::errc::io_error);
    EXPECT_EQ(ChecksumReportText("/roms/bad.bin", Check(RomFileOutcome::CannotRead, 0, {}, broken)),
              "Checksum failed\nCannot read file: /roms/bad.bin\n" + broken.message());
    EXPECT_EQ(ChecksumReportText("/roms", Check(RomFileOutcome::NotAFile, 0)),
              "Checksum failed\nNot a file: /roms");
}

TEST(ChecksumCommand, AsksForAFileAndShowsTheReport) {
    testing::ScratchFolder folder;
    fakes::RecordingDialogs dialogs;
    ChecksumFileCommand(dialogs, "/home/tech");
    ASSERT_EQ(dialogs.fileDialogs.size(), 1U);
    EXPECT_EQ(dialogs.fileDialogs[0].kind, FileDialogKind::ExistingFile);
    EXPECT_EQ(dialogs.fileDialogs[0].initialFolder, "/home/tech");
    EXPECT_TRUE(dialogs.messageBoxes.empty()); // cancelled

    const std::string rom = folder.File("rom.bin");
    testing::WriteWholeFile(rom, std::string(0x8000, '\xFF'));
    const std::string odd = folder.File("short.bin");
    testing::WriteWholeFile(odd, std::string(0x8001, '\0'));
    dialogs.fileAnswers = {rom, odd};
    ChecksumFileCommand(dialogs, folder.Path().string());
    ChecksumFileCommand(dialogs, folder.Path().string());
    ASSERT_EQ(dialogs.messageBoxes.size(), 2U);
    EXPECT_EQ(dialogs.messageBoxes[0].text,
              "File: " + rom +
                  "\n\nChecksum ERROR\n\nStored Checksums:   \tFFFF\nCalculated Checksums:\t0200\n"
                  "File size: 0x8000 (32768) bytes");
    EXPECT_EQ(dialogs.messageBoxes[1].text, "Checksum failed\nInvalid file length= 8001");
}

} // namespace
} // namespace korvane
