#include "link/rom_id_transaction.h"

#include "text/format_text.h"

namespace korvane {

namespace {

constexpr int kRomIdAttempts = 8;

// Replies to the waking read of address 0 are expected and not counted.
void NoteRefusedRead(LineObservation* observation, int received) {
    if (observation == nullptr) {
        return;
    }
    if (received <= 0) {
        ++observation->timedOut;
    } else if (received < kReplyLength) {
        ++observation->garbled;
    }
}

} // namespace

bool RequestRomId(const UnitLink& link, UnitReply& romId) {
    RunStopSequence(link);

    // A read of address 0 wakes the unit; its replies start with 0x00 and are never
    // mistaken for a ROM ID.
    CommandFrame frame{};
    const int length = BuildReadFrame(frame, 0x0000, link.unit);
    link.channel.Write(frame.data(), length);

    // Not cleared between attempts: bytes of an earlier short read may remain.
    UnitReply reply{};
    bool received = false;
    for (int attempt = 0; attempt < kRomIdAttempts; ++attempt) {
        const int count = link.channel.Read(reply.data(), kReplyLength);
        if (count == kReplyLength && reply[0] != 0x00) {
            received = true;
            break;
        }
        NoteRefusedRead(link.observation, count);
        link.channel.Write(kRomIdRequestFrame.data(), kFrameCapacity);
    }

    RunStopSequence(link);
    romId = reply;
    // A torn reply whose first byte happens to be non-zero is not a ROM ID.
    return received;
}

std::string RomIdText(const UnitReply& romId) {
    return FormatText("%02X%02X%02X", romId[0], romId[1], romId[2]);
}

} // namespace korvane
