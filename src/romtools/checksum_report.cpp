#include "romtools/checksum_report.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace korvane {

namespace {

#if defined(__GNUC__) || defined(__clang__)
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
#endif

std::string FormatText(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized): va_start is not seen through the macro
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length) + 1);
        (void)std::vsnprintf(text.data(), text.size(), format, arguments);
        text.resize(static_cast<std::size_t>(length));
    }
    va_end(arguments);
    return text;
}

} // namespace

std::string ChecksumReportText(std::string_view path, const RomFileCheck& check) {
    const std::string file(path);
    switch (check.outcome) {
    case RomFileOutcome::Checked:
        return FormatText("File: %s\n\nChecksum %s\n\nStored Checksums:   \t%4.4X\n"
                          "Calculated Checksums:\t%4.4X\nFile size: 0x%4.4llX (%lld) bytes",
                          file.c_str(), check.checksums.Agree() ? "OK" : "ERROR",
                          static_cast<unsigned>(check.checksums.stored),
                          static_cast<unsigned>(check.checksums.calculated),
                          static_cast<unsigned long long>(check.length),
                          static_cast<long long>(check.length));
    case RomFileOutcome::InvalidLength:
        return FormatText("Checksum failed\nInvalid file length= %4.4llX",
                          static_cast<unsigned long long>(check.length));
    case RomFileOutcome::NotAFile:
        return FormatText("Checksum failed\nNot a file: %s", file.c_str());
    case RomFileOutcome::CannotOpen:
    case RomFileOutcome::CannotRead:
        break;
    }
    return FormatText("Checksum failed\nCannot read file: %s\n%s", file.c_str(),
                      check.error.message().c_str());
}

} // namespace korvane
