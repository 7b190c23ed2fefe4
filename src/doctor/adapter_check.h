#pragma once

#include "doctor/doctor_findings.h"
#include "doctor/doctor_seams.h"
#include "doctor/doctor_step.h"

namespace korvane {

// The adapter behind the device: on Linux its USB identity and driver from the device tree,
// on Windows the port's device name from the registry; its chip family and whether that
// family makes 1953 baud. Notes the family and the device's tree name in `found`.
DoctorStep CheckAdapter(const SystemSeams& system, DoctorFindings& found);

} // namespace korvane
