#pragma once

#include <cstdint>

namespace korvane {

// What the transactions need of a serial line: whole-byte writes and reads bounded by
// the line's time-outs, and a purge of pending input. The serial port provides it for
// real devices; tests provide scripted devices.
class ByteChannel {
public:
    virtual ~ByteChannel() = default;

    // Bytes written (0 when the write failed); -1 when no port is open.
    virtual int Write(const std::uint8_t* bytes, int count) = 0;
    // Bytes read (0..count, short on time-out); -1 when no port is open or the read failed.
    virtual int Read(std::uint8_t* buffer, int count) = 0;
    // Drops pending input; -1 when no port is open.
    virtual int Purge() = 0;
};

// The transactions' fixed pauses go through this so that tests need not wait.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void SleepMs(int milliseconds) = 0;
};

} // namespace korvane
