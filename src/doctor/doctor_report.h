#pragma once

#include "doctor/connection_doctor.h"

#include <string>
#include <vector>

namespace korvane {

// A step as printed while the checks run: "[ ok ] Port name: <finding>", followed by the
// cause and the fix when it did not pass.
std::vector<std::string> StepLines(const DoctorStep& step);

// "Verdict: <verdict>".
std::string VerdictLine(const DoctorRun& run);

// The support report a user attaches to a question: the program's version, the system,
// each step with its evidence, the verdict and the time-stamped trace of the doctor's own
// traffic. Nothing about the user beyond device names.
std::string DoctorReportText(const DoctorRun& run, const std::string& version,
                             const std::string& system);

// Writes that report for this system into `path`, replacing what was there; false when the
// file could not be written whole.
bool WriteDoctorReport(const std::string& path, const DoctorRun& run, const std::string& version);

} // namespace korvane
