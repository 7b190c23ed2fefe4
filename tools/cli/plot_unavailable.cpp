#include "plot_command.h"

namespace korvane::cli {

// Built without Qt Charts: the command is there but cannot draw.
int RunPlot(const PlotOptions& /*options*/, std::ostream& /*out*/, std::ostream& err) {
    err << "korvane-cli: plot: this korvane-cli was built without Qt Charts\n";
    return kExitFailure;
}

} // namespace korvane::cli
