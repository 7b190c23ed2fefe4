#pragma once

namespace korvane {

// The control unit the transactions talk to. It selects the read command byte and the
// layout of the read frame. The values are the ones the window's radio buttons map to.
enum class UnitType : int {
    Ecu = 0,
    Tcu = 1,
    Aircon = 2,
    FourWs = 3,
    Cruise = 4,
};

// The unit for a numeric value; anything outside 0..4 is the ECU.
UnitType UnitTypeFromValue(int value);

} // namespace korvane
