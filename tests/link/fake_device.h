#pragma once

// A scripted control unit on the line: records writes, reads, purges and pauses in one trace
// and answers reads from a script, then from an optional responder, else times out. Other
// test folders include it as "link/fake_device.h".

#include "link/byte_channel.h"
#include "link/unit_link.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <utility>
#include <vector>

namespace korvane::fakes {

using Bytes = std::vector<std::uint8_t>;

struct LinkEvent {
    enum class Kind { Write, Read, Purge, Sleep };
    Kind kind = Kind::Write;
    Bytes bytes;   // what was written
    int value = 0; // bytes asked for by a read, or milliseconds of a pause

    bool operator==(const LinkEvent&) const = default;
};

inline LinkEvent Wrote(Bytes bytes) {
    return {LinkEvent::Kind::Write, std::move(bytes), 0};
}
inline LinkEvent ReadOf(int count) {
    return {LinkEvent::Kind::Read, {}, count};
}
inline LinkEvent Purged() {
    return {LinkEvent::Kind::Purge, {}, 0};
}
inline LinkEvent Slept(int milliseconds) {
    return {LinkEvent::Kind::Sleep, {}, milliseconds};
}

inline const Bytes kStopBytes = {0x12, 0x00, 0x00, 0x00};
inline const Bytes kRomIdRequestBytes = {0x00, 0x46, 0x48, 0x49};

// The stop sequence as it appears in a trace.
inline std::vector<LinkEvent> StopEvents() {
    return {Wrote(kStopBytes), Slept(50), Purged()};
}

// Joins pieces of an expected trace.
inline std::vector<LinkEvent> Events(std::initializer_list<std::vector<LinkEvent>> parts) {
    std::vector<LinkEvent> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

inline void PrintTo(const LinkEvent& event, std::ostream* os) {
    static const char* const kinds[] = {"write", "read", "purge", "sleep"};
    *os << kinds[static_cast<int>(event.kind)] << ' ' << event.value;
    for (const auto byte : event.bytes) {
        *os << ' ' << "0123456789ABCDEF"[byte >> 4] << "0123456789ABCDEF"[byte & 0xF];
    }
}

// One scripted answer to a read: result -1 fails the call, otherwise the bytes are
// delivered (cut to what was asked for) and their number returned.
struct ScriptedRead {
    int result = 0;
    Bytes bytes;
};

inline ScriptedRead Reply(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    return {3, {b1, b2, b3}};
}
inline ScriptedRead ShortRead(Bytes bytes) {
    const int count = static_cast<int>(bytes.size());
    return {count, std::move(bytes)};
}
inline ScriptedRead TimedOut() {
    return {0, {}};
}
inline ScriptedRead ReadFailed() {
    return {-1, {}};
}

class FakeDevice final : public ByteChannel, public Sleeper {
public:
    // Produces the answer to a read once the script is empty, given the last bytes
    // written; an empty result is a time-out.
    using Responder = std::function<Bytes(const Bytes& lastWrite)>;

    int Write(const std::uint8_t* bytes, int count) override {
        Bytes written(bytes, bytes + std::max(count, 0));
        trace_.push_back(Wrote(written));
        if (closed_) {
            return -1;
        }
        lastWrite_ = std::move(written);
        replyPending_ = true;
        return count;
    }

    int Read(std::uint8_t* buffer, int count) override {
        trace_.push_back(ReadOf(count));
        if (closed_) {
            return -1;
        }
        ScriptedRead answer;
        if (!script_.empty()) {
            answer = std::move(script_.front());
            script_.pop_front();
        } else if (responder_ && replyPending_) {
            // The unit answers a frame once; later reads wait in vain.
            replyPending_ = false;
            answer = ShortRead(responder_(lastWrite_));
        }
        if (answer.result < 0) {
            return -1;
        }
        const int delivered =
            std::min({answer.result, count, static_cast<int>(answer.bytes.size())});
        std::copy_n(answer.bytes.begin(), delivered, buffer);
        return delivered;
    }

    int Purge() override {
        trace_.push_back(Purged());
        return closed_ ? -1 : 1;
    }

    void SleepMs(int milliseconds) override { trace_.push_back(Slept(milliseconds)); }

    // Answers for the coming reads, in order.
    void Script(std::vector<ScriptedRead> reads) {
        for (auto& read : reads) {
            script_.push_back(std::move(read));
        }
    }
    void SetResponder(Responder responder) { responder_ = std::move(responder); }
    // A closed port: every write, read and purge returns -1.
    void SetClosed(bool closed) { closed_ = closed; }

    const std::vector<LinkEvent>& Trace() const { return trace_; }
    void ClearTrace() { trace_.clear(); }
    std::size_t ScriptLeft() const { return script_.size(); }

    std::vector<Bytes> Writes() const {
        std::vector<Bytes> writes;
        for (const auto& event : trace_) {
            if (event.kind == LinkEvent::Kind::Write) {
                writes.push_back(event.bytes);
            }
        }
        return writes;
    }
    int CountOf(LinkEvent::Kind kind) const {
        return static_cast<int>(std::count_if(
            trace_.begin(), trace_.end(), [kind](const LinkEvent& e) { return e.kind == kind; }));
    }
    int CountWrites(const Bytes& bytes) const {
        return static_cast<int>(std::count(trace_.begin(), trace_.end(), Wrote(bytes)));
    }

    UnitLink Link(UnitType unit = UnitType::Ecu) { return UnitLink{*this, *this, unit}; }

private:
    std::vector<LinkEvent> trace_;
    std::deque<ScriptedRead> script_;
    Responder responder_;
    Bytes lastWrite_;
    bool replyPending_ = false;
    bool closed_ = false;
};

// A responder that behaves like a unit holding the given memory: a read frame is
// answered with its address echo and the byte there; a write request stores its byte
// and is answered with the byte now held. Anything else gets no answer.
inline FakeDevice::Responder MemoryResponder(std::vector<std::uint8_t>& memory) {
    return [&memory](const Bytes& frame) -> Bytes {
        const auto at = [&memory](std::size_t address) -> std::uint8_t& {
            return memory[address % memory.size()];
        };
        if (frame.size() == 4 && (frame[0] == 0x78 || frame[0] == 0x45)) {
            return {frame[1], frame[2], at((std::size_t{frame[1]} << 8) | frame[2])};
        }
        if (frame.size() == 3 && (frame[0] == 0x89 || frame[0] == 0x92 || frame[0] == 0xAB)) {
            return {0x00, frame[2], at(frame[2])};
        }
        if (frame.size() == 4 && frame[0] == 0xAA) {
            std::uint8_t& cell = at((std::size_t{frame[1]} << 8) | frame[2]);
            cell = frame[3];
            return {frame[1], frame[2], cell};
        }
        return {};
    };
}

} // namespace korvane::fakes
