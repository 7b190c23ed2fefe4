#include "romtools/checksum_report.h"

#include <string>
#include <system_error>

#include <gtest/gtest.h>

namespace korvane {
namespace {

RomFileCheck Checked(std::uint16_t stored, std::uint16_t calculated, std::int64_t length) {
    RomFileCheck check;
    check.outcome = RomFileOutcome::Checked;
    check.checksums = {stored, calculated};
    check.length = length;
    return check;
}

TEST(ChecksumReportText, SummaryShowsBothChecksumsAndTheSizeTwice) {
    EXPECT_EQ(ChecksumReportText("C:\\roms\\a.bin", Checked(0, 0, 0x8000)),
              "File: C:\\roms\\a.bin\n\nChecksum OK\n\n"
              "Stored Checksums:   \t0000\nCalculated Checksums:\t0000\n"
              "File size: 0x8000 (32768) bytes");
    EXPECT_EQ(ChecksumReportText("/roms/b.bin", Checked(0xFFFF, 0x0200, 0x10000)),
              "File: /roms/b.bin\n\nChecksum ERROR\n\n"
              "Stored Checksums:   \tFFFF\nCalculated Checksums:\t0200\n"
              "File size: 0x10000 (65536) bytes");
}

TEST(ChecksumReportText, PathIsShownAsItIsHoweverLong) {
    const std::string path = "/roms/100% %s %n/" + std::string(2000, 'd') + "/c.bin";
    const std::string text = ChecksumReportText(path, Checked(1, 2, 0x8000));
    EXPECT_EQ(text.rfind("File: " + path + "\n\nChecksum ERROR\n\n", 0), 0U);
    EXPECT_TRUE(text.ends_with("File size: 0x8000 (32768) bytes"));
}

TEST(ChecksumReportText, WrongLengthIsShownInHexadecimal) {
    RomFileCheck check;
    check.outcome = RomFileOutcome::InvalidLength;
    check.length = 0x8001;
    EXPECT_EQ(ChecksumReportText("x.bin", check), "Checksum failed\nInvalid file length= 8001");
    check.length = 0;
    EXPECT_EQ(ChecksumReportText("x.bin", check), "Checksum failed\nInvalid file length= 0000");
    check.length = 0x10001;
    EXPECT_EQ(ChecksumReportText("x.bin", check), "Checksum failed\nInvalid file length= 10001");
}

TEST(ChecksumReportText, FilesThatCannotBeReadSayWhy) {
    RomFileCheck check;
    check.outcome = RomFileOutcome::CannotOpen;
    check.error = std::make_error_code(std::errc::permission_denied);
    EXPECT_EQ(ChecksumReportText("/roms/locked.bin", check),
              "Checksum failed\nCannot read file: /roms/locked.bin\n" + check.error.message());
    check.outcome = RomFileOutcome::CannotRead;
    check.error = std::make_error_code(std::errc::io_error);
    EXPECT_EQ(ChecksumReportText("/roms/bad.bin", check),
              "Checksum failed\nCannot read file: /roms/bad.bin\n" + check.error.message());
    check.outcome = RomFileOutcome::NotAFile;
    EXPECT_EQ(ChecksumReportText("/roms", check), "Checksum failed\nNot a file: /roms");
}

} // namespace
} // namespace korvane
