#include "link/serial_port.h"

namespace korvane {

std::string DescribeOpenError(const PortOpenError& error) {
    std::string text = error.device + ": " + error.reason;
    if (!error.group.empty()) {
        text += " (device group: " + error.group + ")";
    }
    return text;
}

int SerialPort::ProbePorts() {
    Close();
    int opened = 0;
    for (PortTableEntry& entry : portTable) {
        if (Open(std::string(entry.name), kProbeBaudRate, kParityNone, kOneStopBit)) {
            entry.found = true;
            ++opened;
            Close();
        }
    }
    return opened;
}

int SerialPort::ListFoundPorts(std::vector<std::string>& names) const {
    names.clear();
    for (const PortTableEntry& entry : portTable) {
        if (entry.found) {
            names.emplace_back(entry.name);
        }
    }
    return static_cast<int>(names.size());
}

} // namespace korvane
