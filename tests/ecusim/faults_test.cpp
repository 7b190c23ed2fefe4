// The fault options damage replies in the ways they promise.

#include "sim_fixture.h"

#include "live_values.h"

#include <gtest/gtest.h>

#include <thread>

namespace korvane::ecusim::testing {
namespace {

std::uint8_t FrozenBattery() {
    return LiveValueAt(*FindLiveValue(UnitId::Ecu, 0x1234), 1, 0);
}

RunningSim& Started(RunningSim& sim, std::vector<std::string> extra) {
    extra.insert(extra.begin(), {"--fast", "--frozen"});
    EXPECT_TRUE(sim.Start(extra));
    return sim;
}

TEST(FaultsTest, SilentUnitTakesFramesButNeverAnswers) {
    TempFolder folder;
    const std::string trace = folder.Path() + "/trace.txt";
    RunningSim sim;
    Started(sim, {"--silent", "--trace", trace});
    ASSERT_TRUE(sim.Send(EcuRead(0x1234)));
    ASSERT_TRUE(sim.Send(kRomIdRequest));
    EXPECT_TRUE(sim.StaysQuiet());
    const std::string all = ReadTextFile(trace);
    EXPECT_NE(all.find("frame 78123400 read ECU 1234"), std::string::npos) << all;
    EXPECT_NE(all.find("frame 00464849 romid"), std::string::npos) << all;
    EXPECT_EQ(all.find("stream"), std::string::npos) << all;
}

TEST(FaultsTest, NoEchoSendsTheAddressComplementButAGoodRomId) {
    RunningSim sim;
    Started(sim, {"--no-echo"});
    ASSERT_TRUE(sim.Send(EcuRead(0x1234)));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0xED, 0xCB, FrozenBattery()}));
    EXPECT_EQ(sim.NextReply(), (ReplyBytes{0xED, 0xCB, FrozenBattery()}));
    ASSERT_TRUE(sim.Send(ShortRead(0x89, 0x20)));
    EXPECT_EQ(sim.ReplyEchoing(0xFF, 0xDF)->at(0), 0xFF);
    ASSERT_TRUE(sim.Send(kRomIdRequest));
    EXPECT_EQ(sim.ReplyEchoing(0x6B, 0x20), (ReplyBytes{0x6B, 0x20, 0x02}));
}

TEST(FaultsTest, GarbleAtOneChangesEveryByte) {
    RunningSim sim;
    Started(sim, {"--garble", "1"});
    ASSERT_TRUE(sim.Send(EcuRead(0x1234)));
    for (int i = 0; i < 10; ++i) {
        const std::optional<ReplyBytes> reply = sim.NextReply();
        ASSERT_TRUE(reply);
        EXPECT_NE((*reply)[0], 0x12);
        EXPECT_NE((*reply)[1], 0x34);
        EXPECT_NE((*reply)[2], FrozenBattery());
    }
}

TEST(FaultsTest, DropAtOneLosesEveryByte) {
    RunningSim sim;
    Started(sim, {"--drop", "1"});
    ASSERT_TRUE(sim.Send(EcuRead(0x1234)));
    EXPECT_TRUE(sim.StaysQuiet());
}

TEST(FaultsTest, StrayBytesBreakTheAlignment) {
    RunningSim sim;
    Started(sim, {"--stray", "1"});
    ASSERT_TRUE(sim.Send(EcuRead(0x1234)));
    const Bytes bytes = sim.Line().Read(8, kArrivalLimit);
    ASSERT_EQ(bytes.size(), 8U);
    const Bytes reply = {0x12, 0x34, FrozenBattery()};
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 3), reply);
    EXPECT_EQ(Bytes(bytes.begin() + 4, bytes.begin() + 7), reply);
}

TEST(FaultsTest, SameSeedDamagesTheSameBytes) {
    const auto received = [](const std::string& seed) {
        RunningSim sim;
        Started(sim, {"--drop", "0.3", "--garble", "0.3", "--seed", seed});
        (void)sim.Send(EcuRead(0x0400));
        return sim.Line().Read(60, kArrivalLimit);
    };
    const Bytes first = received("5");
    EXPECT_EQ(first.size(), 60U);
    EXPECT_EQ(first, received("5"));
    EXPECT_NE(first, received("6"));
}

TEST(FaultsTest, LatencyDelaysTheFirstReplyOfEachStream) {
    RunningSim sim;
    Started(sim, {"--latency", "250"});
    const auto sent = std::chrono::steady_clock::now();
    ASSERT_TRUE(sim.Send(EcuRead(0x1234)));
    ASSERT_TRUE(sim.NextReply());
    EXPECT_GE(std::chrono::steady_clock::now() - sent, std::chrono::milliseconds(250));
    // The replies after the first are not delayed again; the next stream is.
    ASSERT_TRUE(sim.NextReply());
    sim.StopAndPurge();
    ASSERT_TRUE(sim.Send(EcuRead(0x1235)));
    EXPECT_TRUE(sim.Line().Read(1, std::chrono::milliseconds(150)).empty());
    EXPECT_TRUE(sim.ReplyEchoing(0x12, 0x35));
}

} // namespace
} // namespace korvane::ecusim::testing
