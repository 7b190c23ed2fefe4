#pragma once

#include "doctor/doctor_findings.h"
#include "doctor/doctor_step.h"
#include "doctor/traced_line.h"

#include <functional>

namespace korvane {

// The units in the order they are asked, with the captions the window gives them.
struct UnitCaption {
    UnitType unit;
    const char* caption;
};
inline constexpr UnitCaption kDoctorUnits[] = {{UnitType::Ecu, "ECU"},
                                               {UnitType::Tcu, "TCU"},
                                               {UnitType::Aircon, "Aircon"},
                                               {UnitType::FourWs, "4WS"},
                                               {UnitType::Cruise, "Cruise"}};
const char* UnitCaptionOf(UnitType unit);

// Sends a ROM ID request to each unit type over the open port and notes each answer, or
// the silence, with the time to the first reply. Stops early when `stop` says so.
DoctorStep CheckUnits(TracedLine& line, DoctorFindings& found, const std::function<bool()>& stop);

} // namespace korvane
