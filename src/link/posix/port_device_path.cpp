#include "link/port_device.h"
#include "link/port_table.h"

#include <cstdlib>
#include <sys/stat.h>

namespace korvane {

namespace {

// Default devices by table position: USB adapters first, as they are what a PC has today.
std::string DefaultDevice(int index) {
    if (index < 4) {
        return "/dev/ttyUSB" + std::to_string(index);
    }
    if (index < 8) {
        return "/dev/ttyACM" + std::to_string(index - 4);
    }
    return "/dev/ttyS" + std::to_string(index - 8);
}

std::string Environment(const char* variable) {
    const char* value = std::getenv(variable);
    return value == nullptr ? std::string() : std::string(value);
}

} // namespace

std::string PortLinkFolder() {
    // The base directory rules: a relative XDG_CONFIG_HOME is to be ignored.
    std::string base = Environment("XDG_CONFIG_HOME");
    if (base.empty() || base.front() != '/') {
        const std::string home = Environment("HOME");
        if (home.empty()) {
            return {};
        }
        base = home + "/.config";
    }
    return base + "/korvane/ports";
}

std::string PortDevicePath(std::string_view name) {
    if (name.find('/') != std::string_view::npos) {
        return std::string(name);
    }
    const int index = PortTableIndex(name);
    if (index < 0) {
        return {};
    }
    const std::string folder = PortLinkFolder();
    if (!folder.empty()) {
        // The link is taken even when it dangles: a device pinned to a name that is unplugged
        // must fail to open rather than let another device answer to that name.
        std::string link = folder + "/" + std::string(kInitialPortTable[index].name);
        struct stat status {};
        if (lstat(link.c_str(), &status) == 0) {
            return link;
        }
    }
    return DefaultDevice(index);
}

} // namespace korvane
