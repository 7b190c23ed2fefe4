#pragma once

#include <string>
#include <vector>

namespace korvane {

class MainView;
class SerialPort;
class UnitSession;
struct PortOpenError;

// The port as the status field 3014 and its tooltip show it.
struct PortStatus {
    bool open = false;
    // The device in use, or why the last attempt to open one failed.
    std::string tip;
    // For the message list: the rate a port accepted at any rate runs at, when it is not
    // the unit's. Empty otherwise.
    std::string rateNote;
};

PortStatus StatusOf(const SerialPort& port);

// What a scan found and opened.
struct PortScanOutcome {
    // The probe found no port at all.
    bool noneFound = false;
    // The ports to offer, in table order.
    std::vector<std::string> names;
    // The entry to select.
    std::string chosen;
    PortStatus status;
};

// Probes the ports and opens one for the control unit: "COM<preferredPort>" when that is
// above 0 and opens, else the first port found.
PortScanOutcome ScanSerialPorts(UnitSession& session, int preferredPort);

// Offers the ports found in the port list (telling the user in a message box when there
// were none) and shows the port status with "Error" for a port that is not open.
void ShowPortScan(MainView& view, const PortScanOutcome& outcome);

// Shows as the port status "Ok" when the port is open, else `failureText` ("Error" after
// a scan, "error" after a choice in the port list), with the status's details; a rate
// note becomes a line of the message list.
void ShowPortStatus(MainView& view, const PortStatus& status, const char* failureText);

// Why a port would not open, with the way in when the device belongs to a group the user
// is not in.
std::string PortFailureTip(const PortOpenError& error);

} // namespace korvane
