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

using Image = std::vector<std::uint8_t>;

class RomChecksumFile : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const Image& image) {
        std::string path = folder.File(name);
        testing::WriteWholeFile(path, std::string(image.begin(), image.end()));
        return path;
    }
    testing::ScratchFolder folder;
};

TEST_F(RomChecksumFile, SumAndExclusiveOrOfTheLast32KiBLeaveOutTheStoredBytes) {
    Image ones(0x8000, 0xFF);
    Image onesStored = ones;
    onesStored[6] = 0x02;
    onesStored[7] = 0x00;
    // 0, 1, ... 255 over and over: each run sums to 128 with an exclusive-or of 0, so only
    // the left-out bytes 6 and 7 decide: sum -(6 + 7) = 0xF3, exclusive-or 6 ^ 7 = 0x01.
    Image ramp(0x8000);
    for (std::size_t i = 0; i < ramp.size(); ++i) {
        ramp[i] = static_cast<std::uint8_t>(i);
    }
    // A double image is judged by its second half only.
    Image twice(0x10000, 0x5A);
    std::fill(twice.begin() + 0x8000, twice.end(), 0xFF);
    twice[0x8006] = 0x02;
    twice[0x8007] = 0x00;
    const std::vector<std::tuple<const char*, Image, std::uint16_t, std::uint16_t>> rows = {
        {"ones", ones, 0xFFFF, 0x0200},
        {"ones stored", onesStored, 0x0200, 0x0200},
        {"zeros", Image(0x8000), 0x0000, 0x0000},
        {"ramp", ramp, 0x0607, 0xF301},
        {"double", twice, 0x0200, 0x0200}};
    for (const auto& [name, image, stored, calculated] : rows) {
        SCOPED_TRACE(name);
        const std::string path = Write(name, image);
        const RomFileCheck check = CheckRomFile(path);
        ASSERT_EQ(check.outcome, RomFileOutcome::Checked);
        EXPECT_EQ(check.length, static_cast<std::int64_t>(image.size()));
        EXPECT_EQ(check.checksums.stored, stored);
        EXPECT_EQ(check.checksums.calculated, calculated);
        EXPECT_EQ(check.checksums.Agree(), stored == calculated);

        RomChecksums plain;
        std::int64_t length = 0;
        EXPECT_TRUE(ChecksumRomFile(path, &plain.stored, &plain.calculated, &length));
        EXPECT_EQ(length, check.length);
        EXPECT_EQ(plain.stored, stored);
        EXPECT_EQ(plain.calculated, calculated);
    }
}

TEST_F(RomChecksumFile, OtherLengthsAreRejectedWithTheirTrueSize) {
    for (const std::int64_t length : {0, 1, 0x7FFF, 0x8001, 0xFFFF, 0x10001, 0x30000}) {
        SCOPED_TRACE(length);
        const std::string path = Write("odd.bin", Image(static_cast<std::size_t>(length)));
        const RomFileCheck check = CheckRomFile(path);
        EXPECT_EQ(check.outcome, RomFileOutcome::InvalidLength);
        EXPECT_EQ(check.length, length);

        std::uint16_t stored = 0x1111;
        std::int64_t reportedLength = -1;
        EXPECT_FALSE(ChecksumRomFile(path, &stored, nullptr, &reportedLength));
        EXPECT_EQ(reportedLength, length);
        EXPECT_EQ(stored, 0x1111);
    }
    RomChecksums checksums{0x1234, 0x5678};
    EXPECT_FALSE(ChecksumRomImage(Image(0x8001), checksums));
    EXPECT_EQ(checksums.stored, 0x1234);
}

TEST_F(RomChecksumFile, WhatCannotBeReadIsToldApartFromABadLength) {
    const RomFileCheck missing = CheckRomFile(folder.File("missing.bin"));
    EXPECT_EQ(missing.outcome, RomFileOutcome::CannotOpen);
    EXPECT_EQ(missing.error, std::errc::no_such_file_or_directory);
    EXPECT_EQ(CheckRomFile("").outcome, RomFileOutcome::CannotOpen);

    const RomFileCheck folderCheck = CheckRomFile(folder.Path().string());
    EXPECT_EQ(folderCheck.outcome, RomFileOutcome::NotAFile);
    EXPECT_EQ(folderCheck.error, std::errc::is_a_directory);
    std::int64_t length = 0;
    EXPECT_FALSE(ChecksumRomFile(folder.Path().string(), nullptr, nullptr, &length));
    EXPECT_EQ(length, 0); // the caller's preset stays

#ifndef _WIN32
    const std::string pipe = folder.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(CheckRomFile(pipe).outcome, RomFileOutcome::NotAFile);
    if (std::filesystem::exists("/dev/zero")) {
        EXPECT_EQ(CheckRomFile("/dev/zero").outcome, RomFileOutcome::NotAFile);
    }
    if (::geteuid() != 0) {
        const std::string locked = Write("locked.bin", Image(0x8000));
        ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
        const RomFileCheck check = CheckRomFile(locked);
        EXPECT_EQ(check.outcome, RomFileOutcome::CannotOpen);
        EXPECT_EQ(check.error, std::errc::permission_denied);
    }
#endif
}

} // namespace
} // namespace korvane
