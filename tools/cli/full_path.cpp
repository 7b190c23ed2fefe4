#include "full_path.h"

#include <filesystem>
#include <system_error>

namespace korvane::cli {

std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal().string();
}

} // namespace korvane::cli
