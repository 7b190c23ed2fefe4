#pragma once

#include <string>
#include <string_view>

namespace korvane {

// Whether a chip family can make 1953 baud: by its documentation and its driver, or only
// the rate read back from the open port can tell (types that look alike differ).
enum class MakesLineRate { Yes, No, Depends };

// A family of serial adapter chips, named as in the README's adapter table.
struct AdapterFamily {
    std::string_view name;
    MakesLineRate makes;
    std::string_view note; // why, in a few words
};

// The family for a driver name and USB vendor and product IDs (0 when not known); nullptr
// when the driver is none of the table's.
const AdapterFamily* FindAdapterFamily(std::string_view driver, unsigned vendor, unsigned product);

// The family for a Windows device name such as "\Device\VCP0", by the driver's prefix.
const AdapterFamily* FindAdapterFamilyByDeviceName(std::string_view deviceName);

// What to buy when the adapter cannot make 1953 baud.
inline constexpr std::string_view kAdapterToBuy =
    "an adapter with an FTDI FT232R or a Silicon Labs CP2102N chip";

} // namespace korvane
