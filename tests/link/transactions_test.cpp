// The unit transactions against a scripted unit. Replies are scripted as words (hex bytes,
// "-" for a time-out, "x" for a failed read). Each case expects the outcome and, after a
// colon, the traffic as the device logs it.

#include "link/read_transaction.h"
#include "link/rom_id_transaction.h"
#include "link/write_transaction.h"

#include "fake_device.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace korvane {
namespace {

using fakes::Bytes;
using fakes::FakeDevice;
using fakes::Hex;

std::string Repeat(const std::string& words, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) {
        all += words;
    }
    return all;
}

// A frame whose first five replies fail: read again twice, then stop and resend after
// each further failure. The sixth reply decides.
std::string Resent(const std::string& frame) {
    return frame + " r r r stop " + frame + " r stop " + frame + " r stop " + frame + " r";
}

struct Case {
    std::string replies;
    std::string outcome;
    UnitType unit = UnitType::Ecu;
    std::vector<std::uint32_t> addresses = {0x1234}; // for reads
    // Addresses clean/repeated/resent/failed, then reads timed out/garbled/other address.
    std::string observed = "";
};

std::string ObservationText(const LineObservation& seen) {
    return std::to_string(seen.clean) + "/" + std::to_string(seen.repeated) + "/" +
           std::to_string(seen.resent) + "/" + std::to_string(seen.failed) + " " +
           std::to_string(seen.timedOut) + "/" + std::to_string(seen.garbled) + "/" +
           std::to_string(seen.otherAddress);
}

// The result and the output (EE where nothing was stored) of reading the addresses, with
// the traffic; `seen`, when given, observes the transaction.
std::string ReadOutcome(FakeDevice& device, const Case& c, LineObservation* seen = nullptr) {
    std::map<std::uint32_t, std::string> addresses;
    for (const std::uint32_t address : c.addresses) {
        addresses.emplace(address, "");
    }
    device.Script(c.replies);
    Bytes output(addresses.size(), 0xEE);
    UnitLink link = device.Link(c.unit);
    link.observation = seen;
    const int result = ReadAddressSequence(link, addresses, output);
    return std::to_string(result) + " " + Hex(output) + ": " + device.Log();
}

TEST(ReadAddressSequence, TakesOnlyEchoedRepliesRereadsResendsAndGivesUp) {
    const std::string frame = "78123400";
    const UnitType ecu = UnitType::Ecu;
    const std::vector<Case> cases = {
        {"341201 123502 12345A", "1 5A: 78123400 r r r stop", ecu, {0x1234}, "0/1/0/0 0/0/2"},
        {"123401 003407", "1 07: 890034 r r stop", UnitType::Aircon, {0x1234}, "0/1/0/0 0/0/1"},
        // Ascending, one stop at the end, a late duplicate skipped.
        {"0010A1 0010A1 0011B2 0200C3",
         "3 A1B2C3: 78001000 r 78001100 r r 78020000 r stop",
         ecu,
         {0x0200, 0x0010, 0x0011},
         "2/1/0/0 0/0/1"},
        {"", "0 : stop", ecu, {}, "0/0/0/0 0/0/0"},
        // Data equal to an echo byte may come from a stream out of step: it is taken when
        // the next two replies repeat it, or when none follows.
        {"123412 345612 123456", "1 56: 78123400 r r r stop", ecu, {0x1234}, "0/1/0/0 0/1/0"},
        {"123412 123412 345612 123456", "1 56: 78123400 r r r r stop"},
        {"123434 123434 123434", "1 34: 78123400 r r r stop", ecu, {0x1234}, "1/0/0/0 0/0/0"},
        {"123412 -", "1 12: 78123400 r r stop"},
        // Every kind of failure counts; five are survived for each address, not in all.
        {"- 1234 999900 x - 123442",
         "1 42: " + Resent(frame) + " stop",
         ecu,
         {0x1234},
         "0/0/1/0 3/1/1"},
        {"- - - - - 001011 - - - - - 002021",
         "2 1121: " + Resent("78001000") + " " + Resent("78002000") + " stop",
         ecu,
         {0x10, 0x20}},
        {"001001",
         "-1 01EEEE: 78001000 r " + Resent(frame) + " stop",
         ecu,
         {0x1234, 0x1235, 0x0010},
         "1/0/0/1 6/0/0"},
    };
    for (const Case& c : cases) {
        FakeDevice device;
        const std::string outcome = ReadOutcome(device, c);
        EXPECT_EQ(outcome, c.outcome) << c.replies;
        // Observing the transaction changes nothing it sends or takes.
        FakeDevice observed;
        LineObservation seen;
        EXPECT_EQ(ReadOutcome(observed, c, &seen), outcome) << c.replies;
        if (!c.observed.empty()) {
            EXPECT_EQ(ObservationText(seen), c.observed) << c.replies;
        }
    }
    FakeDevice closed;
    closed.SetClosed(true);
    EXPECT_EQ(ReadOutcome(closed, {"", "", ecu, {0x1234, 0x1235}}),
              "-1 EEEE: " + Resent(frame) + " stop");
}

