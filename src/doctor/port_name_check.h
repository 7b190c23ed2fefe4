#pragma once

#include "doctor/doctor_findings.h"
#include "doctor/doctor_seams.h"
#include "doctor/doctor_step.h"

namespace korvane {

// Which device the port name stands for (the table, a link of the port folder, or a path)
// and whether it is there. Notes the device in `found`.
DoctorStep CheckPortName(const DeviceNodes& nodes, DoctorFindings& found);

} // namespace korvane
