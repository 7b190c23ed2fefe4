#include "romtools/rom_checksum.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace korvane {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { (void)std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::error_code LastError(std::errc fallback) {
    return errno != 0 ? std::error_code(errno, std::generic_category())
                      : std::make_error_code(fallback);
}

} // namespace

bool ChecksumRomImage(std::span<const std::uint8_t> image, RomChecksums& checksums) {
    const auto length = static_cast<std::int64_t>(image.size());
    if (length != kRomProgramLength && length != kRomDoubleImageLength) {
        return false;
    }
    const auto program = image.subspan(static_cast<std::size_t>(length - kRomProgramLength));
    std::uint8_t sum = 0;
    std::uint8_t exclusiveOr = 0;
    for (std::size_t i = 0; i < program.size(); ++i) {
        if (i == kStoredChecksumOffset || i == kStoredChecksumOffset + 1) {
            continue;
        }
        sum = static_cast<std::uint8_t>(sum + program[i]);
        exclusiveOr = static_cast<std::uint8_t>(exclusiveOr ^ program[i]);
    }
    checksums.calculated = static_cast<std::uint16_t>(sum << 8 | exclusiveOr);
    checksums.stored = static_cast<std::uint16_t>(program[kStoredChecksumOffset] << 8 |
                                                  program[kStoredChecksumOffset + 1]);
    return true;
}

RomFileCheck CheckRomFile(const std::string& path) {
    RomFileCheck check;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        check.outcome = RomFileOutcome::CannotOpen;
        check.error = error ? error : std::make_error_code(std::errc::no_such_file_or_directory);
        return check;
    }
    // Folders cannot be read as images, and reading a device or pipe might never end.
    if (!std::filesystem::is_regular_file(status)) {
        check.outcome = RomFileOutcome::NotAFile;
        check.error = std::make_error_code(std::filesystem::is_directory(status)
                                               ? std::errc::is_a_directory
                                               : std::errc::invalid_argument);
        return check;
    }
    errno = 0;
    const FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        check.outcome = RomFileOutcome::CannotOpen;
        check.error = LastError(std::errc::permission_denied);
        return check;
    }
    // One byte more than the largest image tells a longer file from a 64 KiB one.
    std::vector<std::uint8_t> image(static_cast<std::size_t>(kRomDoubleImageLength) + 1);
    errno = 0;
    const std::size_t count = std::fread(image.data(), 1, image.size(), file.get());
    if (std::ferror(file.get()) != 0) {
        check.outcome = RomFileOutcome::CannotRead;
        check.error = LastError(std::errc::io_error);
        return check;
    }
    check.length = static_cast<std::int64_t>(count);
    if (count == image.size()) {
        const auto size = std::filesystem::file_size(path, error);
        if (!error && static_cast<std::int64_t>(size) > check.length) {
            check.length = static_cast<std::int64_t>(size);
        }
    }
    image.resize(count);
    check.outcome = ChecksumRomImage(image, check.checksums) ? RomFileOutcome::Checked
                                                             : RomFileOutcome::InvalidLength;
    return check;
}

bool ChecksumRomFile(const std::string& path, std::uint16_t* stored, std::uint16_t* calculated,
                     std::int64_t* length) {
    const RomFileCheck check = CheckRomFile(path);
    if (length != nullptr && (check.outcome == RomFileOutcome::Checked ||
                              check.outcome == RomFileOutcome::InvalidLength)) {
        *length = check.length;
    }
    if (check.outcome != RomFileOutcome::Checked) {
        return false;
    }
    if (stored != nullptr) {
        *stored = check.checksums.stored;
    }
    if (calculated != nullptr) {
        *calculated = check.checksums.calculated;
    }
    return true;
}

} // namespace korvane
