#pragma once

#include <optional>
#include <string_view>

namespace korvane {

// The number a log cell holds: the text read as a decimal number as a whole ("85.0",
// "-3", "1e3"). Empty text, text that is not a number ("--", "3f", "12 V") and infinite
// or not-a-number values hold none.
std::optional<double> LogCellNumber(std::string_view text);

// What a log cell holds of a parameter's display text: the text up to its first space, so
// a number followed by a unit is logged as the number alone ("12.5 V" gives "12.5").
std::string_view LoggedText(std::string_view displayText);

} // namespace korvane
