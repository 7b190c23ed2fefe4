// The COM-name links and the trace file.

#include "sim_line.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <sstream>

namespace korvane::ecusim::testing {
namespace {

namespace fs = std::filesystem;

// Where the link leads; empty when it is gone or not a link.
std::string LinkTarget(const std::string& path) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(path, ec);
    return ec ? std::string() : target.string();
}

TEST(Links, ComLinksPointAtThePtyAndGoOnTermination) {
    ScratchFolder config;
    const std::map<std::string, std::string> environment = {
        {"XDG_CONFIG_HOME", config.Path().string()}};
    const std::string link = config.Path("korvane/ports/COM7");
    SimProcess process;
    ASSERT_TRUE(process.Start({"--com", "7"}, environment));
    EXPECT_EQ(LinkTarget(link), process.PtyPath());
    ASSERT_TRUE(process.Signal(SIGTERM));
    EXPECT_EQ(process.WaitForExit(kArrivalLimit), 0);
    EXPECT_EQ(LinkTarget(link), "");

    // Without XDG_CONFIG_HOME the folder is under HOME; extra links go on SIGINT too.
    const std::string comLink = config.Path("home/.config/korvane/ports/COM16");
    const std::string extra = config.Path("deep/er/ecu");
    SimProcess other;
    ASSERT_TRUE(other.Start({"--com", "16", "--link", extra},
                            {{"XDG_CONFIG_HOME", ""}, {"HOME", config.Path("home")}}));
    EXPECT_EQ(LinkTarget(comLink), other.PtyPath());
    EXPECT_EQ(LinkTarget(extra), other.PtyPath());
    ASSERT_TRUE(other.Signal(SIGINT));
    EXPECT_EQ(other.WaitForExit(kArrivalLimit), 0);
    EXPECT_EQ(LinkTarget(comLink) + LinkTarget(extra), "");

    // A stale link is replaced, a file that is not a link is left alone and refuses the name.
    fs::create_symlink("/dev/pts/gone", link);
    SimProcess first;
    ASSERT_TRUE(first.Start({"--com", "7"}, environment));
    EXPECT_EQ(LinkTarget(link), first.PtyPath());
    config.Write("korvane/ports/COM4", "not a link");
    SimProcess refused;
    EXPECT_FALSE(refused.Start({"--com", "4"}, environment));
    EXPECT_EQ(refused.WaitForExit(kArrivalLimit), 1);
    EXPECT_EQ(config.Read("korvane/ports/COM4"), "not a link");

    // A link taken over by another simulator is not removed by the first.
    SimProcess second;
    ASSERT_TRUE(second.Start({"--com", "7"}, environment));
    EXPECT_EQ(LinkTarget(link), second.PtyPath());
    ASSERT_TRUE(first.Signal(SIGTERM));
    EXPECT_EQ(first.WaitForExit(kArrivalLimit), 0);
    EXPECT_EQ(LinkTarget(link), second.PtyPath());
}

TEST(Trace, RecordsFramesAndStreamsWithTimes) {
    ScratchFolder folder;
    const std::string path = folder.Path("trace.txt");
    SimLine sim;
    ASSERT_TRUE(sim.Start({"--fast", "--frozen", "--trace", path}));
    ASSERT_TRUE(sim.Send("78040000"));
    ASSERT_TRUE(sim.NextReply());
    ASSERT_TRUE(sim.Send("AA04005A"));
    // Read replies may still come first; wait for the write's.
    ASSERT_TRUE(sim.ReplyStarting({0x04, 0x00, 0x5A}));
    sim.StopAndPurge();
    ASSERT_TRUE(sim.Send("33"));
    ASSERT_TRUE(sim.Send("890010"));
    ASSERT_TRUE(sim.NextReply());
    ASSERT_TRUE(sim.Send("00464849"));
    ASSERT_TRUE(sim.ReplyStarting({0x6B, 0x20, 0x02}));
    ASSERT_TRUE(sim.Process().Signal(SIGTERM));
    ASSERT_EQ(sim.Process().WaitForExit(kArrivalLimit), 0);

    const std::vector<std::string> expected = {
        "frame 78040000 read ECU 0400",  "stream read ECU 0400",    "frame AA04005A write 0400 5A",
        "stream write ECU 0400 5A",      "frame 12000000 stop",     "discard 33",
        "frame 890010 read Aircon 0010", "stream read Aircon 0010", "frame 00464849 romid",
        "stream romid Aircon 6B2002",
    };
    std::istringstream trace(ReadWholeFile(path));
    long previous = 0;
    std::size_t count = 0;
    for (std::string line; std::getline(trace, line); ++count) {
        // Each line starts with its time; times never go back.
        const std::size_t space = line.find(' ');
        const long time = std::stol(line.substr(0, space));
        EXPECT_GE(time, previous) << line;
        previous = time;
        EXPECT_EQ(line.substr(space + 1), count < expected.size() ? expected[count] : "") << count;
    }
    EXPECT_EQ(count, expected.size());
}

} // namespace
} // namespace korvane::ecusim::testing
