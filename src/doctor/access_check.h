#pragma once

#include "doctor/doctor_findings.h"
#include "doctor/doctor_seams.h"
#include "doctor/doctor_step.h"

namespace korvane {

// Whether this user may use the device (its group, membership now and at the next login)
// and whether another program holds it.
DoctorStep CheckAccess(const DeviceNodes& nodes, const DoctorFindings& found);

} // namespace korvane
