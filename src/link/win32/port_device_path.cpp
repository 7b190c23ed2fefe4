#include "link/port_device.h"

namespace korvane {

std::string PortDevicePath(std::string_view name) {
    // Only COM1-COM9 are reserved names everywhere; COM10 upward exist only in the device
    // namespace, so every name is handed over there (paths already in it stay as they are).
    if (name.substr(0, 2) == "\\\\") {
        return std::string(name);
    }
    return "\\\\.\\" + std::string(name);
}

std::string PortLinkFolder() {
    return {};
}

} // namespace korvane
