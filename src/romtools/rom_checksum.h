#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <system_error>

namespace korvane {

// A program image is 32 KiB. A 64 KiB image holds 32 KiB of other content (such as the
// zero fill of a memory dump) followed by the program.
inline constexpr std::int64_t kRomProgramLength = 0x8000;
inline constexpr std::int64_t kRomDoubleImageLength = 0x10000;
// Where the program keeps its own checksum, high byte first.
inline constexpr std::int64_t kStoredChecksumOffset = 6;

struct RomChecksums {
    std::uint16_t stored = 0;
    // High byte: the 8-bit sum of every program byte but the two stored ones; low byte:
    // their exclusive-or.
    std::uint16_t calculated = 0;
    bool Agree() const { return stored == calculated; }
};

// Checksums of an image in memory. False, with `checksums` untouched, when the image is
// neither 32 KiB nor 64 KiB long.
bool ChecksumRomImage(std::span<const std::uint8_t> image, RomChecksums& checksums);

enum class RomFileOutcome {
    Checked,       // a 32 or 64 KiB image: the checksums are valid
    InvalidLength, // read whole, but of another length
    NotAFile,      // a folder, device or pipe
    CannotOpen,
    CannotRead,
};

struct RomFileCheck {
    RomFileOutcome outcome = RomFileOutcome::CannotOpen;
    std::int64_t length = 0; // the file's size; 0 unless it could be read
    RomChecksums checksums;  // valid when Checked
    std::error_code error;   // why it could not be opened or read
};

// Reads a ROM image file and forms its checksums. A file longer than 64 KiB is not
// judged by its beginning: it has an invalid length, reported as its true size.
RomFileCheck CheckRomFile(const std::string& path);

// CheckRomFile for callers that want the plain results; each output may be null. True
// when the file is a 32 or 64 KiB image, whether or not its checksums agree; only then
// are `stored` and `calculated` written. `length` is written whenever the file was read.
bool ChecksumRomFile(const std::string& path, std::uint16_t* stored, std::uint16_t* calculated,
                     std::int64_t* length);

} // namespace korvane
