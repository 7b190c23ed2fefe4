#pragma once

#include "cli_options.h"
#include "doctor/doctor_seams.h"

#include <ostream>

namespace korvane::cli {

// Runs the connection checks on --port (or the definitions' preferred port), printing
// each step as it finishes and the verdict last, and writes the support report when asked.
// 0 when a unit answered cleanly, 1 otherwise.
int RunDoctor(const CliOptions& options, std::ostream& out, std::ostream& err);

// The same over the given system and port, for tests.
int RunDoctorOn(const CliOptions& options, const SystemSeams& system, DoctorPort& port,
                const DoctorClock& clock, std::ostream& out, std::ostream& err);

} // namespace korvane::cli
