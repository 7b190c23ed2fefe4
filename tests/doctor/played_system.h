#pragma once

// A system whose device tree and device nodes say what the test sets: an adapter's
// identity, a missing device, refused access, another program holding the port.

#include "doctor/doctor_seams.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace korvane::fakes {

class PlayedTree final : public DeviceTree {
public:
    std::map<std::string, std::string> attributes;
    std::map<std::string, std::string> links;

    std::optional<std::string> Attribute(const std::string& path) const override {
        const auto it = attributes.find(path);
        return it == attributes.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    std::string LinkName(const std::string& path) const override {
        const auto it = links.find(path);
        return it == links.end() ? std::string() : it->second;
    }
};

class PlayedNodes final : public DeviceNodes {
public:
    DeviceNode node{false, "/dev/ttyUSB0", true};
    DeviceAccess access{"dialout", true, true, true};
    std::vector<DeviceHolder> holders;

    DeviceNode Inspect(const std::string& /*path*/) const override { return node; }
    DeviceAccess Access(const std::string& /*device*/) const override { return access; }
    std::vector<DeviceHolder> Holders(const std::string& /*device*/) const override {
        return holders;
    }
    std::string RegistryDeviceName(const std::string& /*portName*/) const override { return {}; }
};

// An FTDI adapter as the device tree shows it, with its latency timer at 1 ms.
inline void FtdiAdapter(PlayedTree& tree) {
    tree.links["class/tty/ttyUSB0/device/driver"] = "ftdi_sio";
    tree.attributes["class/tty/ttyUSB0/device/../../idVendor"] = "0403";
    tree.attributes["class/tty/ttyUSB0/device/../../idProduct"] = "6001";
    tree.attributes["class/tty/ttyUSB0/device/latency_timer"] = "1";
}

} // namespace korvane::fakes
