#pragma once

#include "doctor/doctor_seams.h"
#include "link/serial_port.h"
#include "link/thread_sleeper.h"

#include <chrono>

namespace korvane {

// The real serial port for the checks, with real pauses.
class SerialDoctorPort final : public DoctorPort {
public:
    bool Open(const std::string& name, PortOpenError& error) override;
    int MadeBaudRate() const override { return port_.MadeBaudRate(); }
    ByteChannel& Channel() override { return port_; }
    Sleeper& Pauses() override { return sleeper_; }

private:
    SerialPort port_;
    ThreadSleeper sleeper_;
};

// Milliseconds since construction, on the steady clock.
class SteadyDoctorClock final : public DoctorClock {
public:
    double NowMs() const override;

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace korvane
