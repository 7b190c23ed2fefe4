#include "link/write_transaction.h"

#include "fake_device.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

using fakes::Events;
using fakes::FakeDevice;
using fakes::LinkEvent;
using fakes::ReadOf;
using fakes::Reply;
using fakes::ShortRead;
using fakes::StopEvents;
using fakes::TimedOut;
using fakes::Wrote;

TEST(WriteMemoryByte, StopsRepeatingOnceTheByteChanges) {
    FakeDevice device;
    device.Script({Reply(0x12, 0x34, 0x05), Reply(0x12, 0x34, 0x5A)});

    EXPECT_EQ(WriteMemoryByte(device.Link(), 0x1234, 0x5A), 0x5A);

    EXPECT_EQ(device.Trace(), Events({StopEvents(),
                                      {Wrote({0x78, 0x12, 0x34, 0x00}), ReadOf(3),
                                       Wrote({0xAA, 0x12, 0x34, 0x5A}), ReadOf(3)},
                                      StopEvents()}));
}

TEST(WriteMemoryByte, UnchangedValueSendsTheRequestEightTimes) {
    FakeDevice device;
    for (int i = 0; i < 9; ++i) {
        device.Script({Reply(0x12, 0x34, 0x5A)});
    }

    EXPECT_EQ(WriteMemoryByte(device.Link(), 0x1234, 0x5A), 0x5A);

    EXPECT_EQ(device.CountWrites({0xAA, 0x12, 0x34, 0x5A}), 8);
    EXPECT_EQ(device.CountOf(LinkEvent::Kind::Read), 9);
    EXPECT_EQ(device.ScriptLeft(), 0U);
}

TEST(WriteMemoryByte, AddressBytesOfRepliesAreNotCompared) {
    FakeDevice device;
    device.Script({Reply(0x99, 0x99, 0x05), Reply(0x77, 0x77, 0x07)});

    // Any change of the streamed byte ends the repetition, even to another value.
    EXPECT_EQ(WriteMemoryByte(device.Link(), 0x1234, 0x5A), 0x07);
    EXPECT_EQ(device.CountWrites({0xAA, 0x12, 0x34, 0x5A}), 1);
}

TEST(WriteMemoryByte, ShortRepliesDoNotEndTheRepetition) {
    FakeDevice device;
    // Nothing before writing: the old value counts as 0. A short reply with a changed
    // third byte is not enough.
    device.Script(
        {TimedOut(), ShortRead({0x12, 0x34}), Reply(0x12, 0x34, 0x00), Reply(0x12, 0x34, 0x66)});

    EXPECT_EQ(WriteMemoryByte(device.Link(), 0x1234, 0x66), 0x66);
    EXPECT_EQ(device.CountWrites({0xAA, 0x12, 0x34, 0x66}), 3);
}

TEST(WriteMemoryByte, SilentUnitReturnsTheLastThirdByteSeen) {
    FakeDevice device;
    device.Script({Reply(0x12, 0x34, 0x05), ShortRead({0x01})});

    EXPECT_EQ(WriteMemoryByte(device.Link(), 0x1234, 0x5A), 0x05);
    EXPECT_EQ(device.CountWrites({0xAA, 0x12, 0x34, 0x5A}), 8);
}

TEST(WriteMemoryByte, ThreeByteUnitsReadShortButWriteTheFullAddress) {
    FakeDevice device;
    std::vector<std::uint8_t> memory(0x100, 0x11);
    device.SetResponder(fakes::MemoryResponder(memory));

    EXPECT_EQ(WriteMemoryByte(device.Link(UnitType::FourWs), 0x0042, 0x33), 0x33);

    EXPECT_EQ(memory[0x42], 0x33);
    const std::vector<fakes::Bytes> writes = {
        fakes::kStopBytes, {0x92, 0x00, 0x42}, {0xAA, 0x00, 0x42, 0x33}, fakes::kStopBytes};
    EXPECT_EQ(device.Writes(), writes);
}

TEST(WriteMemoryByte, ClosedPortReturnsZero) {
    FakeDevice device;
    device.SetClosed(true);

    EXPECT_EQ(WriteMemoryByte(device.Link(), 0x1234, 0x5A), 0);
    EXPECT_EQ(device.CountWrites({0xAA, 0x12, 0x34, 0x5A}), 8);
    EXPECT_EQ(device.CountOf(LinkEvent::Kind::Sleep), 2);
}

} // namespace
} // namespace korvane
