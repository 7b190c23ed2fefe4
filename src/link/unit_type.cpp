#include "link/unit_type.h"

#include <array>

namespace korvane {

namespace {

constexpr std::array<std::string_view, 5> kCaptions = {"ECU", "TCU", "Aircon", "4WS", "Cruise"};

} // namespace

UnitType UnitTypeFromValue(int value) {
    if (value < 0 || value >= static_cast<int>(kCaptions.size())) {
        return UnitType::Ecu;
    }
    return static_cast<UnitType>(value);
}

std::string_view UnitCaption(UnitType unit) {
    return kCaptions[static_cast<std::size_t>(UnitTypeFromValue(static_cast<int>(unit)))];
}

std::optional<UnitType> UnitTypeFromCaption(std::string_view caption) {
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        if (kCaptions[i] == caption) {
            return static_cast<UnitType>(i);
        }
    }
    return std::nullopt;
}

} // namespace korvane
