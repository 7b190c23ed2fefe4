#include "command_output.h"
#include "link/port_device.h"
#include "link/serial_port.h"
#include "unit_commands.h"

#include <filesystem>
#include <system_error>

namespace korvane::cli {

namespace {

// The device behind a port name, through the links of the port folder.
std::string ResolvedDevice(const std::string& name) {
    const std::string path = PortDevicePath(name);
    std::error_code error;
    const std::filesystem::path device = std::filesystem::canonical(path, error);
    return error ? path : device.string();
}

} // namespace

int RunPorts(std::ostream& out, std::ostream& err) {
    SerialPort port;
    port.ProbePorts();
    std::vector<std::string> names;
    if (port.ListFoundPorts(names) == 0) {
        return Fail(err, "ports", "no serial ports found");
    }
    for (const std::string& name : names) {
        out << name << '\t' << ResolvedDevice(name) << '\n';
    }
    return kExitSuccess;
}

} // namespace korvane::cli
