#pragma once

#include "doctor/adapter_families.h"
#include "link/unit_type.h"

#include <string>
#include <vector>

namespace korvane {

// What a unit said to the ROM ID requests. A garbled reply can pass for a ROM ID, so the
// unit is asked until two answers agree.
struct UnitAnswer {
    UnitType unit = UnitType::Ecu;
    bool romIdReceived = false;           // two answers agreed
    bool anyBytes = false;                // something came, a ROM ID or not
    std::string romId;                    // the agreed six hex digits when received
    std::vector<std::string> romIdsHeard; // each request's ROM ID in order, "" when none came
    double firstReplyMs = -1;             // from the waking frame to the first bytes; -1 when none
};

// What the checks learn from each other, in the order they run.
struct DoctorFindings {
    std::string portName;
    std::string device;     // the device the port name leads to, links followed
    std::string deviceName; // its name in the kernel's device tree ("ttyUSB0"); may be empty
    const AdapterFamily* family = nullptr;
    bool portOpen = false;
    std::vector<UnitAnswer> answers;
};

// A path as shown to the user: the home folder written as "~", so a report names no user.
std::string ShownPath(const std::string& path);

} // namespace korvane
