#include "port_link.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace korvane::ecusim {

namespace fs = std::filesystem;

std::string PortFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    fs::path base;
    // Relative values are to be ignored, as for any other XDG variable.
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') {
            return {};
        }
        base = fs::path(home) / ".config";
    }
    return (base / "korvane" / "ports").string();
}

bool PortLink::Create(const std::string& linkPath, const std::string& target, std::string& error) {
    std::error_code ec;
    const fs::path link(linkPath);
    if (link.has_parent_path()) {
        fs::create_directories(link.parent_path(), ec);
        if (ec) {
            error = "cannot create " + link.parent_path().string() + ": " + ec.message();
            return false;
        }
    }
    const fs::file_status status = fs::symlink_status(link, ec);
    if (fs::exists(status) && !fs::is_symlink(status)) {
        error = linkPath + " exists and is not a link; left alone";
        return false;
    }
    // Made under a temporary name and renamed over the old link, so that the name never
    // points nowhere.
    const std::string temporary = linkPath + ".new" + std::to_string(getpid());
    (void)unlink(temporary.c_str());
    if (symlink(target.c_str(), temporary.c_str()) != 0) {
        error = "cannot link " + linkPath + ": " + std::strerror(errno);
        return false;
    }
    if (rename(temporary.c_str(), linkPath.c_str()) != 0) {
        error = "cannot link " + linkPath + ": " + std::strerror(errno);
        (void)unlink(temporary.c_str());
        return false;
    }
    path_ = linkPath;
    target_ = target;
    return true;
}

void PortLink::Remove() {
    if (path_.empty()) {
        return;
    }
    std::error_code ec;
    const fs::path current = fs::read_symlink(path_, ec);
    if (!ec && current.string() == target_) {
        (void)unlink(path_.c_str());
    }
    path_.clear();
}

} // namespace korvane::ecusim
