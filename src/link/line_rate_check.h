#pragma once

#include <string>

namespace korvane {

// Drivers report the rate their divisor makes rather than the one asked for. Within 2% an
// asynchronous receiver still samples every bit of an 11-bit frame inside its cell; adapters
// that only make a table of rates land much further off and are refused.
bool RateCloseEnough(unsigned reported, int wanted);

// Why a port whose driver made another rate is refused, naming both rates.
std::string WrongRateReason(int wanted, unsigned reported);

} // namespace korvane
