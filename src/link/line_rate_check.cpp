#include "link/line_rate_check.h"

#include <cstdlib>

namespace korvane {

bool RateCloseEnough(unsigned reported, int wanted) {
    const long long difference = std::llabs(static_cast<long long>(reported) - wanted);
    return difference * 100 <= static_cast<long long>(wanted) * 2;
}

std::string WrongRateReason(int wanted, unsigned reported) {
    return "the device cannot run at " + std::to_string(wanted) + " baud (its driver set " +
           std::to_string(reported) + " baud)";
}

} // namespace korvane