TEST(ReadMemoryRange, ReadsConsecutiveBytesAcrossTheTopOfMemory) {
    std::vector<std::uint8_t> memory(0x10000);
    memory[0xFFFE] = 0xFE;
    memory[0xFFFF] = 0xFF;
    memory[0x0000] = 0x5A;
    FakeDevice device;
    device.SetResponder(fakes::MemoryResponder(memory));
    Bytes out(3);
    EXPECT_EQ(ReadMemoryRange(device.Link(), 0xFFFE, 3, out), 3);
    EXPECT_EQ(Hex(out), "FEFF5A");
    EXPECT_EQ(device.Log(), "78FFFE00 r r 78FFFF00 r r 78000000 r stop");

    // An output shorter than the range is refused without traffic.
    device.ClearTrace();
    EXPECT_EQ(ReadMemoryRange(device.Link(), 0, 4, out), -1);
    EXPECT_EQ(device.Log(), "");
}

// Whether an ID came, the reply buffer, and the traffic.
std::string RomIdOutcome(FakeDevice& device, const Case& c, LineObservation* seen = nullptr) {
    device.Script(c.replies);
    UnitReply id{0xEE, 0xEE, 0xEE};
    UnitLink link = device.Link(c.unit);
    link.observation = seen;
    const bool found = RequestRomId(link, id);
    return (found ? "ID " : "no ") + Hex(Bytes(id.begin(), id.end())) + ": " + device.Log();
}

TEST(RequestRomId, WakesTheUnitAndRequestsUpToEightTimes) {
    const auto requests = [](int times) { return Repeat(" r 00464849", times); };
    const std::string eight = "stop 78000000" + requests(8) + " stop";
    const std::vector<Case> cases = {
        {"4A3122", "ID 4A3122: stop 78000000 r stop"},
        // An address-zero echo and a short read are answered with the request.
        {"000099 4A 4A3122",
         "ID 4A3122: stop 890000" + requests(2) + " r stop",
         UnitType::Aircon,
         {},
         "0/0/0/0 0/1/0"},
        {Repeat("000011 ", 8), "no 000011: " + eight},
        {"- - - - - - - 123456",
         "ID 123456: stop 78000000" + requests(7) + " r stop",
         UnitType::Ecu,
         {},
         "0/0/0/0 7/0/0"},
        // The reply buffer keeps leftovers of earlier attempts.
        {"000077 0005 x", "no 000577: " + eight},
        // A torn reply with a non-zero first byte is no ID.
        {"4A31", "no 4A3100: " + eight},
    };
    for (const Case& c : cases) {
        FakeDevice device;
        const std::string outcome = RomIdOutcome(device, c);
        EXPECT_EQ(outcome, c.outcome) << c.replies;
        FakeDevice observed;
        LineObservation seen;
        EXPECT_EQ(RomIdOutcome(observed, c, &seen), outcome) << c.replies;
        if (!c.observed.empty()) {
            EXPECT_EQ(ObservationText(seen), c.observed) << c.replies;
        }
    }
    FakeDevice closed;
    closed.SetClosed(true);
    EXPECT_EQ(RomIdOutcome(closed, {}), "no 000000: " + eight);
}

// The byte the unit reported after a write of 5A to 1234, whether it answered at all, and
// the traffic.
std::string WriteOutcome(FakeDevice& device, const Case& c) {
    device.Script(c.replies);
    bool answered = false;
    const int result = WriteMemoryByte(device.Link(c.unit), 0x1234, 0x5A, &answered);
    return Hex({static_cast<std::uint8_t>(result)}) + (answered ? " answered: " : " silent: ") +
           device.Log();
}

TEST(WriteMemoryByte, RepeatsTheRequestUntilTheStreamedByteChanges) {
    const auto requests = [](int times) { return Repeat(" AA12345A r", times) + " stop"; };
    const std::vector<Case> cases = {
        {"123405 12345A", "5A answered: stop 78123400 r" + requests(1)},
        {Repeat("12345A ", 9), "5A answered: stop 78123400 r" + requests(8)},
        // Address bytes are not compared.
        {"999905 777707", "07 answered: stop 78123400 r" + requests(1)},
        // Nothing before writing counts as 0; short replies do not end the requests.
        {"- 1234 123400 12345A", "5A answered: stop 78123400 r" + requests(3)},
        // A unit falling silent gives the last byte seen; one reporting 0 still answered.
        {"123405 01", "05 silent: stop 78123400 r" + requests(8)},
        {Repeat("123400 ", 9), "00 answered: stop 78123400 r" + requests(8)},
        // Three-byte units read short but write the full address.
        {"003411 00345A", "5A answered: stop 920034 r" + requests(1), UnitType::FourWs},
    };
    for (const Case& c : cases) {
        FakeDevice device;
        EXPECT_EQ(WriteOutcome(device, c), c.outcome) << c.replies;
    }
    FakeDevice closed;
    closed.SetClosed(true);
    EXPECT_EQ(WriteOutcome(closed, {}), "00 silent: stop 78123400 r" + requests(8));
}

} // namespace
} // namespace korvane
