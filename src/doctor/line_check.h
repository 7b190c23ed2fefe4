#pragma once

#include "doctor/doctor_findings.h"
#include "doctor/doctor_seams.h"
#include "doctor/doctor_step.h"

namespace korvane {

// The time a one-address read needs on the line itself: a 4-byte frame out and a 3-byte
// reply back, 11 bits a byte at 1953 baud.
inline constexpr double kAddressLineTimeMs = 7 * 11 * 1000.0 / 1953;

// Opens the port at the units' line settings, reads back the rate the driver made (the
// exact figure) and, where the driver shows it, the adapter's latency timer. Notes an open
// port in `found`.
DoctorStep CheckLine(DoctorPort& port, const DeviceTree& tree, DoctorFindings& found);

} // namespace korvane
