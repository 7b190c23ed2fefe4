#pragma once

#include "cli_options.h"

#include <ostream>

namespace korvane::cli {

// Parses and evaluates the formula with the variables as a parameter's formula is
// evaluated (a variable's value is its byte in decimal) and prints the display text the
// window would show. When the parse or the evaluation reports a status, one line on
// standard error names it and the result is a failure; the text is printed all the same.
int RunEval(const EvalOptions& options, std::ostream& out, std::ostream& err);

} // namespace korvane::cli
