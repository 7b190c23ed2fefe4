#pragma once

#include "formula/token_list.h"

#include <string>

namespace korvane {

// The parsed form as text for assertions: items in output order, a token with a
// sub-list as "[...]" around the sub-list's items, e.g. "[[byte1] [2 3 *]] SUM 4 +".
std::string ParsedFormText(const TokenList& list);

} // namespace korvane
