#pragma once

namespace korvane::cli {

// SIGINT and SIGTERM (on Windows: Ctrl+C, Ctrl+Break and closing the console) turned into
// a request to stop: the work under way finishes, and the command ends at its next check.
// A second signal ends the program at once, for a unit that keeps a transaction waiting.
// One instance at a time.
class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // False when the handlers could not be installed.
    bool Installed() const { return installed_; }
    bool Requested() const;

    // Waits up to the given time, returning early (true) when a stop is requested.
    bool WaitMs(int milliseconds) const;

private:
    bool installed_ = false;
};

} // namespace korvane::cli
