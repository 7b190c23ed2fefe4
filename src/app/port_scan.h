#pragma once

#include <string>

namespace korvane {

class Window;
class SerialPort;
struct PortOpenError;

// Probes the ports, offers those found in the port combo box 3001 and opens one for the
// control unit: "COM<preferredPort>" when that is above 0 and opens, else the first port
// found. Tells the user in a message box when the probe found no port. Returns the number
// of ports offered.
int ScanSerialPorts(Window& window, SerialPort& port, int preferredPort);

// Opens the named port with the control units' line settings.
bool OpenUnitPort(SerialPort& port, const std::string& name);

// Shows in status field 3014 "Ok" when the port is open, else `failureText` ("Error" after
// a scan, "error" after a choice in the combo box), and in its tooltip the device in use or
// why the last attempt to open one failed, with what the user can do about it.
void ShowPortStatus(Window& window, const SerialPort& port, const char* failureText);

// The tooltip text of ShowPortStatus.
std::string PortStatusTip(const SerialPort& port);

// Why a port would not open, with the way in when the device belongs to a group the user
// is not in.
std::string PortFailureTip(const PortOpenError& error);

} // namespace korvane
