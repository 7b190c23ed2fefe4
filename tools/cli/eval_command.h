#pragma once

#include "cli_options.h"

#include <ostream>

namespace korvane::cli {

// Parses and evaluates the formula with the variables as a parameter's formula is
// evaluated (a variable's value is its byte in decimal) and prints the display text.
// A formula that does not parse is a usage error; one that parses but cannot be
// evaluated (a division by zero, a missing operand) is a failure.
int RunEval(const EvalOptions& options, std::ostream& out, std::ostream& err);

} // namespace korvane::cli
