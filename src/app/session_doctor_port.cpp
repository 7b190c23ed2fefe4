#include "app/session_doctor_port.h"

#include "reading/unit_session.h"
#include "text/ignore_case.h"

namespace korvane {

bool SessionDoctorPort::Open(const std::string& name, PortOpenError& error) {
    const SerialPort& port = session_.Port();
    // A port whose device went away is reopened by the checks: the session's handle to it
    // reads nothing any more.
    if (port.IsOpen() && !port.DeviceLost() && EqualIgnoringCase(port.PortName(), name)) {
        own_.reset();
        return true;
    }
    own_ = std::make_unique<SerialDoctorPort>();
    return own_->Open(name, error);
}

int SessionDoctorPort::MadeBaudRate() const {
    return own_ ? own_->MadeBaudRate() : session_.Port().MadeBaudRate();
}

ByteChannel& SessionDoctorPort::Channel() {
    return own_ ? own_->Channel() : session_.Link(UnitType::Ecu).channel;
}

Sleeper& SessionDoctorPort::Pauses() {
    return own_ ? own_->Pauses() : session_.Link(UnitType::Ecu).sleeper;
}

} // namespace korvane
