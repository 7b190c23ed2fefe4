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

// True when the ROM IDs a unit gave are not all the same, a request that brought none
// included: the line garbled some of them.
bool RomIdsDisagree(const UnitAnswer& answer);

// Asks each unit type for its ROM ID over the open port, again until two answers agree, and
// notes the answers, or the silence, with the time to the first reply. Units whose answers
// disagree make a warning about the line. Stops early when `stop` says so.
DoctorStep CheckUnits(TracedLine& line, DoctorFindings& found, const std::function<bool()>& stop);

} // namespace korvane
