#pragma once

#include "doctor/doctor_seams.h"
#include "doctor/doctor_step.h"

#include <functional>
#include <string>
#include <vector>

namespace korvane {

// What the checks need: the system's answers, the port, a clock for the trace, and a stop
// request (from the user) that ends the checks at the next unit or read.
struct DoctorSetup {
    SystemSeams system;
    DoctorPort& port;
    const DoctorClock& clock;
    std::function<bool()> stopRequested;
};

// The outcome of the six checks in order.
struct DoctorRun {
    std::string portName;
    std::vector<DoctorStep> steps;
    std::string verdict;            // the last word: the line's quality, or why nothing answers
    bool answeredCleanly = false;   // a unit answered and every read of the line was clean
    std::vector<std::string> trace; // the doctor's own traffic, time-stamped
};

// Checks the port name, the adapter, access, the line, the units and the line's quality, in
// that order, and reports each step through `onStep` as it finishes. A failed name, access
// or line skips the steps after it; units are read for quality only when one answered.
DoctorRun RunConnectionDoctor(const std::string& portName, const DoctorSetup& setup,
                              const std::function<void(const DoctorStep&)>& onStep);

} // namespace korvane
