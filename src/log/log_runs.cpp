#include "log/log_runs.h"

#include <cmath>

namespace korvane {

std::optional<double> LogRun::Value(std::size_t column, std::size_t row) const {
    const double value = values.at(column).at(row);
    if (std::isnan(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace korvane
