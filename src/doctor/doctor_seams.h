#pragma once

#include "link/byte_channel.h"
#include "link/serial_port.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

// What the checks ask of the system, behind interfaces so that every finding can be played
// without root, real adapters or a car. The system's own answers are in SystemSeams().

// The kernel's device tree (Linux: /sys), by paths below its root such as
// "class/tty/ttyUSB0/device/driver".
class DeviceTree {
public:
    virtual ~DeviceTree() = default;
    // The text of an attribute file without its line end; nothing when it is not there.
    virtual std::optional<std::string> Attribute(const std::string& path) const = 0;
    // The last part of where a link leads ("ftdi_sio" for a driver link); empty when no link.
    virtual std::string LinkName(const std::string& path) const = 0;
};

// A port's device path as found on the file system.
struct DeviceNode {
    bool isLink = false;
    std::string target;  // where the path leads, links followed (the path itself otherwise)
    bool exists = false; // something is there at the end
};

// Who may use a device, as this process sees it.
struct DeviceAccess {
    std::string group;          // the device's group; empty where there are none
    bool readWrite = true;      // this process may open it for reading and writing
    bool inGroup = false;       // this process has the group now
    bool listedInGroup = false; // the user is listed in the group (takes effect at login)
};

// Another program that has the device open.
struct DeviceHolder {
    std::string program;
    long processId = 0;
};

class DeviceNodes {
public:
    virtual ~DeviceNodes() = default;
    virtual DeviceNode Inspect(const std::string& path) const = 0;
    virtual DeviceAccess Access(const std::string& device) const = 0;
    // Other processes holding the device, where the system tells (not this process).
    virtual std::vector<DeviceHolder> Holders(const std::string& device) const = 0;
    // Windows: the port's device name from the registry ("\Device\VCP0"); empty elsewhere.
    virtual std::string RegistryDeviceName(const std::string& portName) const = 0;
};

// The port the checks open and talk through.
class DoctorPort {
public:
    virtual ~DoctorPort() = default;
    // Opens the port at the units' line settings, taking whatever rate the driver makes so
    // that the rate can be judged and named. False with the error when it does not open.
    virtual bool Open(const std::string& name, PortOpenError& error) = 0;
    // The rate the driver reported for the open port.
    virtual int MadeBaudRate() const = 0;
    virtual ByteChannel& Channel() = 0;
    virtual Sleeper& Pauses() = 0;
};

// Milliseconds since the checks began.
class DoctorClock {
public:
    virtual ~DoctorClock() = default;
    virtual double NowMs() const = 0;
};

struct SystemSeams {
    const DeviceTree& tree;
    const DeviceNodes& nodes;
};

// The running system's device tree and device nodes.
SystemSeams RealSystemSeams();

// "Linux 6.1.0 x86_64", "Windows 10.0": the system for a report, nothing about its owner.
std::string SystemDescription();

} // namespace korvane
