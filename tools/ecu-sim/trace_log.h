#pragma once

#include "frame_parser.h"

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace korvane::ecusim {

// One line per event, fields separated by single spaces, the first being the milliseconds
// since the simulator started:
//   <ms> frame <bytes> read <unit> <address>     a read frame, e.g. "frame 78123400 read ECU 1234"
//   <ms> frame <bytes> stop
//   <ms> frame <bytes> romid
//   <ms> frame <bytes> write <address> <data>
//   <ms> discard <bytes>                         bytes that were no frame
//   <ms> offline <bytes>                         bytes received while the line settings were wrong
//   <ms> stream read <unit> <address>            the first reply of a stream is being sent
//   <ms> stream romid <unit> <rom id>
//   <ms> stream write <unit> <address> <data>
// Bytes are upper-case hexadecimal without separators. Every line is flushed at once.
class TraceLog {
public:
    TraceLog() = default;
    TraceLog(const TraceLog&) = delete;
    TraceLog& operator=(const TraceLog&) = delete;
    ~TraceLog();

    // Creates or truncates the file; without it the log writes nothing.
    bool Open(const std::string& path);

    void FrameReceived(std::int64_t milliseconds, const Frame& frame);
    void Discarded(std::int64_t milliseconds, std::span<const std::uint8_t> bytes);
    void Offline(std::int64_t milliseconds, std::span<const std::uint8_t> bytes);
    void StreamStarted(std::int64_t milliseconds, const std::string& description);

private:
    void Line(std::int64_t milliseconds, const std::string& text);

    std::FILE* file_ = nullptr;
};

} // namespace korvane::ecusim
