#include "port_folder.h"

#include "link/port_table.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace korvane::testing {

PortFolder::PortFolder() {
    if (const char* value = std::getenv("XDG_CONFIG_HOME")) {
        hadEarlier = true;
        earlier = value;
    }
    std::string pattern = std::filesystem::temp_directory_path().string() + "/korvane-ports-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    configHome = pattern;
    std::filesystem::create_directories(Path());
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
}

PortFolder::~PortFolder() {
    if (hadEarlier) {
        setenv("XDG_CONFIG_HOME", earlier.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
    std::error_code ignored;
    std::filesystem::remove_all(configHome, ignored);
}

void PortFolder::Link(const std::string& portName, const std::string& target) const {
    const std::string link = Path() + "/" + portName;
    std::error_code ignored;
    std::filesystem::remove(link, ignored);
    std::filesystem::create_symlink(target, link);
}

void PortFolder::LinkAllToNothing() const {
    for (const PortTableEntry& entry : kInitialPortTable) {
        Link(std::string(entry.name), configHome + "/missing-device");
    }
}

} // namespace korvane::testing
