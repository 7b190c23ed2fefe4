#include "doctor/access_check.h"

namespace korvane {

namespace {

std::string YesNo(bool yes) {
    return yes ? "yes" : "no";
}

std::string HolderText(const DeviceHolder& holder) {
    return holder.program + " (process " + std::to_string(holder.processId) + ")";
}

} // namespace

DoctorStep CheckAccess(const DeviceNodes& nodes, const DoctorFindings& found) {
    DoctorStep step;
    step.title = "Access";
    const DeviceAccess access = nodes.Access(found.device);
    const std::string device = ShownPath(found.device);
    if (!access.group.empty()) {
        step.evidence.push_back("device group: " + access.group);
        step.evidence.push_back("this login has the group: " + YesNo(access.inGroup));
        step.evidence.push_back("you are listed in the group: " + YesNo(access.listedInGroup));
    }
    step.evidence.push_back("reading and writing allowed: " + YesNo(access.readWrite));
    if (!access.readWrite) {
        step.mark = StepMark::Failed;
        if (!access.inGroup && access.listedInGroup) {
            step.finding = "permission refused: you were added to the group " + access.group +
                           " but this login does not have it yet";
            step.cause = "group membership takes effect at the next login";
            step.fix = "log out and in again (or restart), then check again";
        } else if (!access.inGroup && !access.group.empty()) {
            step.finding = "permission refused: " + device + " belongs to the group " +
                           access.group + ", and you are not in it";
            step.cause = "only members of the device's group may use it";
            step.fix = "sudo usermod -aG " + access.group + " $USER, then log out and in again";
        } else {
            step.finding = "permission refused for " + device;
            step.cause = "the device's permissions do not let its group read and write it";
            step.fix = "sudo chmod g+rw " + device + " (or a udev rule that does so)";
        }
        return step;
    }
    // A pseudo-terminal's other side (a simulator) holds it open by design.
    const bool pseudoTerminal = found.device.rfind("/dev/pts/", 0) == 0;
    const std::vector<DeviceHolder> holders =
        pseudoTerminal ? std::vector<DeviceHolder>{} : nodes.Holders(found.device);
    for (const DeviceHolder& holder : holders) {
        step.evidence.push_back("held open by " + HolderText(holder));
    }
    if (!holders.empty()) {
        step.mark = StepMark::Failed;
        step.finding = device + " is in use by " + HolderText(holders.front());
        step.cause = "another program has the port open; two programs on one line garble "
                     "each other's traffic";
        step.fix = "close " + holders.front().program +
                   " (or stop it, if it is a service that probes new ports), then check again";
        return step;
    }
    step.mark = StepMark::Ok;
    step.finding = "you may read and write " + device +
                   (access.group.empty() ? "" : " (group " + access.group + ")") +
                   "; no other program holds it";
    return step;
}

} // namespace korvane
