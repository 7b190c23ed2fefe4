#pragma once

#include "doctor/doctor_seams.h"
#include "link/byte_channel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

// The doctor's own traffic, passed through to the port and kept with the time of each
// write, read, purge and pause, for the checks' timings and the report's trace.
class TracedLine final : public ByteChannel, public Sleeper {
public:
    enum class Kind { Sent, Received, Purged, Paused };
    struct Event {
        double atMs = 0;
        Kind kind = Kind::Sent;
        std::vector<std::uint8_t> bytes; // sent or received
        int asked = 0;                   // bytes asked for (reads), milliseconds (pauses)
    };

    TracedLine(ByteChannel& channel, Sleeper& sleeper, const DoctorClock& clock)
        : channel_(channel), sleeper_(sleeper), clock_(clock) {}

    int Write(const std::uint8_t* bytes, int count) override;
    int Read(std::uint8_t* buffer, int count) override;
    int Purge() override;
    void SleepMs(int milliseconds) override;

    const std::vector<Event>& Events() const { return events_; }
    // One line an event: "   1234.5 > 78 00 00 00", "< 12 34 5A", "< nothing (3 asked)",
    // "purge", "pause 50 ms".
    std::vector<std::string> TraceLines() const;

private:
    ByteChannel& channel_;
    Sleeper& sleeper_;
    const DoctorClock& clock_;
    std::vector<Event> events_;
};

} // namespace korvane
