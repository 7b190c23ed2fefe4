#pragma once

#include <string_view>

namespace korvane {

// True when both texts have the same letters, upper and lower case counted alike (port
// names, ROM IDs).
bool EqualIgnoringCase(std::string_view a, std::string_view b);

} // namespace korvane
