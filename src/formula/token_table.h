#pragma once

#include "formula/formula_token.h"

#include <string_view>

namespace korvane {

// The row whose text stands at the start of `text`, trying the nine rows in order and
// comparing letters without regard to case; a function name counts only when "("
// follows it. Null when no row matches.
const TokenRow* MatchToken(std::string_view text);

} // namespace korvane
