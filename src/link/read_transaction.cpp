#include "link/read_transaction.h"

#include "link/command_frames.h"

#include <cstddef>

namespace korvane {

namespace {

// Failed reads of one address answered by reading again without resending the frame.
constexpr int kRereadsBeforeResend = 2;
// Failed reads of one address after which the transaction gives up.
constexpr int kFailuresBeforeGivingUp = 5;

bool IsReplyTo(const UnitReply& reply, int received, const CommandFrame& frame) {
    return received == kReplyLength && reply[0] == frame[1] && reply[1] == frame[2];
}

// The unit repeats [echo 1, echo 2, data] without end and nothing marks where a reply
// starts. When bytes are lost on the line, the echo of one reply followed by the first
// bytes of the next still matches, and then carries an echo byte where the data belongs.
// Such a reply is taken only when the next two repeat it exactly: a lost byte leaves the
// stream out of step, and only more losses in a certain pattern could mimic it twice. A
// unit that answers each frame only once sends nothing more, and then there is nothing
// to doubt.
constexpr int kConfirmingReplies = 2;

bool MayBeOutOfStep(const UnitReply& reply) {
    return reply[2] == reply[0] || reply[2] == reply[1];
}

bool ConfirmedByNextReplies(const UnitLink& link, const UnitReply& reply) {
    for (int i = 0; i < kConfirmingReplies; ++i) {
        UnitReply next{};
        const int received = link.channel.Read(next.data(), kReplyLength);
        if (received == 0 && i == 0) {
            return true;
        }
        if (received != kReplyLength || next != reply) {
            return false;
        }
    }
    return true;
}

// Adds a read that was not taken to the observation, by what came.
void NoteRefusedRead(LineObservation* observation, const UnitReply& reply, int received,
                     const CommandFrame& frame) {
    if (observation == nullptr) {
        return;
    }
    if (received <= 0) {
        ++observation->timedOut;
    } else if (received == kReplyLength && !IsReplyTo(reply, received, frame)) {
        ++observation->otherAddress;
    } else {
        ++observation->garbled;
    }
}

// Adds an address to the observation, by what reading it took.
void NoteAddress(LineObservation* observation, bool taken, int refusedReads, bool resent) {
    if (observation == nullptr) {
        return;
    }
    if (!taken) {
        ++observation->failed;
    } else if (resent) {
        ++observation->resent;
    } else if (refusedReads > 0) {
        ++observation->repeated;
    } else {
        ++observation->clean;
    }
}

// Reads one address. The failure counter is shared by the whole transaction and only
// reset by a success. On giving up the stop sequence has already run.
bool ReadOneAddress(const UnitLink& link, std::uint32_t address, int& failures,
                    std::uint8_t& value) {
    CommandFrame frame{};
    const int length = BuildReadFrame(frame, address, link.unit);
    link.channel.Write(frame.data(), length);
    int refusedReads = 0;
    bool resent = false;
    for (;;) {
        UnitReply reply{};
        const int received = link.channel.Read(reply.data(), kReplyLength);
        // Replies still coming for an earlier address are skipped by this check.
        if (IsReplyTo(reply, received, frame) &&
            (!MayBeOutOfStep(reply) || ConfirmedByNextReplies(link, reply))) {
            value = reply[2];
            failures = 0;
            NoteAddress(link.observation, true, refusedReads, resent);
            return true;
        }
        NoteRefusedRead(link.observation, reply, received, frame);
        ++refusedReads;
        if (failures >= kFailuresBeforeGivingUp) {
            RunStopSequence(link);
            NoteAddress(link.observation, false, refusedReads, resent);
            return false;
        }
        if (failures >= kRereadsBeforeResend) {
            RunStopSequence(link);
            link.channel.Write(frame.data(), length);
            resent = true;
        }
        ++failures;
    }
}

// Reads count addresses handed out one by one, in order, by nextAddress.
template <typename NextAddress>
int ReadEach(const UnitLink& link, std::size_t count, NextAddress nextAddress,
             std::span<std::uint8_t> output, int* addressesRead) {
    int read = 0;
    if (addressesRead == nullptr) {
        addressesRead = &read;
    }
    *addressesRead = 0;
    if (output.size() < count) {
        return -1;
    }
    int failures = 0;
    for (std::size_t k = 0; k < count; ++k) {
        if (!ReadOneAddress(link, nextAddress(), failures, output[k])) {
            return -1;
        }
        ++*addressesRead;
    }
    RunStopSequence(link);
    return static_cast<int>(count);
}

} // namespace

int ReadAddressSequence(const UnitLink& link, const std::map<std::uint32_t, std::string>& addresses,
                        std::span<std::uint8_t> output, int* addressesRead) {
    auto next = addresses.begin();
    return ReadEach(
        link, addresses.size(), [&next] { return (next++)->first; }, output, addressesRead);
}

int ReadAddressSequence(const UnitLink& link, std::span<const std::uint32_t> addresses,
                        std::span<std::uint8_t> output) {
    std::size_t next = 0;
    return ReadEach(
        link, addresses.size(), [&] { return addresses[next++]; }, output, nullptr);
}

int ReadMemoryRange(const UnitLink& link, std::uint16_t start, std::uint16_t count,
                    std::span<std::uint8_t> output, int* addressesRead) {
    // Plain integers past 0xFFFF keep the walk ascending; the frames cut them to 16 bits.
    std::uint32_t next = start;
    return ReadEach(
        link, count, [&next] { return next++; }, output, addressesRead);
}

} // namespace korvane
