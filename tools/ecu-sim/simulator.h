#pragma once

#include "fault_injector.h"
#include "frame_parser.h"
#include "pty_device.h"
#include "reply_stream.h"
#include "shutdown_signal.h"
#include "simulated_car.h"
#include "trace_log.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace korvane::ecusim {

struct SimulatorSettings {
    bool fast = false;    // no line pacing
    bool anyLine = false; // answer whatever the line settings
    FaultSettings faults;
    std::uint64_t seed = 1;
};

// The units' side of the line: receives frames, keeps the addressed unit's reply stream
// going, and paces both directions like the real line unless told to be fast.
//
// At line pace every byte takes 11 bits at 1953 baud in either direction: a frame is acted
// on once its last byte would have crossed the line, and each reply byte reaches the
// reader a byte time after the previous one. A unit that sees the first byte of a new frame
// finishes the reply it is sending and starts no other until the frame is complete (or
// turns out to be garbage, after which the old stream goes on), so replies never break
// apart. Either way a new reply goes out only while fewer than 3 bytes wait unread, so a
// reader that stops reading finds at most one stale reply, not a flood. (At line pace this
// is judged when the reply's first byte is due, when the previous reply is surely counted.)
class Simulator {
public:
    Simulator(const SimulatorSettings& settings, SimulatedCar& car, PtyDevice& pty, TraceLog& trace,
              const ShutdownSignal& shutdown);

    // Runs until a shutdown signal arrives.
    void Run();

private:
    using Clock = std::chrono::steady_clock;
    using TimePoint = Clock::time_point;

    struct PendingByte {
        std::uint8_t value;
        TimePoint due; // when its last bit has crossed the line
    };

    void ReceiveBytes(TimePoint now);
    void ProcessDueInput(TimePoint now);
    void HandleEvents(const ParseEvents& events, TimePoint at);
    void HandleFrame(const Frame& frame, TimePoint at);
    void ExpirePartialFrame(TimePoint now);
    void SendOutput(TimePoint now);
    void DeliverDueBytes(TimePoint now);
    void StartReply(TimePoint now);
    void AnnounceStream(TimePoint begin);
    void WaitForWork(TimePoint now);
    bool LineAccepted() const;
    std::int64_t Milliseconds(TimePoint at) const;

    SimulatorSettings settings_;
    SimulatedCar& car_;
    PtyDevice& pty_;
    TraceLog& trace_;
    const ShutdownSignal& shutdown_;
    FaultInjector faults_;
    FrameParser parser_;
    TimePoint start_;

    std::deque<PendingByte> input_;
    TimePoint inputLineFree_;
    TimePoint lastInputDue_;

    UnitId lastAddressed_ = UnitId::Ecu;
    std::optional<ReplyStream> stream_;
    TimePoint streamStartAt_;
    bool streamAnnounced_ = false;

    std::vector<LineByte> reply_; // the reply on the line (line pace)
    std::size_t replyNext_ = 0;
    TimePoint replyBegin_;
    TimePoint nextDeliveryAt_;
    TimePoint outputLineFree_;
    TimePoint lastFastReply_;
    std::optional<TimePoint> retryAt_; // when a reply that could not start may be tried again
};

} // namespace korvane::ecusim
