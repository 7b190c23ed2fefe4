#include "doctor/doctor_seams.h"
#include "text/ignore_case.h"

#if !defined(WIN32_LEAN_AND_MEAN)
#define WIN32_LEAN_AND_MEAN
#endif
#if !defined(NOMINMAX)
#define NOMINMAX
#endif
#include <windows.h>

namespace korvane {

namespace {

// Windows keeps no device tree the checks read.
class NoDeviceTree final : public DeviceTree {
public:
    std::optional<std::string> Attribute(const std::string& /*path*/) const override {
        return std::nullopt;
    }
    std::string LinkName(const std::string& /*path*/) const override { return {}; }
};

class WindowsDeviceNodes final : public DeviceNodes {
public:
    // "\\.\COM3" exists when the system maps COM3 to a device.
    DeviceNode Inspect(const std::string& path) const override {
        DeviceNode node;
        node.target = path;
        const std::string prefix = "\\\\.\\";
        const std::string name =
            path.compare(0, prefix.size(), prefix) == 0 ? path.substr(prefix.size()) : path;
        char target[1024];
        node.exists = QueryDosDeviceA(name.c_str(), target, sizeof target) != 0;
        return node;
    }

    // No groups: whether the port opens is left to the line check.
    DeviceAccess Access(const std::string& /*device*/) const override { return {}; }

    std::vector<DeviceHolder> Holders(const std::string& /*device*/) const override { return {}; }

    std::string RegistryDeviceName(const std::string& portName) const override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ,
                          &key) != ERROR_SUCCESS) {
            return {};
        }
        std::string found;
        for (DWORD index = 0;; ++index) {
            char valueName[256];
            DWORD nameLength = sizeof valueName;
            BYTE data[256];
            DWORD dataLength = sizeof data - 1;
            DWORD type = 0;
            if (RegEnumValueA(key, index, valueName, &nameLength, nullptr, &type, data,
                              &dataLength) != ERROR_SUCCESS) {
                break;
            }
            if (type != REG_SZ) {
                continue;
            }
            data[dataLength] = 0;
            const std::string port(reinterpret_cast<const char*>(data));
            if (EqualIgnoringCase(port, portName)) {
                found.assign(valueName, nameLength);
                break;
            }
        }
        RegCloseKey(key);
        return found;
    }
};

} // namespace

SystemSeams RealSystemSeams() {
    static const NoDeviceTree tree;
    static const WindowsDeviceNodes nodes;
    return {tree, nodes};
}

std::string SystemDescription() {
    return "Windows";
}

} // namespace korvane
