#include "romtools/rom_checksum.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "support/scratch_folder.h"

namespace korvane {
namespace {

using testing::ScratchFolder;

std::string Bytes(const std::vector<std::uint8_t>& image) {
    return {image.begin(), image.end()};
}

class RomChecksumFile : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& image) {
        std::string path = folder.File(name);
        testing::WriteWholeFile(path, Bytes(image));
        return path;
    }
    ScratchFolder folder;
};

TEST_F(RomChecksumFile, ImageOfAllOnesNeedsItsOwnSumStoredToPass) {
    std::vector<std::uint8_t> image(0x8000, 0xFF);
    RomFileCheck check = CheckRomFile(Write("ones.bin", image));
    ASSERT_EQ(check.outcome, RomFileOutcome::Checked);
    EXPECT_EQ(check.length, 0x8000);
    EXPECT_EQ(check.checksums.calculated, 0x0200);
    EXPECT_EQ(check.checksums.stored, 0xFFFF);
    EXPECT_FALSE(check.checksums.Agree());

    image[6] = 0x02;
    image[7] = 0x00;
    check = CheckRomFile(Write("ones.bin", image));
    EXPECT_EQ(check.checksums.calculated, 0x0200);
    EXPECT_EQ(check.checksums.stored, 0x0200);
    EXPECT_TRUE(check.checksums.Agree());
}

TEST_F(RomChecksumFile, ImageOfZerosPasses) {
    const RomFileCheck check = CheckRomFile(Write("zeros.bin", std::vector<std::uint8_t>(0x8000)));
    ASSERT_EQ(check.outcome, RomFileOutcome::Checked);
    EXPECT_EQ(check.checksums.stored, 0);
    EXPECT_EQ(check.checksums.calculated, 0);
    EXPECT_TRUE(check.checksums.Agree());
}

TEST_F(RomChecksumFile, SumAndExclusiveOrLeaveOutTheStoredBytes) {
    // Bytes 0, 1, ... 255 over and over: every full run sums to 128 and has an
    // exclusive-or of 0, so only the two left-out bytes, 6 and 7, decide the result:
    // sum -(6 + 7) = 0xF3, exclusive-or 6 ^ 7 = 0x01.
    std::vector<std::uint8_t> image(0x8000);
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i);
    }
    RomFileCheck check = CheckRomFile(Write("ramp.bin", image));
    ASSERT_EQ(check.outcome, RomFileOutcome::Checked);
    EXPECT_EQ(check.checksums.calculated, 0xF301);
    EXPECT_EQ(check.checksums.stored, 0x0607);

    // Changing the stored bytes changes only the stored value.
    image[6] = 0xF3;
    image[7] = 0x01;
    check = CheckRomFile(Write("ramp.bin", image));
    EXPECT_EQ(check.checksums.calculated, 0xF301);
    EXPECT_TRUE(check.checksums.Agree());
}

TEST_F(RomChecksumFile, DoubleImageIsJudgedByItsSecondHalfOnly) {
    std::vector<std::uint8_t> image(0x10000, 0x5A); // the first half must not count
    std::fill(image.begin() + 0x8000, image.end(), 0xFF);
    image[0x8006] = 0x02;
    image[0x8007] = 0x00;
    const RomFileCheck check = CheckRomFile(Write("double.bin", image));
    ASSERT_EQ(check.outcome, RomFileOutcome::Checked);
    EXPECT_EQ(check.length, 0x10000);
    EXPECT_EQ(check.checksums.calculated, 0x0200);
    EXPECT_EQ(check.checksums.stored, 0x0200);
}

TEST_F(RomChecksumFile, OtherLengthsAreRejectedWithTheirTrueSize) {
    for (const std::int64_t length :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{0x7FFF}, std::int64_t{0x8001},
          std::int64_t{0xFFFF}, std::int64_t{0x10001}, std::int64_t{0x30000}}) {
        SCOPED_TRACE(length);
        const std::string path =
            Write("odd.bin", std::vector<std::uint8_t>(static_cast<std::size_t>(length)));
        const RomFileCheck check = CheckRomFile(path);
        EXPECT_EQ(check.outcome, RomFileOutcome::InvalidLength);
        EXPECT_EQ(check.length, length);

        std::uint16_t stored = 0x1111;
        std::uint16_t calculated = 0x2222;
        std::int64_t reportedLength = -1;
        EXPECT_FALSE(ChecksumRomFile(path, &stored, &calculated, &reportedLength));
        EXPECT_EQ(reportedLength, length);
        EXPECT_EQ(stored, 0x1111);
        EXPECT_EQ(calculated, 0x2222);
    }
}

