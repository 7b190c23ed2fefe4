#include "link/rom_id_transaction.h"
#include "link/write_transaction.h"

#include "fake_device.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

using fakes::Bytes;
using fakes::Events;
using fakes::FakeDevice;
using fakes::kRomIdRequestBytes;
using fakes::LinkEvent;
using fakes::ReadOf;
using fakes::Reply;
using fakes::ScriptedRead;
using fakes::ShortRead;
using fakes::StopEvents;
using fakes::TimedOut;
using fakes::Wrote;

std::vector<ScriptedRead> Times(int count, const ScriptedRead& read,
                                std::vector<ScriptedRead> then = {}) {
    std::vector<ScriptedRead> reads(static_cast<std::size_t>(count), read);
    reads.insert(reads.end(), then.begin(), then.end());
    return reads;
}

// What a ROM-ID request gave: verdict, the ID bytes and the number of requests sent.
struct RomIdOutcome {
    bool found;
    UnitReply romId;
    int requests;
    bool operator==(const RomIdOutcome&) const = default;
};

RomIdOutcome RequestFrom(FakeDevice& device, std::vector<ScriptedRead> script,
                         UnitType unit = UnitType::Ecu) {
    device.Script(std::move(script));
    UnitReply romId{0xEE, 0xEE, 0xEE};
    const bool found = RequestRomId(device.Link(unit), romId);
    return {found, romId, device.CountWrites(kRomIdRequestBytes)};
}

TEST(RequestRomId, WakesTheUnitAndRequestsUpToEightTimes) {
    FakeDevice immediate;
    EXPECT_EQ(RequestFrom(immediate, {Reply(0x4A, 0x31, 0x22)}),
              (RomIdOutcome{true, {0x4A, 0x31, 0x22}, 0}));
    EXPECT_EQ(immediate.Trace(),
              Events({StopEvents(), {Wrote({0x78, 0x00, 0x00, 0x00}), ReadOf(3)}, StopEvents()}));

    // An address-zero echo and a short read are answered with the request.
    FakeDevice aircon;
    EXPECT_EQ(RequestFrom(aircon,
                          {Reply(0x00, 0x00, 0x99), ShortRead({0x4A}), Reply(0x4A, 0x31, 0x22)},
                          UnitType::Aircon),
              (RomIdOutcome{true, {0x4A, 0x31, 0x22}, 2}));
    EXPECT_EQ(aircon.Trace(),
              Events({StopEvents(),
                      {Wrote({0x89, 0x00, 0x00}), ReadOf(3), Wrote(kRomIdRequestBytes), ReadOf(3),
                       Wrote(kRomIdRequestBytes), ReadOf(3)},
                      StopEvents()}));

    FakeDevice device[5];
    EXPECT_EQ(RequestFrom(device[0], Times(8, Reply(0x00, 0x00, 0x11))),
              (RomIdOutcome{false, {0x00, 0x00, 0x11}, 8}));
    EXPECT_EQ(device[0].CountOf(LinkEvent::Kind::Read), 8);
    EXPECT_EQ(RequestFrom(device[1], Times(7, TimedOut(), {Reply(0x12, 0x34, 0x56)})),
              (RomIdOutcome{true, {0x12, 0x34, 0x56}, 7}));
    // The reply buffer keeps leftovers of earlier attempts.
    EXPECT_EQ(RequestFrom(device[2],
                          {Reply(0x00, 0x00, 0x77), ShortRead({0x00, 0x05}), fakes::ReadFailed()}),
              (RomIdOutcome{false, {0x00, 0x05, 0x77}, 8}));
    // A torn reply with a non-zero first byte is no ID.
    EXPECT_EQ(RequestFrom(device[3], {ShortRead({0x4A, 0x31})}),
              (RomIdOutcome{false, {0x4A, 0x31, 0x00}, 8}));
    device[4].SetClosed(true);
    EXPECT_EQ(RequestFrom(device[4], {}), (RomIdOutcome{false, {0x00, 0x00, 0x00}, 8}));
    EXPECT_EQ(device[4].CountOf(LinkEvent::Kind::Sleep), 2);
}

struct WriteSeen {
    int byte;
    int requests;
    bool answered;
    bool operator==(const WriteSeen&) const = default;
};

WriteSeen WriteTo(FakeDevice& device, std::vector<ScriptedRead> script, std::uint8_t data) {
    device.Script(std::move(script));
    bool answered = false;
    const int result = WriteMemoryByte(device.Link(), 0x1234, data, &answered);
    return {result, device.CountWrites({0xAA, 0x12, 0x34, data}), answered};
}

TEST(WriteMemoryByte, RepeatsTheRequestUntilTheStreamedByteChanges) {
    FakeDevice changed;
    EXPECT_EQ(WriteTo(changed, {Reply(0x12, 0x34, 0x05), Reply(0x12, 0x34, 0x5A)}, 0x5A),
              (WriteSeen{0x5A, 1, true}));
    EXPECT_EQ(changed.Trace(), Events({StopEvents(),
                                       {Wrote({0x78, 0x12, 0x34, 0x00}), ReadOf(3),
                                        Wrote({0xAA, 0x12, 0x34, 0x5A}), ReadOf(3)},
                                       StopEvents()}));

    FakeDevice device[6];
    EXPECT_EQ(WriteTo(device[0], Times(9, Reply(0x12, 0x34, 0x5A)), 0x5A),
              (WriteSeen{0x5A, 8, true}));
    EXPECT_EQ(device[0].ScriptLeft(), 0U);
    // Address bytes are not compared, and any change ends the repetition.
    EXPECT_EQ(WriteTo(device[1], {Reply(0x99, 0x99, 0x05), Reply(0x77, 0x77, 0x07)}, 0x5A),
              (WriteSeen{0x07, 1, true}));
    // Nothing before writing counts as 0; short replies do not end the repetition.
    EXPECT_EQ(WriteTo(device[2],
                      {TimedOut(), ShortRead({0x12, 0x34}), Reply(0x12, 0x34, 0x00),
                       Reply(0x12, 0x34, 0x66)},
                      0x66),
              (WriteSeen{0x66, 3, true}));
    // A unit that falls silent gives the last third byte seen, and no answer.
    EXPECT_EQ(WriteTo(device[3], {Reply(0x12, 0x34, 0x05), ShortRead({0x01})}, 0x5A),
              (WriteSeen{0x05, 8, false}));
    // A unit reporting 0 is told from one that never answers.
    EXPECT_EQ(WriteTo(device[4], Times(9, Reply(0x12, 0x34, 0x00)), 0x00),
              (WriteSeen{0x00, 8, true}));
    device[5].SetClosed(true);
    EXPECT_EQ(WriteTo(device[5], {}, 0x5A), (WriteSeen{0, 8, false}));
    EXPECT_EQ(device[5].CountOf(LinkEvent::Kind::Sleep), 2);
}

TEST(WriteMemoryByte, ThreeByteUnitsReadShortButWriteTheFullAddress) {
    FakeDevice device;
    std::vector<std::uint8_t> memory(0x100, 0x11);
    device.SetResponder(fakes::MemoryResponder(memory));
    EXPECT_EQ(WriteMemoryByte(device.Link(UnitType::FourWs), 0x0042, 0x33), 0x33);
    EXPECT_EQ(memory[0x42], 0x33);
    EXPECT_EQ(
        device.Writes(),
        (std::vector<Bytes>{
            fakes::kStopBytes, {0x92, 0x00, 0x42}, {0xAA, 0x00, 0x42, 0x33}, fakes::kStopBytes}));
}

} // namespace
} // namespace korvane
