// The simulator's framing, fed byte by byte.

#include "frame_parser.h"

#include <gtest/gtest.h>

namespace korvane::ecusim {
namespace {

struct Fed {
    std::vector<std::uint8_t> discarded;
    std::vector<Frame> frames;
};

Fed FeedAll(FrameParser& parser, const std::vector<std::uint8_t>& bytes) {
    Fed fed;
    for (const std::uint8_t byte : bytes) {
        ParseEvents events;
        parser.Feed(byte, events);
        fed.discarded.insert(fed.discarded.end(), events.discarded.begin(), events.discarded.end());
        fed.frames.insert(fed.frames.end(), events.frames.begin(), events.frames.end());
    }
    return fed;
}

TEST(FrameParserTest, DecodesEveryKindOfFrame) {
    FrameParser parser;
    const Fed fed =
        FeedAll(parser, {0x78, 0x12, 0x34, 0x00, 0x45, 0xAB, 0xCD, 0x00, 0x92, 0x00, 0x7F,
                         0x12, 0x00, 0x00, 0x00, 0x00, 0x46, 0x48, 0x49, 0xAA, 0x01, 0x02});
    EXPECT_TRUE(fed.discarded.empty());
    ASSERT_EQ(fed.frames.size(), 5U);
    EXPECT_EQ(fed.frames[0].kind, FrameKind::Read);
    EXPECT_EQ(fed.frames[0].unit, UnitId::Ecu);
    EXPECT_EQ(fed.frames[0].address, 0x1234);
    EXPECT_EQ(fed.frames[1].unit, UnitId::Tcu);
    EXPECT_EQ(fed.frames[1].address, 0xABCD);
    EXPECT_EQ(fed.frames[2].unit, UnitId::FourWs);
    EXPECT_EQ(fed.frames[2].address, 0x7F);
    EXPECT_EQ(fed.frames[2].length, 3);
    EXPECT_EQ(fed.frames[3].kind, FrameKind::Stop);
    EXPECT_EQ(fed.frames[4].kind, FrameKind::RomId);
    EXPECT_TRUE(parser.InFrame());
    const Fed write = FeedAll(parser, {0x03});
    ASSERT_EQ(write.frames.size(), 1U);
    EXPECT_EQ(write.frames[0].kind, FrameKind::Write);
    EXPECT_EQ(write.frames[0].address, 0x0102);
    EXPECT_EQ(write.frames[0].data, 0x03);
}

TEST(FrameParserTest, ResynchronisesOnTheNextCommandByte) {
    FrameParser parser;
    // A frame start whose fourth byte is not zero gives way to the frame inside it.
    Fed fed = FeedAll(parser, {0x78, 0x78, 0x12, 0x34, 0x00});
    EXPECT_EQ(fed.discarded, (std::vector<std::uint8_t>{0x78}));
    ASSERT_EQ(fed.frames.size(), 1U);
    EXPECT_EQ(fed.frames[0].address, 0x1234);

    // A three-byte frame hidden behind a failed four-byte one is found at once.
    fed = FeedAll(parser, {0x78, 0x89, 0x00, 0x34});
    EXPECT_EQ(fed.discarded, (std::vector<std::uint8_t>{0x78}));
    ASSERT_EQ(fed.frames.size(), 1U);
    EXPECT_EQ(fed.frames[0].unit, UnitId::Aircon);
    EXPECT_EQ(fed.frames[0].address, 0x34);

    // Bytes that start nothing, and a ROM ID request broken off.
    fed = FeedAll(parser, {0x33, 0x00, 0x46, 0x47, 0x89, 0x01, 0x12, 0x00, 0x00, 0x00});
    EXPECT_EQ(fed.discarded, (std::vector<std::uint8_t>{0x33, 0x00, 0x46, 0x47, 0x89, 0x01}));
    ASSERT_EQ(fed.frames.size(), 1U);
    EXPECT_EQ(fed.frames[0].kind, FrameKind::Stop);
}

TEST(FrameParserTest, ReportsAFrameInProgressUntilCompleteOrExpired) {
    FrameParser parser;
    FeedAll(parser, {0xAA, 0x12});
    EXPECT_TRUE(parser.InFrame());
    ParseEvents events;
    parser.Expire(events);
    EXPECT_EQ(events.discarded, (std::vector<std::uint8_t>{0xAA, 0x12}));
    EXPECT_FALSE(parser.InFrame());
    const Fed fed = FeedAll(parser, {0x78, 0x12, 0x38, 0x00});
    ASSERT_EQ(fed.frames.size(), 1U);
    EXPECT_EQ(fed.frames[0].address, 0x1238);
}

} // namespace
} // namespace korvane::ecusim