TEST_F(RomChecksumFile, PlainResultsMayEachBeLeftOut) {
    std::vector<std::uint8_t> image(0x8000, 0xFF);
    const std::string path = Write("ones.bin", image);
    std::uint16_t stored = 0;
    std::uint16_t calculated = 0;
    std::int64_t length = 0;
    EXPECT_TRUE(ChecksumRomFile(path, &stored, &calculated, &length));
    EXPECT_EQ(stored, 0xFFFF);
    EXPECT_EQ(calculated, 0x0200);
    EXPECT_EQ(length, 0x8000);
    EXPECT_TRUE(ChecksumRomFile(path, nullptr, nullptr, nullptr));
    EXPECT_FALSE(ChecksumRomFile(folder.File("missing.bin"), nullptr, nullptr, nullptr));
}

TEST_F(RomChecksumFile, WhatCannotBeReadIsToldApartFromABadLength) {
    const RomFileCheck missing = CheckRomFile(folder.File("missing.bin"));
    EXPECT_EQ(missing.outcome, RomFileOutcome::CannotOpen);
    EXPECT_EQ(missing.error, std::errc::no_such_file_or_directory);
    EXPECT_EQ(missing.length, 0);

    const RomFileCheck folderCheck = CheckRomFile(folder.Path().string());
    EXPECT_EQ(folderCheck.outcome, RomFileOutcome::NotAFile);
    EXPECT_EQ(folderCheck.error, std::errc::is_a_directory);

    EXPECT_EQ(CheckRomFile("").outcome, RomFileOutcome::CannotOpen);

    std::int64_t length = 0;
    EXPECT_FALSE(ChecksumRomFile(folder.Path().string(), nullptr, nullptr, &length));
    EXPECT_EQ(length, 0); // the caller's preset stays
}

#ifndef _WIN32

TEST_F(RomChecksumFile, DevicesAndPipesAreNotRead) {
    const std::string pipe = folder.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(CheckRomFile(pipe).outcome, RomFileOutcome::NotAFile);
    if (std::filesystem::exists("/dev/zero")) {
        EXPECT_EQ(CheckRomFile("/dev/zero").outcome, RomFileOutcome::NotAFile);
    }
}

TEST_F(RomChecksumFile, FileWithoutReadPermissionCannotBeOpened) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root, which may read any file";
    }
    const std::string path = Write("locked.bin", std::vector<std::uint8_t>(0x8000));
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    const RomFileCheck check = CheckRomFile(path);
    EXPECT_EQ(check.outcome, RomFileOutcome::CannotOpen);
    EXPECT_EQ(check.error, std::errc::permission_denied);
    EXPECT_EQ(check.length, 0);
}

#endif

TEST(ChecksumRomImage, AcceptsOnlyTheTwoImageLengths) {
    RomChecksums checksums{0x1234, 0x5678};
    EXPECT_FALSE(ChecksumRomImage(std::vector<std::uint8_t>(0x8001), checksums));
    EXPECT_FALSE(ChecksumRomImage({}, checksums));
    EXPECT_EQ(checksums.stored, 0x1234);
    EXPECT_EQ(checksums.calculated, 0x5678);
    std::vector<std::uint8_t> image(0x10000);
    image[0x8006] = 0xAB;
    image[0x8007] = 0xCD;
    image[6] = 0x99; // in the first half: ignored
    ASSERT_TRUE(ChecksumRomImage(image, checksums));
    EXPECT_EQ(checksums.stored, 0xABCD);
    EXPECT_EQ(checksums.calculated, 0);
}

} // namespace
} // namespace korvane
