#include "doctor/adapter_check.h"

#include "text/format_text.h"

#include <cstdlib>
#include <optional>

namespace korvane {

namespace {

std::optional<unsigned> HexAttribute(const DeviceTree& tree, const std::string& path) {
    const std::optional<std::string> text = tree.Attribute(path);
    if (!text || text->empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    const unsigned long value = std::strtoul(text->c_str(), &end, 16);
    if (*end != '\0') {
        return std::nullopt;
    }
    return static_cast<unsigned>(value);
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Judges the family found, or says that none is known.
void JudgeFamily(DoctorStep& step, const AdapterFamily* family, const std::string& what) {
    if (family == nullptr) {
        step.mark = StepMark::Ok;
        step.finding = what + ", a chip family Korvane does not know: the rate read back tells";
        return;
    }
    const std::string name(family->name);
    const std::string note(family->note);
    step.evidence.push_back("chip family: " + name);
    switch (family->makes) {
    case MakesLineRate::Yes:
        step.mark = StepMark::Ok;
        step.finding = what + ": " + name + ", makes 1953 baud";
        step.evidence.push_back("1953 baud: yes (" + note + ")");
        return;
    case MakesLineRate::Depends:
        step.mark = StepMark::Ok;
        step.finding = what + ": " + name +
                       ", 1953 baud depends on the type: the rate read "
                       "back tells";
        step.evidence.push_back("1953 baud: depends (" + note + ")");
        return;
    case MakesLineRate::No:
        step.mark = StepMark::Failed;
        step.finding = what + ": " + name + ", cannot make 1953 baud";
        step.evidence.push_back("1953 baud: no (" + note + ")");
        step.cause = "the adapter's chip cannot make the line's rate, so no unit will understand "
                     "it";
        step.fix = "use " + std::string(kAdapterToBuy);
        return;
    }
}

DoctorStep FromRegistry(const std::string& deviceName, DoctorFindings& found) {
    DoctorStep step;
    step.title = "Adapter";
    step.evidence.push_back("the registry names " + found.portName + " " + deviceName);
    found.family = FindAdapterFamilyByDeviceName(deviceName);
    JudgeFamily(step, found.family, deviceName);
    return step;
}

DoctorStep FromDeviceTree(const DeviceTree& tree, DoctorFindings& found) {
    DoctorStep step;
    step.title = "Adapter";
    if (found.device.rfind("/dev/pts/", 0) == 0) {
        step.mark = StepMark::Ok;
        step.finding = "a pseudo-terminal: a simulator or an emulator, no adapter";
        return step;
    }
    found.deviceName = BaseName(found.device);
    const std::string base = "class/tty/" + found.deviceName + "/device/";
    const std::string driver = tree.LinkName(base + "driver");
    if (driver.empty()) {
        step.mark = StepMark::Skipped;
        step.finding = "the system does not describe " + found.device;
        return step;
    }
    step.evidence.push_back("driver: " + driver);
    unsigned vendor = 0;
    unsigned product = 0;
    // The USB device sits one or two levels above the serial port's device.
    for (const char* up : {"", "../", "../../"}) {
        const auto vendorId = HexAttribute(tree, base + up + "idVendor");
        const auto productId = HexAttribute(tree, base + up + "idProduct");
        if (vendorId && productId) {
            vendor = *vendorId;
            product = *productId;
            const auto productName = tree.Attribute(base + up + "product");
            step.evidence.push_back(
                FormatText("USB vendor %04X, product %04X", vendor, product) +
                (productName && !productName->empty() ? " (" + *productName + ")" : ""));
            break;
        }
    }
    found.family = FindAdapterFamily(driver, vendor, product);
    JudgeFamily(step, found.family, "driver " + driver);
    return step;
}

} // namespace

DoctorStep CheckAdapter(const SystemSeams& system, DoctorFindings& found) {
    const std::string registryName = system.nodes.RegistryDeviceName(found.portName);
    if (!registryName.empty()) {
        return FromRegistry(registryName, found);
    }
    return FromDeviceTree(system.tree, found);
}

} // namespace korvane
