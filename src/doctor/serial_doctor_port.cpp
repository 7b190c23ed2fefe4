#include "doctor/serial_doctor_port.h"

namespace korvane {

bool SerialDoctorPort::Open(const std::string& name, PortOpenError& error) {
    // The rate is judged by the checks, which name the figure the driver made.
    port_.AcceptAnyRate(true);
    if (port_.Open(name, kUnitBaudRate, kParityEven, kOneStopBit)) {
        return true;
    }
    error = port_.LastOpenError();
    return false;
}

double SteadyDoctorClock::NowMs() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_)
        .count();
}

} // namespace korvane
