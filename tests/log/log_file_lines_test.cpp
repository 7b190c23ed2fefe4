#include "log/log_file.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "log/fake_utc_clock.h"
#include "support/scratch_folder.h"

namespace korvane {
namespace {

using testing::FakeUtcClock;
using testing::ReadWholeFile;
using testing::ScratchFolder;
using testing::WriteWholeFile;

class LogFileLines : public ::testing::Test {
protected:
    ScratchFolder folder;
    FakeUtcClock clock;
    LogFile log{clock.Function()};
};

TEST_F(LogFileLines, NewCsvLogStartsWithAStampedOpeningLineAndCommas) {
    const std::string path = folder.File("trip.csv");
    ASSERT_FALSE(std::filesystem::exists(path));
    ASSERT_TRUE(log.Open(path));
    EXPECT_TRUE(log.IsOpen());
    EXPECT_EQ(log.Separator(), ',');
    EXPECT_EQ(ReadWholeFile(path), "14:05:09.042,Starting log session.\n");
}

TEST_F(LogFileLines, OnlyALowerCaseCsvExtensionGivesCommas) {
    std::filesystem::create_directory(folder.Path() / "data.old");
    for (const char* name : {"trip.CSV", "trip.txt", "trip", "data.old/trip", "trip.csv.bak"}) {
        SCOPED_TRACE(name);
        const std::string path = folder.File(name);
        ASSERT_TRUE(log.Open(path));
        EXPECT_EQ(log.Separator(), ' ');
        EXPECT_EQ(ReadWholeFile(path), "14:05:09.042 Starting log session.\n");
    }
}

TEST_F(LogFileLines, FirstWriteAfterALineFeedIsStamped) {
    const std::string path = folder.File("run.csv");
    ASSERT_TRUE(log.Open(path));
    clock.now = {0, 0, 0, 7};
    EXPECT_TRUE(log.Write("%s%c", "rpm", log.Separator()));
    clock.now = {0, 0, 1, 500}; // later writes on the same line are not stamped
    EXPECT_TRUE(log.Write("%s%c", "tps", log.Separator()));
    EXPECT_TRUE(log.Write("\n"));
    clock.now = {23, 59, 59, 999};
    // Text after a line feed inside one write starts a line that has no stamp...
    EXPECT_TRUE(log.Write("a\nb"));
    clock.now = {9, 8, 7, 6};
    // ...and the next write continues it.
    EXPECT_TRUE(log.WriteText("c\n"));
    EXPECT_TRUE(log.Write("%4.4X\n", 0x1A2));
    EXPECT_EQ(ReadWholeFile(path), "14:05:09.042,Starting log session.\n"
                                   "00:00:00.007,rpm,tps,\n"
                                   "23:59:59.999,a\n"
                                   "bc\n"
                                   "09:08:07.006,01A2\n");
}

TEST_F(LogFileLines, ExistingLogKeepsItsContentAndIsAppendedTo) {
    const std::string path = folder.File("old.txt");
    const std::string earlier = "01:02:03.004 Starting log session.\n01:02:03.100 12 34\n";
    WriteWholeFile(path, earlier);
    ASSERT_TRUE(log.Open(path));
    EXPECT_TRUE(log.Write("%2.2x%c\n", 0xab, log.Separator()));
    EXPECT_EQ(ReadWholeFile(path),
              earlier + "14:05:09.042 Starting log session.\n14:05:09.042 ab \n");
}

TEST_F(LogFileLines, EachWriteIsCutTo1023Characters) {
    const std::string path = folder.File("cut.txt");
    ASSERT_TRUE(log.Open(path));
    const std::string opening = ReadWholeFile(path);
    const std::string longText(2000, 'x');
    // The line feed lies beyond the cut, so the next write continues the line unstamped.
    EXPECT_TRUE(log.Write("%s\n", longText.c_str()));
    EXPECT_TRUE(log.Write("y\n"));
    const std::string exact(1023, 'z');
    EXPECT_TRUE(log.WriteText(exact + "\n"));
    EXPECT_TRUE(log.WriteText("w\n"));
    EXPECT_EQ(ReadWholeFile(path), opening + "14:05:09.042 " + std::string(1023, 'x') + "y\n" +
                                       "14:05:09.042 " + exact + "w\n");
}

TEST_F(LogFileLines, PercentSignsInOutsideTextAreWrittenAsTheyAre) {
    const std::string path = folder.File("percent.csv");
    ASSERT_TRUE(log.Open(path));
    const std::string opening = ReadWholeFile(path);
    EXPECT_TRUE(log.WriteText("100% %s %n %d\n"));
    EXPECT_TRUE(log.Write("%s,\n", "50%d %s"));
    EXPECT_EQ(ReadWholeFile(path), opening + "14:05:09.042,100% %s %n %d\n14:05:09.042,50%d %s,\n");
}

TEST_F(LogFileLines, ReopeningMovesAllFurtherLinesToTheNewFile) {
    const std::string first = folder.File("first.csv");
    const std::string second = folder.File("second.txt");
    ASSERT_TRUE(log.Open(first));
    EXPECT_TRUE(log.Write("one\n"));
    const std::string firstContent = ReadWholeFile(first);
    ASSERT_TRUE(log.Open(second));
    EXPECT_EQ(log.Separator(), ' ');
    EXPECT_TRUE(log.Write("two\n"));
    EXPECT_EQ(ReadWholeFile(first), firstContent);
    EXPECT_EQ(ReadWholeFile(second), "14:05:09.042 Starting log session.\n14:05:09.042 two\n");
}

TEST_F(LogFileLines, ReopeningReleasesTheEarlierFile) {
    const std::filesystem::path descriptors = "/proc/self/fd";
    if (!std::filesystem::exists(descriptors)) {
        GTEST_SKIP() << "open files cannot be counted here";
    }
    auto openFiles = [&] {
        const auto entries = std::filesystem::directory_iterator(descriptors);
        return std::distance(begin(entries), end(entries));
    };
    ASSERT_TRUE(log.Open(folder.File("a.txt")));
    const auto withOneLog = openFiles();
    for (const char* name : {"b.txt", "c.txt", "a.txt"}) {
        ASSERT_TRUE(log.Open(folder.File(name)));
        EXPECT_EQ(openFiles(), withOneLog) << name;
    }
    EXPECT_TRUE(log.Close());
    EXPECT_EQ(openFiles(), withOneLog - 1);
}

TEST_F(LogFileLines, ClosedLogDropsWritesAndClosingAgainIsHarmless) {
    EXPECT_TRUE(log.Close()); // nothing open yet
    EXPECT_FALSE(log.Write("dropped\n"));
    const std::string path = folder.File("closed.txt");
    ASSERT_TRUE(log.Open(path));
    const std::string opening = ReadWholeFile(path);
    EXPECT_TRUE(log.Close());
    EXPECT_FALSE(log.IsOpen());
    EXPECT_TRUE(log.Close());
    EXPECT_FALSE(log.Write("dropped\n"));
    EXPECT_FALSE(log.WriteText("dropped\n"));
    EXPECT_FALSE(log.Failed());
    EXPECT_EQ(ReadWholeFile(path), opening);
}

TEST_F(LogFileLines, OpeningAfterAnUnfinishedLineStartsAStampedLine) {
    const std::string first = folder.File("first.txt");
    const std::string second = folder.File("second.txt");
    ASSERT_TRUE(log.Open(first));
    EXPECT_TRUE(log.Write("unfinished"));
    ASSERT_TRUE(log.Open(second));
    EXPECT_EQ(ReadWholeFile(second), "14:05:09.042 Starting log session.\n");
}

} // namespace
} // namespace korvane
