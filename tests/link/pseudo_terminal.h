#pragma once

#include <string>

namespace korvane::testing {

// A pseudo-terminal pair standing in for a serial device: the port under test opens the
// slave by its path; the test plays the far end on the master and inspects the line through
// a slave descriptor of its own.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool Ok() const { return master >= 0 && slave >= 0; }
    const std::string& SlavePath() const { return slavePath; }
    int Master() const { return master; }
    int Slave() const { return slave; }

    void SendFromDevice(const std::string& bytes) const;
    // Reads what reached the device, waiting up to a second for count bytes.
    std::string ReceiveAtDevice(int count) const;
    // Bytes waiting at the slave side, not yet read by the port.
    int PendingAtPort() const;
    void CloseMaster();

private:
    int master = -1;
    int slave = -1;
    std::string slavePath;
};

} // namespace korvane::testing
