#pragma once

#include <chrono>
#include <ostream>
#include <string>

namespace korvane::cli {

class CliSession;

// Keeps a repeated run on its port through a device that goes away and comes back (an
// adapter unplugged and plugged in again, a unit switched off and on): when a pass finds the
// device gone, one line on standard error says so, and before each later pass the same port
// name is opened again, at most once a second, with one line when it opens. Passes meanwhile
// fail at once, as they do with no port open.
class PortRecovery {
public:
    PortRecovery(CliSession& session, const char* command, std::ostream& err);

    // Before a pass: while the port is lost, opens it again unless the last try was less
    // than a second ago.
    void BeforePass();
    // After a pass: notes a device that went away during it.
    void AfterPass();

private:
    using Clock = std::chrono::steady_clock;

    CliSession& session_;
    const char* command_;
    std::ostream& err_;
    std::string name_;
    bool lost_ = false;
    bool tried_ = false; // opening it again was tried since it was lost
    Clock::time_point lastTry_;
};

} // namespace korvane::cli
