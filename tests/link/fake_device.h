#pragma once

// A scripted control unit on the line. Reads are answered from a script, then from an
// optional responder, else they time out. The traffic is kept as words: each frame written
// in hex, "r" for a read of three bytes ("r<n>" for n bytes), "z<ms>" for a pause, "p" for a
// purge. Other test folders include it as "link/fake_device.h".

#include "link/byte_channel.h"
#include "link/unit_link.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace korvane::fakes {

using Bytes = std::vector<std::uint8_t>;

inline const Bytes kStopBytes = {0x12, 0x00, 0x00, 0x00};
inline const Bytes kRomIdRequestBytes = {0x00, 0x46, 0x48, 0x49};

inline std::string Hex(const Bytes& bytes) {
    std::string text;
    for (const auto byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        text += digits;
    }
    return text;
}

inline Bytes FromHex(const std::string& text) {
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

// One whole reply, as a word of a script.
inline std::string Reply(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    return Hex({b1, b2, b3});
}

class FakeDevice final : public ByteChannel, public Sleeper {
public:
    // Produces the answer to a read once the script is empty, given the last bytes
    // written; an empty result is a time-out.
    using Responder = std::function<Bytes(const Bytes& lastWrite)>;

    int Write(const std::uint8_t* bytes, int count) override {
        Bytes written(bytes, bytes + std::max(count, 0));
        trace_.push_back(Hex(written));
        writes_.push_back(written);
        if (closed_) {
            return -1;
        }
        lastWrite_ = std::move(written);
        replyPending_ = true;
        return count;
    }

    int Read(std::uint8_t* buffer, int count) override {
        trace_.push_back(count == 3 ? "r" : "r" + std::to_string(count));
        if (closed_) {
            return -1;
        }
        std::string answer = "-";
        if (!script_.empty()) {
            answer = script_.front();
            script_.pop_front();
        } else if (responder_ && replyPending_) {
            // The unit answers a frame once; later reads wait in vain.
            replyPending_ = false;
            answer = Hex(responder_(lastWrite_));
        }
        if (answer == "x") {
            return -1;
        }
        const Bytes bytes = FromHex(answer);
        const int delivered = std::min(count, static_cast<int>(bytes.size()));
        std::copy_n(bytes.begin(), delivered, buffer);
        return delivered;
    }

    int Purge() override {
        trace_.push_back("p");
        return closed_ ? -1 : 1;
    }

    void SleepMs(int milliseconds) override {
        trace_.push_back("z" + std::to_string(milliseconds));
    }

    // Answers for the coming reads, in order, separated by spaces: hex bytes are delivered
    // (cut to what was asked for), "-" times out, "x" fails the call.
    void Script(const std::string& reads) {
        std::istringstream words(reads);
        for (std::string word; words >> word;) {
            script_.push_back(word);
        }
    }
    void Script(const std::vector<std::string>& reads) {
        script_.insert(script_.end(), reads.begin(), reads.end());
    }
    void SetResponder(Responder responder) { responder_ = std::move(responder); }
    // A closed port: every write, read and purge returns -1.
    void SetClosed(bool closed) { closed_ = closed; }

    const std::vector<std::string>& Trace() const { return trace_; }
    // The trace as one line, each whole stop sequence (frame, pause, purge) shown as "stop".
    std::string Log() const {
        std::string log;
        for (const auto& word : trace_) {
            log += (log.empty() ? "" : " ") + word;
        }
        const std::string stop = "12000000 z50 p";
        for (std::size_t at = log.find(stop); at != std::string::npos; at = log.find(stop, at)) {
            log.replace(at, stop.size(), "stop");
        }
        return log;
    }
    const std::vector<Bytes>& Writes() const { return writes_; }
    int CountWrites(const Bytes& frame) const {
        return static_cast<int>(std::count(writes_.begin(), writes_.end(), frame));
    }
    void ClearTrace() {
        trace_.clear();
        writes_.clear();
    }

    UnitLink Link(UnitType unit = UnitType::Ecu) { return UnitLink{*this, *this, unit}; }

private:
    std::vector<std::string> trace_;
    std::vector<Bytes> writes_;
    std::deque<std::string> script_;
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
