#include "link/read_transaction.h"

#include "fake_device.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace korvane {
namespace {

using fakes::Events;
using fakes::FakeDevice;
using fakes::LinkEvent;
using fakes::Purged;
using fakes::ReadFailed;
using fakes::ReadOf;
using fakes::Reply;
using fakes::ShortRead;
using fakes::Slept;
using fakes::StopEvents;
using fakes::TimedOut;
using fakes::Wrote;

using AddressMap = std::map<std::uint32_t, std::string>;

TEST(ReadAddressSequence, EcuAcceptsOnlyTheEchoOfItsAddress) {
    FakeDevice device;
    // A swapped echo, an echo of the next address, then the right one.
    device.Script({Reply(0x34, 0x12, 0x01), Reply(0x12, 0x35, 0x02), Reply(0x12, 0x34, 0x5A)});
    std::array<std::uint8_t, 1> out{};

    EXPECT_EQ(ReadAddressSequence(device.Link(), AddressMap{{0x1234, "rpm"}}, out), 1);

    EXPECT_EQ(out[0], 0x5A);
    // Two mismatches cost rereads only: one frame, no stop before the accepted reply.
    EXPECT_EQ(
        device.Trace(),
        Events({{Wrote({0x78, 0x12, 0x34, 0x00}), ReadOf(3), ReadOf(3), ReadOf(3)}, StopEvents()}));
}

TEST(ReadAddressSequence, DataEqualToAnEchoByteNeedsTheNextReplyToAgree) {
    struct Case {
        std::vector<fakes::ScriptedRead> replies;
        std::uint8_t value;
        int reads;
    };
    const std::vector<Case> cases = {
        // A lost data byte: the next reply's first byte stood in for it, and the stream
        // is out of step; the reply after that is whole again.
        {{Reply(0x12, 0x34, 0x12), Reply(0x34, 0x56, 0x12), Reply(0x12, 0x34, 0x56)}, 0x56, 3},
        {{Reply(0x12, 0x34, 0x34), Reply(0x12, 0x34, 0x34)}, 0x34, 2},
        // A unit that answers a frame only once.
        {{Reply(0x12, 0x34, 0x12), TimedOut()}, 0x12, 2},
    };
    for (const Case& c : cases) {
        FakeDevice device;
        device.Script(c.replies);
        std::array<std::uint8_t, 1> out{};
        EXPECT_EQ(ReadAddressSequence(device.Link(), AddressMap{{0x1234, ""}}, out), 1);
        EXPECT_EQ(out[0], c.value);
        EXPECT_EQ(device.CountOf(LinkEvent::Kind::Read), c.reads);
        EXPECT_EQ(device.CountWrites({0x78, 0x12, 0x34, 0x00}), 1);
    }
}

TEST(ReadAddressSequence, AirconSendsThreeBytesAndAcceptsZeroHighEcho) {
    FakeDevice device;
    device.Script({Reply(0x12, 0x34, 0x01), Reply(0x00, 0x34, 0x07)});
    std::array<std::uint8_t, 1> out{};

    EXPECT_EQ(ReadAddressSequence(device.Link(UnitType::Aircon), AddressMap{{0x1234, "fan"}}, out),
              1);

    EXPECT_EQ(out[0], 0x07);
    EXPECT_EQ(device.Trace(),
              Events({{Wrote({0x89, 0x00, 0x34}), ReadOf(3), ReadOf(3)}, StopEvents()}));
}

TEST(ReadAddressSequence, WalksAscendingWithoutStopBetweenAddresses) {
    FakeDevice device;
    // A late duplicate of the first reply arrives before the second address's reply.
    device.Script({Reply(0x00, 0x10, 0xA1), Reply(0x00, 0x10, 0xA1), Reply(0x00, 0x11, 0xB2),
                   Reply(0x02, 0x00, 0xC3)});
    const AddressMap addresses{{0x0200, "c"}, {0x0010, "a"}, {0x0011, "b"}};
    std::array<std::uint8_t, 3> out{};

    EXPECT_EQ(ReadAddressSequence(device.Link(), addresses, out), 3);

    EXPECT_EQ(out, (std::array<std::uint8_t, 3>{0xA1, 0xB2, 0xC3}));
    EXPECT_EQ(device.Trace(),
              Events({{Wrote({0x78, 0x00, 0x10, 0x00}), ReadOf(3), Wrote({0x78, 0x00, 0x11, 0x00}),
                       ReadOf(3), ReadOf(3), Wrote({0x78, 0x02, 0x00, 0x00}), ReadOf(3)},
                      StopEvents()}));
}

TEST(ReadAddressSequence, ThirdFailureStopsPausesPurgesAndResends) {
    FakeDevice device;
    // Every kind of failure counts: time-out, short read, wrong address, failed call.
    device.Script({TimedOut(), ShortRead({0x12, 0x34}), Reply(0x99, 0x99, 0x00), ReadFailed(),
                   Reply(0x12, 0x34, 0x42)});
    std::array<std::uint8_t, 1> out{};

    EXPECT_EQ(ReadAddressSequence(device.Link(), AddressMap{{0x1234, ""}}, out), 1);

    EXPECT_EQ(out[0], 0x42);
    const std::vector<LinkEvent> frame = {Wrote({0x78, 0x12, 0x34, 0x00})};
    EXPECT_EQ(device.Trace(), Events({frame,
                                      {ReadOf(3), ReadOf(3), ReadOf(3)},
                                      StopEvents(),
                                      frame,
                                      {ReadOf(3)},
                                      StopEvents(),
                                      frame,
                                      {ReadOf(3)},
                                      StopEvents()}));
}

TEST(ReadAddressSequence, SixthFailureGivesUpKeepingEarlierBytes) {
    FakeDevice device;
    device.Script({Reply(0x00, 0x10, 0x01)});
    // Everything after that first reply times out.
    std::array<std::uint8_t, 3> out{0xEE, 0xEE, 0xEE};
    const AddressMap addresses{{0x10, ""}, {0x20, ""}, {0x30, ""}};

    EXPECT_EQ(ReadAddressSequence(device.Link(), addresses, out), -1);

    EXPECT_EQ(out, (std::array<std::uint8_t, 3>{0x01, 0xEE, 0xEE}));
    const std::vector<LinkEvent> second = {Wrote({0x78, 0x00, 0x20, 0x00})};
    EXPECT_EQ(device.Trace(), Events({{Wrote({0x78, 0x00, 0x10, 0x00}), ReadOf(3)},
                                      second,
                                      {ReadOf(3), ReadOf(3), ReadOf(3)},
                                      StopEvents(),
                                      second,
                                      {ReadOf(3)},
                                      StopEvents(),
                                      second,
                                      {ReadOf(3)},
                                      StopEvents(),
                                      second,
                                      {ReadOf(3)},
                                      StopEvents()}));
}

TEST(ReadAddressSequence, FailureCountStartsAfreshForEachAddress) {
    FakeDevice device;
    // Five failures are survivable for every address, not five for the whole set.
    for (const std::uint8_t low : {0x10, 0x20}) {
        device.Script({TimedOut(), TimedOut(), TimedOut(), TimedOut(), TimedOut(),
                       Reply(0x00, low, static_cast<std::uint8_t>(low + 1))});
    }
    std::array<std::uint8_t, 2> out{};

    EXPECT_EQ(ReadAddressSequence(device.Link(), AddressMap{{0x10, ""}, {0x20, ""}}, out), 2);

    EXPECT_EQ(out, (std::array<std::uint8_t, 2>{0x11, 0x21}));
    EXPECT_EQ(device.CountWrites({0x78, 0x00, 0x10, 0x00}), 4);
    EXPECT_EQ(device.CountWrites({0x78, 0x00, 0x20, 0x00}), 4);
    EXPECT_EQ(device.CountWrites(fakes::kStopBytes), 7);
}

TEST(ReadAddressSequence, EmptySetRunsOnlyTheStopSequence) {
    FakeDevice device;
    std::array<std::uint8_t, 1> out{0xEE};

    EXPECT_EQ(ReadAddressSequence(device.Link(), AddressMap{}, out), 0);
    EXPECT_EQ(device.Trace(), StopEvents());
    EXPECT_EQ(out[0], 0xEE);
}

TEST(ReadAddressSequence, ClosedPortFailsAfterFourStopPauses) {
    FakeDevice device;
    device.SetClosed(true);
    std::array<std::uint8_t, 2> out{0xEE, 0xEE};

    EXPECT_EQ(ReadAddressSequence(device.Link(), AddressMap{{0x1234, ""}, {0x1235, ""}}, out), -1);

    EXPECT_EQ(out, (std::array<std::uint8_t, 2>{0xEE, 0xEE}));
    EXPECT_EQ(device.CountOf(LinkEvent::Kind::Sleep), 4);
    EXPECT_EQ(device.CountOf(LinkEvent::Kind::Read), 6);
    EXPECT_EQ(device.CountWrites({0x78, 0x12, 0x34, 0x00}), 4);
    EXPECT_EQ(device.CountWrites({0x78, 0x12, 0x35, 0x00}), 0);
    EXPECT_EQ(device.Trace().back(), Purged());
}

TEST(ReadAddressSequence, OutputShorterThanTheSetIsRefusedWithoutTraffic) {
    FakeDevice device;
    std::array<std::uint8_t, 1> out{0xEE};

    EXPECT_EQ(ReadAddressSequence(device.Link(), AddressMap{{1, ""}, {2, ""}}, out), -1);
    const std::array<std::uint32_t, 2> plain{1, 2};
    EXPECT_EQ(ReadAddressSequence(device.Link(), plain, out), -1);
    EXPECT_EQ(ReadMemoryRange(device.Link(), 0, 2, out), -1);

    EXPECT_TRUE(device.Trace().empty());
    EXPECT_EQ(out[0], 0xEE);
}

TEST(ReadAddressSequence, PlainListIsWalkedInTheGivenOrder) {
    FakeDevice device;
    std::vector<std::uint8_t> memory(0x10000);
    memory[0x0102] = 0x33;
    memory[0x0500] = 0x44;
    device.SetResponder(fakes::MemoryResponder(memory));
    const std::vector<std::uint32_t> addresses{0x0102, 0x0500};
    std::vector<std::uint8_t> out(2);

    EXPECT_EQ(ReadAddressSequence(device.Link(UnitType::Tcu), addresses, out), 2);

    EXPECT_EQ(out, (std::vector<std::uint8_t>{0x33, 0x44}));
    EXPECT_EQ(device.Writes().front(), (fakes::Bytes{0x45, 0x01, 0x02, 0x00}));
}

TEST(ReadMemoryRange, ReadsConsecutiveBytesAcrossTheTopOfMemory) {
    FakeDevice device;
    std::vector<std::uint8_t> memory(0x10000);
    memory[0xFFFE] = 0xFE;
    memory[0xFFFF] = 0xFF;
    memory[0x0000] = 0x5A;
    memory[0x0001] = 0xA5;
    device.SetResponder(fakes::MemoryResponder(memory));
    std::array<std::uint8_t, 4> out{};

    EXPECT_EQ(ReadMemoryRange(device.Link(), 0xFFFE, 4, out), 4);

    EXPECT_EQ(out, (std::array<std::uint8_t, 4>{0xFE, 0xFF, 0x5A, 0xA5}));
    const std::vector<fakes::Bytes> frames = {{0x78, 0xFF, 0xFE, 0x00},
                                              {0x78, 0xFF, 0xFF, 0x00},
                                              {0x78, 0x00, 0x00, 0x00},
                                              {0x78, 0x00, 0x01, 0x00},
                                              fakes::kStopBytes};
    EXPECT_EQ(device.Writes(), frames);
}

TEST(ReadMemoryRange, CountZeroRunsOnlyTheStopSequence) {
    FakeDevice device;
    EXPECT_EQ(ReadMemoryRange(device.Link(), 0x8000, 0, {}), 0);
    EXPECT_EQ(device.Trace(), StopEvents());
}

TEST(ReadMemoryRange, ThreeByteUnitsWrapTheirLowByte) {
    FakeDevice device;
    std::vector<std::uint8_t> memory(0x100);
    memory[0xFF] = 0x0F;
    memory[0x00] = 0xF0;
    device.SetResponder(fakes::MemoryResponder(memory));
    std::array<std::uint8_t, 2> out{};

    EXPECT_EQ(ReadMemoryRange(device.Link(UnitType::Cruise), 0x12FF, 2, out), 2);

    EXPECT_EQ(out, (std::array<std::uint8_t, 2>{0x0F, 0xF0}));
    EXPECT_EQ(device.Writes()[1], (fakes::Bytes{0xAB, 0x00, 0x00}));
}

TEST(StopSequence, WritesStopFramePausesThenPurges) {
    FakeDevice device;
    RunStopSequence(device.Link(UnitType::Cruise));
    EXPECT_EQ(device.Trace(),
              (std::vector<LinkEvent>{Wrote({0x12, 0x00, 0x00, 0x00}), Slept(50), Purged()}));
}

} // namespace
} // namespace korvane
