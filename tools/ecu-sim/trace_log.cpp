#include "trace_log.h"

#include "hex_text.h"

namespace korvane::ecusim {

TraceLog::~TraceLog() {
    if (file_ != nullptr) {
        (void)std::fclose(file_);
    }
}

bool TraceLog::Open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "w");
    return file_ != nullptr;
}

void TraceLog::FrameReceived(std::int64_t milliseconds, const Frame& frame) {
    const std::string bytes =
        HexBytes(std::span(frame.bytes.data(), static_cast<std::size_t>(frame.length)));
    std::string text = "frame " + bytes + " ";
    switch (frame.kind) {
    case FrameKind::Read:
        text += std::string("read ") + Info(frame.unit).name + " " + HexWord(frame.address);
        break;
    case FrameKind::Stop:
        text += "stop";
        break;
    case FrameKind::RomId:
        text += "romid";
        break;
    case FrameKind::Write:
        text += "write " + HexWord(frame.address) + " " +
                HexBytes(std::span(frame.bytes.data() + 3, 1));
        break;
    }
    Line(milliseconds, text);
}

void TraceLog::Discarded(std::int64_t milliseconds, std::span<const std::uint8_t> bytes) {
    if (!bytes.empty()) {
        Line(milliseconds, "discard " + HexBytes(bytes));
    }
}

void TraceLog::Offline(std::int64_t milliseconds, std::span<const std::uint8_t> bytes) {
    if (!bytes.empty()) {
        Line(milliseconds, "offline " + HexBytes(bytes));
    }
}

void TraceLog::StreamStarted(std::int64_t milliseconds, const std::string& description) {
    Line(milliseconds, "stream " + description);
}

void TraceLog::Line(std::int64_t milliseconds, const std::string& text) {
    if (file_ == nullptr) {
        return;
    }
    (void)std::fprintf(file_, "%lld %s\n", static_cast<long long>(milliseconds), text.c_str());
    (void)std::fflush(file_);
}

} // namespace korvane::ecusim
