#include "link/write_transaction.h"

#include "link/command_frames.h"

namespace korvane {

namespace {

constexpr int kWriteAttempts = 8;

} // namespace

std::uint8_t WriteMemoryByte(const UnitLink& link, std::uint16_t address, std::uint8_t data,
                             bool* answered) {
    RunStopSequence(link);

    CommandFrame readFrame{};
    const int readLength = BuildReadFrame(readFrame, address, link.unit);
    link.channel.Write(readFrame.data(), readLength);

    const CommandFrame request = BuildWriteRequest(address, data);
    UnitReply reply{};
    // The unit streams the byte at the address; the first reply shows it before writing.
    // Its address bytes are not compared, and neither are those of the later replies.
    link.channel.Read(reply.data(), kReplyLength);
    const std::uint8_t oldValue = reply[2];

    std::uint8_t newValue = oldValue;
    bool anyReply = false;
    for (int attempt = 0; attempt < kWriteAttempts; ++attempt) {
        link.channel.Write(request.data(), kFrameCapacity);
        const int count = link.channel.Read(reply.data(), kReplyLength);
        newValue = reply[2];
        anyReply = anyReply || count == kReplyLength;
        if (count == kReplyLength && newValue != oldValue) {
            break;
        }
    }

    RunStopSequence(link);
    if (answered != nullptr) {
        *answered = anyReply;
    }
    return newValue;
}

} // namespace korvane
