#pragma once

#include "sim_process.h"

#include "link/serial_port.h"
#include "link/thread_sleeper.h"
#include "link/unit_link.h"

#include <string>
#include <vector>

namespace korvane::integration {

// The simulated car started with a trace file, and the program's serial port open on it at
// the units' line settings.
class CarOnPort {
public:
    CarOnPort();
    ~CarOnPort();
    CarOnPort(const CarOnPort&) = delete;
    CarOnPort& operator=(const CarOnPort&) = delete;

    // False when the simulator does not start or the port does not open.
    bool Start(const std::vector<std::string>& arguments);

    UnitLink Link(UnitType unit = UnitType::Ecu) { return {port, sleeper, unit}; }
    SerialPort& Port() { return port; }
    ecusim::SimProcess& Simulator() { return simulator; }

    // The trace so far, one entry per line without its time stamp ("frame 78123400 read ...").
    std::vector<std::string> TraceEvents() const;
    // Only the hexadecimal bytes of the frames received, in order.
    std::vector<std::string> FramesReceived() const;

private:
    std::string folder;
    ecusim::SimProcess simulator;
    SerialPort port;
    ThreadSleeper sleeper;
};

} // namespace korvane::integration
