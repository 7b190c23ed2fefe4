#pragma once

#include <cstdint>

namespace korvane {

// What a status code of the formula engine means, in a few words for the user.
const char* FormulaStatusText(std::int32_t status);

} // namespace korvane
