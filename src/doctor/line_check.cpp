#include "doctor/line_check.h"

#include "link/line_rate_check.h"

#include <cstdlib>

namespace korvane {

namespace {

void RefusedOpen(DoctorStep& step, const DoctorFindings& found, const PortOpenError& error) {
    step.mark = StepMark::Failed;
    step.finding = found.portName + " does not open: " + error.reason;
    step.evidence.push_back(ShownPath(DescribeOpenError(error)));
    if (error.reason.find("in use") != std::string::npos) {
        step.cause = "another program holds the port";
        step.fix = "close the other program (another Korvane, a terminal program, a modem "
                   "manager), then check again";
    } else if (!error.group.empty()) {
        step.cause = "you may not use the device";
        step.fix = "sudo usermod -aG " + error.group + " $USER, then log out and in again";
    } else {
        step.cause = "the system refused the device as a serial port";
        step.fix = "check that the name leads to the adapter's serial device";
    }
}

// Where the driver shows a latency timer, warns when it holds bytes back.
void CheckLatency(DoctorStep& step, const DeviceTree& tree, const DoctorFindings& found) {
    if (found.deviceName.empty()) {
        return;
    }
    const auto text = tree.Attribute("class/tty/" + found.deviceName + "/device/latency_timer");
    if (!text || text->empty()) {
        return;
    }
    const int latencyMs = std::atoi(text->c_str());
    step.evidence.push_back("latency timer: " + std::to_string(latencyMs) + " ms");
    if (latencyMs <= 1) {
        return;
    }
    const int percent = static_cast<int>(latencyMs * 100 / kAddressLineTimeMs);
    step.mark = StepMark::Warning;
    step.finding = "the adapter's latency timer is " + std::to_string(latencyMs) +
                   " ms: each address will take up to " + std::to_string(percent) +
                   " % longer; set it to 1";
    step.cause = "the driver holds received bytes back for the latency timer";
    step.fix =
        "echo 1 | sudo tee /sys/bus/usb-serial/devices/" + found.deviceName + "/latency_timer";
}

} // namespace

DoctorStep CheckLine(DoctorPort& port, const DeviceTree& tree, DoctorFindings& found) {
    DoctorStep step;
    step.title = "Line";
    PortOpenError error;
    if (!port.Open(found.portName, error)) {
        RefusedOpen(step, found, error);
        return step;
    }
    found.portOpen = true;
    const int made = port.MadeBaudRate();
    step.evidence.push_back("set: " + std::to_string(kUnitBaudRate) +
                            " baud, 8 data bits, even parity, one stop bit, no flow control");
    step.evidence.push_back("rate read back: " + std::to_string(made) + " baud");
    if (!RateCloseEnough(static_cast<unsigned>(made < 0 ? 0 : made), kUnitBaudRate)) {
        step.mark = StepMark::Failed;
        step.finding = "the driver set " + std::to_string(made) + " baud, not " +
                       std::to_string(kUnitBaudRate);
        step.cause = "the adapter's chip cannot make 1953 baud" +
                     (found.family != nullptr ? " (" + std::string(found.family->name) + ")"
                                              : std::string());
        step.fix = "use " + std::string(kAdapterToBuy);
        return step;
    }
    step.mark = StepMark::Ok;
    step.finding = "open: 8 data bits, even parity, one stop bit; the driver reports " +
                   std::to_string(made) + " baud";
    CheckLatency(step, tree, found);
    return step;
}

} // namespace korvane
