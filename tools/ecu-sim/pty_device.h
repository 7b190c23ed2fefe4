#pragma once

#include "line_settings.h"

#include <cstdint>
#include <string>

namespace korvane::ecusim {

// The unit's end of a pseudo-terminal. The simulator keeps the reader's end (the slave)
// open itself: the master then never sees a hang-up when a reader closes, the reader's
// line settings persist between its opens, and the bytes still waiting for the reader can
// be counted.
class PtyDevice {
public:
    PtyDevice() = default;
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;
    ~PtyDevice();

    bool Open(std::string& error);

    const std::string& Path() const { return path_; }
    int MasterFd() const { return master_; }
    // Whether the terminal keeps the parity-enable flag (Linux ptys drop it).
    bool ParityVisible() const { return parityVisible_; }

    // Bytes from the reader, without blocking: the count, 0 when none, -1 on error.
    int Receive(std::uint8_t* buffer, int capacity);
    // Sends the bytes; false if the terminal did not take them all.
    bool Send(const std::uint8_t* bytes, int count);
    // The line as the reader set it up; false when it cannot be read.
    bool ReadLine(LineSettings& settings) const;
    // Bytes sent that the reader has not read yet.
    int WaitingForReader() const;

private:
    int master_ = -1;
    int slave_ = -1;
    bool parityVisible_ = false;
    std::string path_;
};

} // namespace korvane::ecusim
