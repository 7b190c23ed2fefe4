#pragma once

namespace korvane::ecusim {

// Turns SIGINT, SIGTERM and SIGHUP into a readable file descriptor (a self-pipe), so the
// event loop wakes up and leaves in order, removing its links. SIGPIPE is ignored.
class ShutdownSignal {
public:
    bool Install();
    int Fd() const;
    bool Requested() const;
};

} // namespace korvane::ecusim
