#pragma once

#include <ostream>

#include "cli_options.h"

namespace korvane::cli {

// Draws the Read Parameters runs of a log as the log viewer's chart into a PNG or SVG
// file, without a display. Prints what was drawn; a log or image that cannot be read or
// written is a failure, a column the log does not have a usage error.
int RunPlot(const PlotOptions& options, std::ostream& out, std::ostream& err);

} // namespace korvane::cli
