#include "workbench/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace korvane {

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& reason) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        reason = "cannot read " + path + ": not a file";
        return false;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        reason = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    bytes.clear();
    char chunk[64 * 1024];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        bytes.append(chunk, count);
    }
    if (std::ferror(file.get()) != 0) {
        reason = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace korvane
