#include "doctor/port_name_check.h"

#include "link/port_device.h"

namespace korvane {

namespace {

constexpr const char* kUnplugged = "the adapter is unplugged or has another name";

// Where the device of a name comes from, for the evidence.
std::string Origin(const std::string& name, const std::string& path) {
    if (name.find('/') != std::string::npos) {
        return "a device path, used as given";
    }
    const std::string folder = PortLinkFolder();
    if (!folder.empty() && path.compare(0, folder.size(), folder) == 0) {
        return "a link in the port folder " + ShownPath(folder);
    }
    return "Korvane's port table";
}

} // namespace

DoctorStep CheckPortName(const DeviceNodes& nodes, DoctorFindings& found) {
    DoctorStep step;
    step.title = "Port name";
    const std::string& name = found.portName;
    if (name.empty()) {
        step.mark = StepMark::Failed;
        step.finding = "no port to check: none was named and none was found";
        step.cause = "no serial adapter is plugged in, or the system does not show it";
        step.fix = "plug the adapter in and name its port (korvane-cli ports lists the ports "
                   "found)";
        return step;
    }
    const std::string path = PortDevicePath(name);
    if (path.empty()) {
        step.mark = StepMark::Failed;
        step.finding = name + " is not a port name";
        step.cause = "Korvane knows COM1 to COM16 and device paths";
        step.fix = "name a port such as COM1, or the device's path";
        return step;
    }
    const DeviceNode node = nodes.Inspect(path);
    step.evidence.push_back(name + " stands for " + ShownPath(path) + " (" + Origin(name, path) +
                            ")");
    if (node.isLink) {
        step.evidence.push_back("the link leads to " + ShownPath(node.target));
    }
    step.evidence.push_back(node.exists ? "the device exists" : "nothing is there");
    found.device = node.target;
    if (!node.exists) {
        step.mark = StepMark::Failed;
        step.finding = node.isLink ? name + " is a link to " + ShownPath(node.target) +
                                         ", which does not exist"
                                   : name + " is " + ShownPath(path) + ", which does not exist";
        step.cause = kUnplugged;
        step.fix = node.isLink ? "plug the adapter in, or point the link at the adapter's "
                                 "device (ls -l /dev/serial/by-id)"
                               : "plug the adapter in; if it is in, its port has another name "
                                 "(korvane-cli ports lists the ports found)";
        return step;
    }
    step.mark = StepMark::Ok;
    step.finding = node.target == name ? name + " exists" : name + " is " + ShownPath(node.target);
    return step;
}

} // namespace korvane
