#pragma once

#include "doctor/doctor_seams.h"
#include "doctor/serial_doctor_port.h"

#include <memory>
#include <string>

namespace korvane {

class UnitSession;

// The port the connection checks talk through in the window, on the worker. The window
// holds its port open, and a second open of it would be refused: when the port checked is
// the one the session holds, the checks use it as it is (its settings stay the session's).
// Otherwise they open a port of their own, released with this object.
class SessionDoctorPort final : public DoctorPort {
public:
    explicit SessionDoctorPort(UnitSession& session) : session_(session) {}

    bool Open(const std::string& name, PortOpenError& error) override;
    int MadeBaudRate() const override;
    ByteChannel& Channel() override;
    Sleeper& Pauses() override;

private:
    UnitSession& session_;
    std::unique_ptr<SerialDoctorPort> own_;
};

} // namespace korvane
