// A ROM image file of any size and content: the checksum and its report text.

#include "romtools/checksum_report.h"
#include "romtools/rom_checksum.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = [] {
        char pattern[] = "/tmp/korvane-fuzz-rom-XXXXXX";
        const int descriptor = ::mkstemp(pattern);
        if (descriptor >= 0) {
            ::close(descriptor);
        }
        return std::string(pattern);
    }();
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    const korvane::RomFileCheck check = korvane::CheckRomFile(path);
    const std::string text = korvane::ChecksumReportText(path, check);
    if (text.empty()) {
        __builtin_trap();
    }
    return 0;
}
