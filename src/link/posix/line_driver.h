#pragma once

#include "link/posix/line_rate.h"

namespace korvane {

// What a port asks of the device's driver beyond the terminal settings: the rate it really
// runs at and the low-latency flag. Tests put another driver in place to play adapters a
// pseudo-terminal cannot (one that makes another rate, one that takes low latency).
class LineDriver {
public:
    virtual ~LineDriver() = default;

    // The rates the driver reports for both directions.
    virtual bool ReadRate(int fd, LineRate& rate) const;
    // Whether received bytes are passed on at once rather than held for a latency timer.
    // False when the driver does not say (pseudo-terminals, systems other than Linux).
    virtual bool ReadLowLatency(int fd, bool& on) const;
    virtual bool SetLowLatency(int fd, bool on) const;
};

// The driver every port uses.
const LineDriver& ActiveLineDriver();

// Makes ports use `driver` (the system's own when null) and returns the one used before.
const LineDriver* ReplaceLineDriver(const LineDriver* driver);

} // namespace korvane
