#include "app/port_scan.h"

#include "app/dialog_utils.h"
#include "app/window.h"
#include "link/port_device.h"
#include "link/serial_port.h"
#include "resources/control_ids.h"

#include <vector>

namespace korvane {

namespace {
constexpr int kPortCombo = ids::main::kPortCombo;
} // namespace

bool OpenUnitPort(SerialPort& port, const std::string& name) {
    return port.Open(name, kUnitBaudRate, kParityEven, kOneStopBit);
}

int ScanSerialPorts(Window& window, SerialPort& port, int preferredPort) {
    if (port.ProbePorts() == 0) {
        window.ShowMessageBox("Serial Port Scan...", "No serial ports found!\n",
                              MessageBoxStyle::Ok);
    }
    std::vector<std::string> names;
    port.ListFoundPorts(names);
    if (names.empty()) {
        return 0;
    }
    if (preferredPort > 0) {
        const std::string preferred = "COM" + std::to_string(preferredPort);
        if (OpenUnitPort(port, preferred)) {
            FillComboBox(window, kPortCombo, names, true, preferred);
            return static_cast<int>(names.size());
        }
    }
    FillComboBox(window, kPortCombo, names, true, names.front());
    OpenUnitPort(port, names.front());
    return static_cast<int>(names.size());
}

std::string PortStatusTip(const SerialPort& port) {
    if (port.IsOpen()) {
        std::string tip = port.PortName();
        const std::string device = PortDevicePath(port.PortName());
        if (!device.empty() && device != port.PortName()) {
            tip += " on " + device;
        }
        return tip + ", 1953 baud, 8 data bits, even parity, one stop bit";
    }
    return PortFailureTip(port.LastOpenError());
}

std::string PortFailureTip(const PortOpenError& error) {
    if (error.device.empty() && error.reason.empty()) {
        return "No serial port is open";
    }
    std::string tip = "Could not open " + DescribeOpenError(error);
    if (!error.group.empty()) {
        // Membership of the device's group is the way in; running as an administrator is not.
        tip += "\nTo use this port, join the group \"" + error.group + "\" (sudo usermod -aG " +
               error.group + " $USER), then log out and in again.";
    }
    return tip;
}

void ShowPortStatus(Window& window, const SerialPort& port, const char* failureText) {
    window.SetText(ids::main::kPortStatus, port.IsOpen() ? "Ok" : failureText);
    window.SetToolTip(ids::main::kPortStatus, PortStatusTip(port));
}

} // namespace korvane
