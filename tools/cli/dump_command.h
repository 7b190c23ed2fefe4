#pragma once

#include "cli_options.h"

#include <ostream>

namespace korvane::cli {

// Dumps unit memory to a file with the dump dialog's defaults and rules: one chunk per
// interval, progress on standard error, then the check of the finished file.
int RunDump(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace korvane::cli
