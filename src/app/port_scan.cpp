#include "app/port_scan.h"

#include "app/main_view.h"
#include "link/port_device.h"
#include "link/serial_port.h"
#include "reading/unit_session.h"

namespace korvane {

PortScanOutcome ScanSerialPorts(UnitSession& session, int preferredPort) {
    SerialPort& port = session.Port();
    PortScanOutcome outcome;
    outcome.noneFound = port.ProbePorts() == 0;
    port.ListFoundPorts(outcome.names);
    if (!outcome.names.empty()) {
        const std::string preferred = "COM" + std::to_string(preferredPort);
        if (preferredPort > 0 && session.OpenPort(preferred)) {
            outcome.chosen = preferred;
        } else {
            outcome.chosen = outcome.names.front();
            session.OpenPort(outcome.chosen);
        }
    }
    outcome.status = StatusOf(port);
    return outcome;
}

void ShowPortScan(MainView& view, const PortScanOutcome& outcome) {
    if (outcome.noneFound) {
        view.ShowMessageBox("Serial Port Scan...", "No serial ports found!\n", MessageBoxStyle::Ok);
    }
    if (outcome.names.empty()) {
        // The list keeps what it offered before.
        view.ShowPortStatus(outcome.status.open ? "Ok" : "Error", "No serial ports found");
        return;
    }
    view.ShowPorts(outcome.names, outcome.chosen);
    ShowPortStatus(view, outcome.status, "Error");
}

PortStatus StatusOf(const SerialPort& port) {
    PortStatus status;
    status.open = port.IsOpen();
    if (!status.open) {
        status.tip = PortFailureTip(port.LastOpenError());
        return status;
    }
    status.tip = port.PortName();
    const std::string device = PortDevicePath(port.PortName());
    if (!device.empty() && device != port.PortName()) {
        status.tip += " on " + device;
    }
    const int rate = port.MadeBaudRate();
    status.tip += ", " + std::to_string(rate) + " baud, 8 data bits, even parity, one stop bit";
    if (port.AcceptsAnyRate() && rate != kUnitBaudRate) {
        status.rateNote = port.PortName() + " runs at " + std::to_string(rate) + " baud, not " +
                          std::to_string(kUnitBaudRate) + " (--any-rate)";
    }
    return status;
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

void ShowPortStatus(MainView& view, const PortStatus& status, const char* failureText) {
    view.ShowPortStatus(status.open ? "Ok" : failureText, status.tip);
    if (!status.rateNote.empty()) {
        view.AddMessage(status.rateNote);
    }
}

} // namespace korvane
