#include "link/unit_type.h"

namespace korvane {

UnitType UnitTypeFromValue(int value) {
    if (value < static_cast<int>(UnitType::Ecu) || value > static_cast<int>(UnitType::Cruise)) {
        return UnitType::Ecu;
    }
    return static_cast<UnitType>(value);
}

} // namespace korvane
