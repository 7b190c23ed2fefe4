#include "log/log_file.h"

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "log/fake_utc_clock.h"
#include "support/scratch_folder.h"

namespace korvane {
namespace {

using testing::FakeUtcClock;
using testing::ReadWholeFile;
using testing::ScratchFolder;

class LogFileLines : public ::testing::Test {
protected:
    ScratchFolder folder;
    FakeUtcClock clock;
    LogFile log{clock.Function()};
};

TEST_F(LogFileLines, OpeningLineIsStampedAndOnlyALowerCaseCsvExtensionGivesCommas) {
    std::filesystem::create_directory(folder.Path() / "data.csv");
    for (const char* name :
         {"trip.csv", "trip.CSV", "trip.txt", "trip", "data.csv/trip", "trip.csv.bak"}) {
        SCOPED_TRACE(name);
        const std::string path = folder.File(name);
        ASSERT_TRUE(log.Open(path));
        const char separator = name == std::string("trip.csv") ? ',' : ' ';
        EXPECT_EQ(log.Separator(), separator);
        EXPECT_EQ(ReadWholeFile(path),
                  std::string("14:05:09.042") + separator + "Starting log session.\n");
    }
}

TEST_F(LogFileLines, FirstWriteAfterALineFeedIsStampedAndEachWriteIsCut) {
    const std::string path = folder.File("run.csv");
    testing::WriteWholeFile(path, "01:02:03.004,earlier\n");
    ASSERT_TRUE(log.Open(path));
    clock.now = {0, 0, 0, 7};
    EXPECT_TRUE(log.Write("%s%c", "rpm", log.Separator()));
    clock.now = {0, 0, 1, 500}; // later writes on the same line are not stamped
    EXPECT_TRUE(log.Write("%s%c", "tps", log.Separator()));
    EXPECT_TRUE(log.Write("\n"));
    clock.now = {23, 59, 59, 999};
    // Text after a line feed inside one write starts an unstamped line the next write continues.
    EXPECT_TRUE(log.Write("a\nb"));
    clock.now = {9, 8, 7, 6};
    EXPECT_TRUE(log.WriteText("c\n"));
    EXPECT_TRUE(log.Write("%4.4X\n", 0x1A2));
    // Outside text keeps its percent signs.
    EXPECT_TRUE(log.WriteText("100% %s %n\n"));
    EXPECT_TRUE(log.Write("%s,\n", "50%d"));
    // Cut to 1023 characters: a line feed beyond the cut is lost, so the line continues.
    EXPECT_TRUE(log.Write("%s\n", std::string(2000, 'x').c_str()));
    EXPECT_TRUE(log.Write("y\n"));
    EXPECT_TRUE(log.WriteText(std::string(1023, 'z') + "\n"));
    EXPECT_EQ(ReadWholeFile(path), "01:02:03.004,earlier\n"
                                   "14:05:09.042,Starting log session.\n"
                                   "00:00:00.007,rpm,tps,\n"
                                   "23:59:59.999,a\n"
                                   "bc\n"
                                   "09:08:07.006,01A2\n"
                                   "09:08:07.006,100% %s %n\n"
                                   "09:08:07.006,50%d,\n"
                                   "09:08:07.006," +
                                       std::string(1023, 'x') + "y\n09:08:07.006," +
                                       std::string(1023, 'z'));
}

TEST_F(LogFileLines, SessionOnALogCutMidRowStartsOnANewLine) {
    const std::string path = folder.File("cut.csv");
    testing::WriteWholeFile(path, "01:02:03.004,800,8");
    ASSERT_TRUE(log.Open(path));
    EXPECT_TRUE(log.Write("900,\n"));
    EXPECT_EQ(ReadWholeFile(path), "01:02:03.004,800,8\n"
                                   "14:05:09.042,Starting log session.\n"
                                   "14:05:09.042,900,\n");

    // A pipe has no last line to end: its session starts at once.
    const std::string pipe = folder.File("pipe.csv");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(log.Open(pipe));
    char received[64] = {};
    EXPECT_GT(::read(reader, received, sizeof received - 1), 0);
    EXPECT_EQ(std::string(received), "14:05:09.042,Starting log session.\n");
    log.Close();
    ::close(reader);
}

TEST_F(LogFileLines, ReopeningMovesFurtherLinesToTheNewFileAndReleasesTheOld) {
    const std::filesystem::path descriptors = "/proc/self/fd";
    const auto openFiles = [&] {
        if (!std::filesystem::exists(descriptors)) {
            return std::ptrdiff_t{0};
        }
        const auto entries = std::filesystem::directory_iterator(descriptors);
        return std::distance(begin(entries), end(entries));
    };
    const std::string first = folder.File("first.csv");
    const std::string second = folder.File("second.txt");
    ASSERT_TRUE(log.Open(first));
    const auto withOneLog = openFiles();
    EXPECT_TRUE(log.Write("unfinished"));
    ASSERT_TRUE(log.Open(second));
    EXPECT_EQ(openFiles(), withOneLog);
    EXPECT_TRUE(log.Write("two\n"));
    EXPECT_EQ(ReadWholeFile(first), "14:05:09.042,Starting log session.\n14:05:09.042,unfinished");
    EXPECT_EQ(ReadWholeFile(second), "14:05:09.042 Starting log session.\n14:05:09.042 two\n");

    EXPECT_TRUE(log.Close());
    EXPECT_EQ(openFiles(), withOneLog == 0 ? 0 : withOneLog - 1);
    EXPECT_FALSE(log.IsOpen());
    EXPECT_TRUE(log.Close());
    EXPECT_FALSE(log.Write("dropped\n"));
    EXPECT_FALSE(log.WriteText("dropped\n"));
    EXPECT_FALSE(log.Failed());
    EXPECT_EQ(ReadWholeFile(second), "14:05:09.042 Starting log session.\n14:05:09.042 two\n");
}

} // namespace
} // namespace korvane
