#include "simulator.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace korvane::ecusim {

namespace {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;

// 11 bits (start, 8 data, parity, stop) at 1953 baud.
constexpr nanoseconds kByteTime{11'000'000'000LL / 1953};
// A frame that stops arriving part-way is dropped after this long.
constexpr milliseconds kFrameTimeout{100};
// Without pacing, the replies of one stream are still spaced a little, so the count of
// unread bytes can catch up with what was just written.
constexpr milliseconds kFastReplySpacing{5};
constexpr milliseconds kBacklogRecheck{1};
constexpr milliseconds kLineRecheck{5};
constexpr int kReplyLength = 3;

} // namespace

Simulator::Simulator(const SimulatorSettings& settings, SimulatedCar& car, PtyDevice& pty,
                     TraceLog& trace, const ShutdownSignal& shutdown)
    : settings_(settings), car_(car), pty_(pty), trace_(trace), shutdown_(shutdown),
      faults_(settings.faults, settings.seed), start_(Clock::now()), inputLineFree_(start_),
      lastInputDue_(start_), streamStartAt_(start_), replyBegin_(start_), nextDeliveryAt_(start_),
      outputLineFree_(start_), lastFastReply_(start_) {}

void Simulator::Run() {
    while (!shutdown_.Requested()) {
        const TimePoint now = Clock::now();
        ReceiveBytes(now);
        ProcessDueInput(now);
        ExpirePartialFrame(now);
        SendOutput(now);
        WaitForWork(now);
    }
}

std::int64_t Simulator::Milliseconds(TimePoint at) const {
    return std::chrono::duration_cast<milliseconds>(at - start_).count();
}

bool Simulator::LineAccepted() const {
    if (settings_.anyLine) {
        return true;
    }
    LineSettings line;
    return pty_.ReadLine(line) && IsUnitLine(line, pty_.ParityVisible());
}

void Simulator::ReceiveBytes(TimePoint now) {
    std::array<std::uint8_t, 256> buffer{};
    for (;;) {
        const int count = pty_.Receive(buffer.data(), static_cast<int>(buffer.size()));
        if (count <= 0) {
            return;
        }
        const std::span<const std::uint8_t> bytes(buffer.data(), static_cast<std::size_t>(count));
        if (!LineAccepted()) {
            // At the wrong rate or framing a unit receives only garbage.
            trace_.Offline(Milliseconds(now), bytes);
            continue;
        }
        for (const std::uint8_t byte : bytes) {
            TimePoint due = now;
            if (!settings_.fast) {
                due = std::max(now, inputLineFree_) + kByteTime;
                inputLineFree_ = due;
            }
            input_.push_back({byte, due});
        }
    }
}

void Simulator::ProcessDueInput(TimePoint now) {
    while (!input_.empty() && input_.front().due <= now) {
        const PendingByte byte = input_.front();
        input_.pop_front();
        lastInputDue_ = byte.due;
        ParseEvents events;
        parser_.Feed(byte.value, events);
        HandleEvents(events, byte.due);
    }
}

void Simulator::HandleEvents(const ParseEvents& events, TimePoint at) {
    trace_.Discarded(Milliseconds(at), events.discarded);
    for (const Frame& frame : events.frames) {
        HandleFrame(frame, at);
    }
}

void Simulator::HandleFrame(const Frame& frame, TimePoint at) {
    trace_.FrameReceived(Milliseconds(at), frame);
    ReplyStream next;
    switch (frame.kind) {
    case FrameKind::Stop:
        stream_.reset();
        return;
    case FrameKind::Read:
        lastAddressed_ = frame.unit;
        next = {StreamKind::Read, frame.unit, frame.address};
        break;
    case FrameKind::RomId:
        next = {StreamKind::RomId, lastAddressed_, 0};
        break;
    case FrameKind::Write: {
        const std::uint16_t address = HasShortAddress(lastAddressed_)
                                          ? static_cast<std::uint16_t>(frame.address & 0xFF)
                                          : frame.address;
        // Refused in the program area; the stream then shows the byte that stayed.
        (void)car_.Write(lastAddressed_, address, frame.data);
        next = {StreamKind::Write, lastAddressed_, address};
        break;
    }
    }
    stream_ = next;
    streamStartAt_ = at + milliseconds(settings_.faults.latencyMs);
    streamAnnounced_ = false;
}

void Simulator::ExpirePartialFrame(TimePoint now) {
    if (parser_.InFrame() && input_.empty() && now >= lastInputDue_ + kFrameTimeout) {
        ParseEvents events;
        parser_.Expire(events);
        HandleEvents(events, now);
    }
}

void Simulator::DeliverDueBytes(TimePoint now) {
    while (replyNext_ < reply_.size() && nextDeliveryAt_ <= now) {
        if (replyNext_ == 0) {
            // Judged only now that the previous reply's last byte has surely reached the
            // reader's queue: a byte just written may not be counted yet.
            if (pty_.WaitingForReader() >= kReplyLength) {
                reply_.clear();
                retryAt_ = now + kBacklogRecheck;
                return;
            }
            AnnounceStream(replyBegin_);
        }
        const LineByte& byte = reply_[replyNext_];
        if (!byte.lost) {
            (void)pty_.Send(&byte.value, 1);
        }
        outputLineFree_ = nextDeliveryAt_;
        ++replyNext_;
        nextDeliveryAt_ += kByteTime;
    }
}

void Simulator::AnnounceStream(TimePoint begin) {
    if (!streamAnnounced_) {
        const std::int64_t milliseconds = Milliseconds(begin);
        trace_.StreamStarted(milliseconds, DescribeStream(*stream_, car_, milliseconds));
        streamAnnounced_ = true;
    }
}

void Simulator::SendOutput(TimePoint now) {
    retryAt_.reset();
    DeliverDueBytes(now);
    if (replyNext_ < reply_.size() || retryAt_) {
        return;
    }
    if (!stream_ || parser_.InFrame() || settings_.faults.silent) {
        return;
    }
    if (now < streamStartAt_) {
        retryAt_ = streamStartAt_;
        return;
    }
    if (settings_.fast && streamAnnounced_ && now < lastFastReply_ + kFastReplySpacing) {
        retryAt_ = lastFastReply_ + kFastReplySpacing;
        return;
    }
    if (pty_.WaitingForReader() >= kReplyLength) {
        retryAt_ = now + kBacklogRecheck;
        return;
    }
    if (!LineAccepted()) {
        retryAt_ = now + kLineRecheck;
        return;
    }
    StartReply(now);
}

void Simulator::StartReply(TimePoint now) {
    // Back to back with the previous reply or the frame when the loop woke a little late,
    // so that lateness does not add up over a stream.
    TimePoint begin = now;
    if (!settings_.fast) {
        const TimePoint earliest = std::max(outputLineFree_, streamStartAt_);
        if (now >= earliest && now - earliest < kByteTime) {
            begin = earliest;
        }
    }
    const std::int64_t milliseconds = Milliseconds(begin);
    const Reply reply = BuildReply(*stream_, car_, milliseconds, settings_.faults.wrongEcho);
    std::vector<LineByte> bytes = faults_.Apply(reply);
    if (settings_.fast) {
        AnnounceStream(begin);
        std::vector<std::uint8_t> chunk;
        for (const LineByte& byte : bytes) {
            if (!byte.lost) {
                chunk.push_back(byte.value);
            }
        }
        if (!chunk.empty()) {
            (void)pty_.Send(chunk.data(), static_cast<int>(chunk.size()));
        }
        lastFastReply_ = now;
        retryAt_ = now + kFastReplySpacing;
        return;
    }
    reply_ = std::move(bytes);
    replyNext_ = 0;
    replyBegin_ = begin;
    nextDeliveryAt_ = begin + kByteTime;
}

void Simulator::WaitForWork(TimePoint now) {
    std::optional<TimePoint> wake = retryAt_;
    const auto consider = [&wake](TimePoint at) {
        if (!wake || at < *wake) {
            wake = at;
        }
    };
    if (!input_.empty()) {
        consider(input_.front().due);
    }
    if (replyNext_ < reply_.size()) {
        consider(nextDeliveryAt_);
    }
    if (parser_.InFrame() && input_.empty()) {
        consider(lastInputDue_ + kFrameTimeout);
    }
    int timeoutMs = -1;
    if (wake) {
        const auto wait = std::chrono::ceil<milliseconds>(*wake - now).count();
        timeoutMs = static_cast<int>(std::max<std::int64_t>(wait, 0));
    }
    std::array<pollfd, 2> fds{};
    fds[0] = {pty_.MasterFd(), POLLIN, 0};
    fds[1] = {shutdown_.Fd(), POLLIN, 0};
    const int ready = poll(fds.data(), fds.size(), timeoutMs);
    if (ready > 0 && (fds[0].revents & (POLLHUP | POLLERR)) != 0 &&
        (fds[0].revents & POLLIN) == 0) {
        // Should not happen while the simulator holds the slave open; do not spin if it does.
        (void)usleep(10000);
    }
}

} // namespace korvane::ecusim
