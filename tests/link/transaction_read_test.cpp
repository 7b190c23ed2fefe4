#include "link/read_transaction.h"

#include "fake_device.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace korvane {
namespace {

using fakes::Bytes;
using fakes::Events;
using fakes::FakeDevice;
using fakes::LinkEvent;
using fakes::ReadOf;
using fakes::Reply;
using fakes::StopEvents;
using fakes::TimedOut;
using fakes::Wrote;

// The result and the output bytes (0xEE where nothing was stored) of one sequence.
std::pair<int, Bytes> ReadFrom(FakeDevice& device, std::vector<std::uint32_t> addresses,
                               std::vector<fakes::ScriptedRead> script = {},
                               UnitType unit = UnitType::Ecu) {
    std::map<std::uint32_t, std::string> map;
    for (const std::uint32_t address : addresses) {
        map.emplace(address, "");
    }
    device.Script(std::move(script));
    Bytes output(map.size(), 0xEE);
    const int result = ReadAddressSequence(device.Link(unit), map, output);
    return {result, output};
}

TEST(ReadAddressSequence, OnlyTheEchoOfTheAddressIsAcceptedAndMismatchesCostRereads) {
    FakeDevice ecu;
    EXPECT_EQ(ReadFrom(ecu, {0x1234},
                       {Reply(0x34, 0x12, 0x01), Reply(0x12, 0x35, 0x02), Reply(0x12, 0x34, 0x5A)}),
              std::make_pair(1, Bytes{0x5A}));
    EXPECT_EQ(
        ecu.Trace(),
        Events({{Wrote({0x78, 0x12, 0x34, 0x00}), ReadOf(3), ReadOf(3), ReadOf(3)}, StopEvents()}));

    FakeDevice aircon;
    EXPECT_EQ(ReadFrom(aircon, {0x1234}, {Reply(0x12, 0x34, 0x01), Reply(0x00, 0x34, 0x07)},
                       UnitType::Aircon),
              std::make_pair(1, Bytes{0x07}));
    EXPECT_EQ(aircon.Trace(),
              Events({{Wrote({0x89, 0x00, 0x34}), ReadOf(3), ReadOf(3)}, StopEvents()}));

    // Ascending, no stop between addresses, a late duplicate of a reply skipped.
    FakeDevice walk;
    EXPECT_EQ(ReadFrom(walk, {0x0200, 0x0010, 0x0011},
                       {Reply(0x00, 0x10, 0xA1), Reply(0x00, 0x10, 0xA1), Reply(0x00, 0x11, 0xB2),
                        Reply(0x02, 0x00, 0xC3)}),
              std::make_pair(3, Bytes{0xA1, 0xB2, 0xC3}));
    EXPECT_EQ(walk.Trace(),
              Events({{Wrote({0x78, 0x00, 0x10, 0x00}), ReadOf(3), Wrote({0x78, 0x00, 0x11, 0x00}),
                       ReadOf(3), ReadOf(3), Wrote({0x78, 0x02, 0x00, 0x00}), ReadOf(3)},
                      StopEvents()}));

    FakeDevice empty;
    EXPECT_EQ(ReadFrom(empty, {}), std::make_pair(0, Bytes{}));
    EXPECT_EQ(empty.Trace(), StopEvents());
}

TEST(ReadAddressSequence, DataEqualToAnEchoByteNeedsTheNextTwoRepliesToAgree) {
    // A lost data byte: the next reply's first byte stood in for it and the stream is out
    // of step; the reply after that is whole again. Then one repeat that agrees and one that
    // does not, two repeats that agree, and a unit that answers a frame only once.
    const std::vector<std::tuple<std::vector<fakes::ScriptedRead>, std::uint8_t, int>> cases = {
        {{Reply(0x12, 0x34, 0x12), Reply(0x34, 0x56, 0x12), Reply(0x12, 0x34, 0x56)}, 0x56, 3},
        {{Reply(0x12, 0x34, 0x12), Reply(0x12, 0x34, 0x12), Reply(0x34, 0x56, 0x12),
          Reply(0x12, 0x34, 0x56)},
         0x56,
         4},
        {{Reply(0x12, 0x34, 0x34), Reply(0x12, 0x34, 0x34), Reply(0x12, 0x34, 0x34)}, 0x34, 3},
        {{Reply(0x12, 0x34, 0x12), TimedOut()}, 0x12, 2}};
    for (const auto& [replies, value, reads] : cases) {
        FakeDevice device;
        EXPECT_EQ(ReadFrom(device, {0x1234}, replies), std::make_pair(1, Bytes{value}));
        EXPECT_EQ(device.CountOf(LinkEvent::Kind::Read), reads);
        EXPECT_EQ(device.CountWrites({0x78, 0x12, 0x34, 0x00}), 1);
    }
}

TEST(ReadAddressSequence, FromTheThirdFailureOnStopsAndResendsAndTheSixthGivesUp) {
    const LinkEvent frame = Wrote({0x78, 0x12, 0x34, 0x00});
    // Every kind of failure counts: time-out, short read, wrong address, failed call.
    FakeDevice recovers;
    EXPECT_EQ(ReadFrom(recovers, {0x1234},
                       {TimedOut(), fakes::ShortRead({0x12, 0x34}), Reply(0x99, 0x99, 0x00),
                        fakes::ReadFailed(), Reply(0x12, 0x34, 0x42)}),
              std::make_pair(1, Bytes{0x42}));
    const std::vector<LinkEvent> resends = Events({{frame, ReadOf(3), ReadOf(3), ReadOf(3)},
                                                   StopEvents(),
                                                   {frame, ReadOf(3)},
                                                   StopEvents(),
                                                   {frame, ReadOf(3)},
                                                   StopEvents()});
    EXPECT_EQ(recovers.Trace(), resends);

    FakeDevice gives;
    EXPECT_EQ(ReadFrom(gives, {0x1234, 0x1235, 0x0010}, {Reply(0x00, 0x10, 0x01)}),
              std::make_pair(-1, Bytes{0x01, 0xEE, 0xEE}));
    EXPECT_EQ(gives.Trace(), Events({{Wrote({0x78, 0x00, 0x10, 0x00}), ReadOf(3)},
                                     resends,
                                     {frame, ReadOf(3)},
                                     StopEvents()}));

    // Five failures are survivable for every address, not five for the whole set.
    FakeDevice patient;
    EXPECT_EQ(ReadFrom(patient, {0x10, 0x20},
                       {TimedOut(), TimedOut(), TimedOut(), TimedOut(), TimedOut(),
                        Reply(0x00, 0x10, 0x11), TimedOut(), TimedOut(), TimedOut(), TimedOut(),
                        TimedOut(), Reply(0x00, 0x20, 0x21)}),
              std::make_pair(2, Bytes{0x11, 0x21}));
    EXPECT_EQ(patient.CountWrites({0x78, 0x00, 0x20, 0x00}), 4);
    EXPECT_EQ(patient.CountWrites(fakes::kStopBytes), 7);

    FakeDevice closed;
    closed.SetClosed(true);
    EXPECT_EQ(ReadFrom(closed, {0x1234, 0x1235}), std::make_pair(-1, Bytes{0xEE, 0xEE}));
    EXPECT_EQ(closed.CountOf(LinkEvent::Kind::Read), 6);
    EXPECT_EQ(closed.CountWrites({0x78, 0x12, 0x35, 0x00}), 0);
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
    EXPECT_EQ(out, (Bytes{0xFE, 0xFF, 0x5A}));
    EXPECT_EQ(device.Writes(), (std::vector<Bytes>{{0x78, 0xFF, 0xFE, 0x00},
                                                   {0x78, 0xFF, 0xFF, 0x00},
                                                   {0x78, 0x00, 0x00, 0x00},
                                                   fakes::kStopBytes}));

    // Three-byte units wrap their low byte.
    device.ClearTrace();
    memory[0xFF] = 0x0F;
    EXPECT_EQ(ReadMemoryRange(device.Link(UnitType::Cruise), 0x12FF, 2, out), 2);
    EXPECT_EQ(out, (Bytes{0x0F, 0x5A, 0x5A}));
    EXPECT_EQ(device.Writes()[1], (Bytes{0xAB, 0x00, 0x00}));

    device.ClearTrace();
    EXPECT_EQ(ReadMemoryRange(device.Link(), 0x8000, 0, {}), 0);
    EXPECT_EQ(device.Trace(), StopEvents());
    // An output shorter than the range is refused without traffic.
    device.ClearTrace();
    EXPECT_EQ(ReadMemoryRange(device.Link(), 0, 4, out), -1);
    EXPECT_TRUE(device.Trace().empty());
}

} // namespace
} // namespace korvane
