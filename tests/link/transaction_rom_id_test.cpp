#include "link/rom_id_transaction.h"

#include "fake_device.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

using fakes::Events;
using fakes::FakeDevice;
using fakes::kRomIdRequestBytes;
using fakes::LinkEvent;
using fakes::ReadFailed;
using fakes::ReadOf;
using fakes::Reply;
using fakes::ShortRead;
using fakes::StopEvents;
using fakes::TimedOut;
using fakes::Wrote;

TEST(RequestRomId, ImmediateIdNeedsNoRequest) {
    FakeDevice device;
    device.Script({Reply(0x4A, 0x31, 0x22)});
    UnitReply romId{};

    EXPECT_TRUE(RequestRomId(device.Link(), romId));

    EXPECT_EQ(romId, (UnitReply{0x4A, 0x31, 0x22}));
    EXPECT_EQ(device.Trace(),
              Events({StopEvents(), {Wrote({0x78, 0x00, 0x00, 0x00}), ReadOf(3)}, StopEvents()}));
}

TEST(RequestRomId, AddressZeroEchoIsAnsweredWithTheRequest) {
    FakeDevice device;
    device.Script({Reply(0x00, 0x00, 0x99), ShortRead({0x4A}), Reply(0x4A, 0x31, 0x22)});
    UnitReply romId{};

    EXPECT_TRUE(RequestRomId(device.Link(UnitType::Aircon), romId));

    EXPECT_EQ(romId, (UnitReply{0x4A, 0x31, 0x22}));
    EXPECT_EQ(device.Trace(),
              Events({StopEvents(),
                      {Wrote({0x89, 0x00, 0x00}), ReadOf(3), Wrote(kRomIdRequestBytes), ReadOf(3),
                       Wrote(kRomIdRequestBytes), ReadOf(3)},
                      StopEvents()}));
}

TEST(RequestRomId, EightFailuresSendTheRequestEightTimes) {
    FakeDevice device;
    for (int i = 0; i < 8; ++i) {
        device.Script({Reply(0x00, 0x00, 0x11)});
    }
    UnitReply romId{0xEE, 0xEE, 0xEE};

    EXPECT_FALSE(RequestRomId(device.Link(), romId));

    EXPECT_EQ(romId, (UnitReply{0x00, 0x00, 0x11}));
    std::vector<LinkEvent> attempts;
    for (int i = 0; i < 8; ++i) {
        attempts.push_back(ReadOf(3));
        attempts.push_back(Wrote(kRomIdRequestBytes));
    }
    EXPECT_EQ(device.Trace(),
              Events({StopEvents(), {Wrote({0x78, 0x00, 0x00, 0x00})}, attempts, StopEvents()}));
}

TEST(RequestRomId, IdOnTheEighthReadStillCounts) {
    FakeDevice device;
    for (int i = 0; i < 7; ++i) {
        device.Script({TimedOut()});
    }
    device.Script({Reply(0x12, 0x34, 0x56)});
    UnitReply romId{};

    EXPECT_TRUE(RequestRomId(device.Link(), romId));

    EXPECT_EQ(romId, (UnitReply{0x12, 0x34, 0x56}));
    EXPECT_EQ(device.CountWrites(kRomIdRequestBytes), 7);
}

TEST(RequestRomId, ReplyBufferKeepsLeftoversOfEarlierAttempts) {
    FakeDevice device;
    // The third byte of an early reply survives later short and failed reads.
    device.Script({Reply(0x00, 0x00, 0x77), ShortRead({0x00, 0x05}), ReadFailed()});
    UnitReply romId{};

    EXPECT_FALSE(RequestRomId(device.Link(), romId));

    EXPECT_EQ(romId, (UnitReply{0x00, 0x05, 0x77}));
    EXPECT_EQ(device.CountOf(LinkEvent::Kind::Read), 8);
}

TEST(RequestRomId, TornReplyWithNonZeroFirstByteIsNoId) {
    FakeDevice device;
    device.Script({ShortRead({0x4A, 0x31})});
    UnitReply romId{};

    EXPECT_FALSE(RequestRomId(device.Link(), romId));

    // The leftovers are still handed out; only the verdict refuses them.
    EXPECT_EQ(romId, (UnitReply{0x4A, 0x31, 0x00}));
    EXPECT_EQ(device.CountWrites(kRomIdRequestBytes), 8);
}

TEST(RequestRomId, ClosedPortGivesZeroIdAndFalse) {
    FakeDevice device;
    device.SetClosed(true);
    UnitReply romId{0xEE, 0xEE, 0xEE};

    EXPECT_FALSE(RequestRomId(device.Link(), romId));

    EXPECT_EQ(romId, (UnitReply{0x00, 0x00, 0x00}));
    EXPECT_EQ(device.CountOf(LinkEvent::Kind::Sleep), 2);
}

} // namespace
} // namespace korvane
