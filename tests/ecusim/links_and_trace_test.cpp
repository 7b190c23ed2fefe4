// The COM-name links and the trace file.

#include "sim_fixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace korvane::ecusim::testing {
namespace {

namespace fs = std::filesystem;

std::string LinkTarget(const std::string& path) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(path, ec);
    return ec ? std::string() : target.string();
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

TEST(LinksTest, ComLinksPointAtThePtyAndGoOnTermination) {
    ScratchFolder config;
    const std::string link = config.Path().string() + "/korvane/ports/COM7";
    SimProcess process;
    ASSERT_TRUE(process.Start({"--com", "7"}, {{"XDG_CONFIG_HOME", config.Path().string()}}));
    EXPECT_EQ(LinkTarget(link), process.PtyPath());
    // The program opens the port through the link.
    TestLine line;
    ASSERT_TRUE(line.Open(link));
    ASSERT_TRUE(line.Write(EcuRead(0x0400)));
    EXPECT_EQ(line.Read(2, kArrivalLimit), (Bytes{0x04, 0x00}));

    ASSERT_TRUE(process.Signal(SIGTERM));
    EXPECT_EQ(process.WaitForExit(kArrivalLimit), 0);
    EXPECT_FALSE(Exists(link));

    // Without XDG_CONFIG_HOME the folder is under HOME; extra links go on SIGINT too.
    const std::string comLink = config.Path().string() + "/home/.config/korvane/ports/COM16";
    const std::string extra = config.Path().string() + "/deep/er/ecu";
    SimProcess other;
    ASSERT_TRUE(other.Start({"--com", "16", "--link", extra},
                            {{"XDG_CONFIG_HOME", ""}, {"HOME", config.Path().string() + "/home"}}));
    EXPECT_EQ(LinkTarget(comLink), other.PtyPath());
    EXPECT_EQ(LinkTarget(extra), other.PtyPath());
    ASSERT_TRUE(other.Signal(SIGINT));
    EXPECT_EQ(other.WaitForExit(kArrivalLimit), 0);
    EXPECT_FALSE(Exists(comLink));
    EXPECT_FALSE(Exists(extra));
}

TEST(LinksTest, StaleOrForeignLinksAreReplacedButOtherFilesAreLeftAlone) {
    ScratchFolder config;
    const std::string folder = config.Path().string() + "/korvane/ports";
    fs::create_directories(folder);
    fs::create_symlink("/dev/pts/gone", folder + "/COM3");
    SimProcess process;
    ASSERT_TRUE(process.Start({"--com", "3"}, {{"XDG_CONFIG_HOME", config.Path().string()}}));
    EXPECT_EQ(LinkTarget(folder + "/COM3"), process.PtyPath());

    std::ofstream(folder + "/COM4") << "not a link";
    SimProcess refused;
    EXPECT_FALSE(refused.Start({"--com", "4"}, {{"XDG_CONFIG_HOME", config.Path().string()}}));
    EXPECT_EQ(refused.WaitForExit(kArrivalLimit), 1);
    EXPECT_EQ(ReadWholeFile(folder + "/COM4"), "not a link");

    // A link taken over by another simulator is not removed by the first.
    SimProcess second;
    ASSERT_TRUE(second.Start({"--com", "3"}, {{"XDG_CONFIG_HOME", config.Path().string()}}));
    EXPECT_EQ(LinkTarget(folder + "/COM3"), second.PtyPath());
    ASSERT_TRUE(process.Signal(SIGTERM));
    EXPECT_EQ(process.WaitForExit(kArrivalLimit), 0);
    EXPECT_EQ(LinkTarget(folder + "/COM3"), second.PtyPath());
}

std::vector<std::vector<std::string>> ReadTrace(const std::string& path) {
    std::vector<std::vector<std::string>> lines;
    std::ifstream file(path);
    std::string text;
    while (std::getline(file, text)) {
        std::istringstream fields(text);
        std::vector<std::string> line;
        std::string field;
        while (fields >> field) {
            line.push_back(field);
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(TraceTest, RecordsFramesAndStreamsWithTimes) {
    ScratchFolder folder;
    const std::string path = folder.Path().string() + "/trace.txt";
    RunningSim sim;
    ASSERT_TRUE(sim.Start({"--fast", "--frozen", "--trace", path}));
    ASSERT_TRUE(sim.Send(EcuRead(0x0400)));
    ASSERT_TRUE(sim.NextReply());
    ASSERT_TRUE(sim.Send(WriteRequest(0x0400, 0x5A)));
    // Read replies may still come first; wait for the write's.
    ASSERT_TRUE(sim.AwaitReply({0x04, 0x00, 0x5A}));
    sim.StopAndPurge();
    ASSERT_TRUE(sim.Send({0x33}));
    ASSERT_TRUE(sim.Send(ShortRead(0x89, 0x10)));
    ASSERT_TRUE(sim.NextReply());
    ASSERT_TRUE(sim.Send(kRomIdRequest));
    ASSERT_TRUE(sim.ReplyEchoing(0x6B, 0x20));
    ASSERT_TRUE(sim.Process().Signal(SIGTERM));
    ASSERT_EQ(sim.Process().WaitForExit(kArrivalLimit), 0);

    const std::vector<std::vector<std::string>> expected = {
        {"frame", "78040000", "read", "ECU", "0400"},
        {"stream", "read", "ECU", "0400"},
        {"frame", "AA04005A", "write", "0400", "5A"},
        {"stream", "write", "ECU", "0400", "5A"},
        {"frame", "12000000", "stop"},
        {"discard", "33"},
        {"frame", "890010", "read", "Aircon", "0010"},
        {"stream", "read", "Aircon", "0010"},
        {"frame", "00464849", "romid"},
        {"stream", "romid", "Aircon", "6B2002"},
    };
    const std::vector<std::vector<std::string>> lines = ReadTrace(path);
    ASSERT_EQ(lines.size(), expected.size());
    long previous = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_FALSE(lines[i].empty());
        const long time = std::stol(lines[i][0]);
        EXPECT_GE(time, previous) << "line " << i;
        previous = time;
        EXPECT_EQ(std::vector<std::string>(lines[i].begin() + 1, lines[i].end()), expected[i])
            << "line " << i;
    }
}

} // namespace
} // namespace korvane::ecusim::testing
