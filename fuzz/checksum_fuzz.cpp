// A ROM image file of any size and content: the checksum and its report text. The first
// byte chooses between the bytes as they are and a 32 KiB or 64 KiB image built from them,
// so that the summing of whole images is reached as well as the length checks.

#include "romtools/checksum_report.h"
#include "romtools/rom_checksum.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = [] {
        char pattern[] = "/tmp/korvane-fuzz-rom-XXXXXX";
        const int descriptor = ::mkstemp(pattern);
        if (descriptor >= 0) {
            ::close(descriptor);
        }
        return std::string(pattern);
    }();
    std::vector<std::uint8_t> image(data, data + size);
    if (size > 0 && data[0] % 3 != 0) {
        const std::size_t imageSize = data[0] % 3 == 1 ? 0x8000 : 0x10000;
        image.assign(imageSize, 0xFF);
        // The bytes go to the start of the summed last 32 KiB, where the stored sum lives.
        std::copy(data + 1, data + std::min<std::size_t>(size, 0x8001), image.end() - 0x8000);
    }
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(image.data(), 1, image.size(), file);
        std::fclose(file);
    }
    const korvane::RomFileCheck check = korvane::CheckRomFile(path);
    const std::string text = korvane::ChecksumReportText(path, check);
    if (text.empty()) {
        __builtin_trap();
    }
    return 0;
}
