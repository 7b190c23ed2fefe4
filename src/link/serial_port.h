#pragma once

#include "link/byte_channel.h"
#include "link/port_table.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace korvane {

// Line settings the program uses: the control units' line and the one ports are probed with.
// Parity and stop-bit codes are the platform's: parity 0 none, 1 odd, 2 even; stop bits 0 one,
// 2 two.
inline constexpr int kUnitBaudRate = 1953;
inline constexpr int kProbeBaudRate = 9600;
inline constexpr int kParityNone = 0;
inline constexpr int kParityEven = 2;
inline constexpr int kOneStopBit = 0;

// Why the last Open failed, for the user to read.
struct PortOpenError {
    std::string device; // the device tried, through links where they resolve
    std::string reason; // the operating system's text, or why the device was refused
    std::string group;  // the group owning the device, when access was denied
    int code = 0;       // the system's error number; 0 when the device was refused
};

// "<device>: <reason>", followed by " (device group: <group>)" when a group is known.
std::string DescribeOpenError(const PortOpenError& error);

// The one serial channel to a control unit: holds at most one open port, configured for
// whole-byte reads and writes bounded by the line's time-outs, and the table of port names
// with the marks of the ports that probes found.
class SerialPort final : public ByteChannel {
public:
    SerialPort();
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Releases any port held, then opens the named port with 8 data bits and the given rate,
    // parity and stop bits. False, with no port held, when it cannot be opened or set up.
    bool Open(const std::string& portName, int baudRate, int parity, int stopBits);
    bool IsOpen() const { return device != nullptr; }

    // Lets Open take whatever rate the driver makes instead of refusing a port whose driver
    // made a rate more than 2% off: for simulators and emulators that cannot make the line's
    // rate. Off unless asked for.
    void AcceptAnyRate(bool accept) { anyRate = accept; }
    bool AcceptsAnyRate() const { return anyRate; }
    // The rate the driver reported when the open port was set up; 0 when no port is open.
    int MadeBaudRate() const { return device ? madeBaudRate : 0; }

    // The name the open port was opened with; "none" when no port is open.
    std::string PortName() const { return name; }

    // All bytes are written unless the line stays blocked for the write time-out; the count
    // written is returned (0 when nothing could be written).
    int Write(const std::uint8_t* bytes, int count) override;
    // Blocks until count bytes came or a read time-out passed; returns the bytes received
    // (they fill the buffer from the front, the rest is untouched). -1 when the read itself
    // fails, for example because the device went away.
    int Read(std::uint8_t* buffer, int count) override;
    // Drops received bytes not yet read: 1 done, 0 failed.
    int Purge() override;

    // Releases the port, then opens every table port at the probe settings and closes it
    // again, marking those that opened. Returns how many opened in this probe.
    int ProbePorts();
    // Replaces the list with the names of every port any probe found, in table order; returns
    // their number.
    int ListFoundPorts(std::vector<std::string>& names) const;

    // True when a read on the open port failed, as it does once the device is gone (a
    // cable pulled, a pseudo-terminal closed): only opening it again can bring it back.
    bool DeviceLost() const { return deviceLost; }

    // Why the last Open failed; empty when it succeeded.
    const PortOpenError& LastOpenError() const { return lastOpenError; }

private:
    struct Device; // the platform's open device and what it must restore when released

    // Restores the device's earlier settings and releases it; the name becomes "none".
    void Close();

    std::unique_ptr<Device> device;
    std::string name = "none";
    PortTable portTable = kInitialPortTable;
    PortOpenError lastOpenError;
    bool deviceLost = false;
    bool anyRate = false;
    int madeBaudRate = 0;
};

} // namespace korvane
