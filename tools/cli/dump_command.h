#pragma once

#include "cli_options.h"

#include <ostream>

namespace korvane::cli {

// Runs the ROM dump dialog's logic headless: its defaults and rules, one chunk per
// interval, progress on standard error, then the dialog's final result text.
int RunDump(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace korvane::cli
