#include "doctor/traced_line.h"

#include "text/format_text.h"

namespace korvane {

namespace {

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += FormatText(text.empty() ? "%02X" : " %02X", byte);
    }
    return text;
}

} // namespace

int TracedLine::Write(const std::uint8_t* bytes, int count) {
    events_.push_back({clock_.NowMs(), Kind::Sent,
                       std::vector<std::uint8_t>(bytes, bytes + (count > 0 ? count : 0)), count});
    return channel_.Write(bytes, count);
}

int TracedLine::Read(std::uint8_t* buffer, int count) {
    const int received = channel_.Read(buffer, count);
    events_.push_back({clock_.NowMs(), Kind::Received,
                       std::vector<std::uint8_t>(buffer, buffer + (received > 0 ? received : 0)),
                       count});
    return received;
}

int TracedLine::Purge() {
    events_.push_back({clock_.NowMs(), Kind::Purged, {}, 0});
    return channel_.Purge();
}

void TracedLine::SleepMs(int milliseconds) {
    events_.push_back({clock_.NowMs(), Kind::Paused, {}, milliseconds});
    sleeper_.SleepMs(milliseconds);
}

std::vector<std::string> TracedLine::TraceLines() const {
    std::vector<std::string> lines;
    for (const Event& event : events_) {
        std::string what;
        switch (event.kind) {
        case Kind::Sent:
            what = "> " + HexBytes(event.bytes);
            break;
        case Kind::Received:
            what = event.bytes.empty() ? "< nothing (" + std::to_string(event.asked) + " asked)"
                                       : "< " + HexBytes(event.bytes);
            break;
        case Kind::Purged:
            what = "purge";
            break;
        case Kind::Paused:
            what = "pause " + std::to_string(event.asked) + " ms";
            break;
        }
        lines.push_back(FormatText("%9.1f ", event.atMs) + what);
    }
    return lines;
}

} // namespace korvane
