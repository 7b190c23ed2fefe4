#include "log/log_file.h"

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "log/fake_utc_clock.h"
#include "support/scratch_folder.h"

namespace korvane {
namespace {

using testing::FakeUtcClock;
using testing::ReadWholeFile;
using testing::ScratchFolder;

class LogFileFailure : public ::testing::Test {
protected:
    ScratchFolder folder;
    FakeUtcClock clock;
    LogFile log{clock.Function()};
};

TEST_F(LogFileFailure, PathsThatCannotBeOpenedLeaveNoLogOpen) {
    const std::string earlier = folder.File("earlier.txt");
    ASSERT_TRUE(log.Open(earlier));
    const std::string earlierContent = ReadWholeFile(earlier);
    std::vector<std::string> paths = {folder.File("missing/trip.csv"), folder.Path().string(), ""};
#ifndef _WIN32
    // A pipe without a reader fails instead of waiting.
    paths.push_back(folder.File("pipe"));
    ASSERT_EQ(::mkfifo(paths.back().c_str(), 0600), 0);
    if (::geteuid() != 0) {
        const auto locked = folder.Path() / "locked";
        std::filesystem::create_directory(locked);
        ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
        paths.push_back((locked / "trip.csv").string());
    }
#endif
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(log.Open(path));
        EXPECT_FALSE(log.IsOpen());
        EXPECT_FALSE(log.Write("dropped\n"));
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "locked" / "trip.csv"));
    // The log open before is not written to again either.
    EXPECT_EQ(ReadWholeFile(earlier), earlierContent);
}

#ifndef _WIN32

TEST_F(LogFileFailure, NewLogIsReadableByAllAndAnExistingOneKeepsItsPermissions) {
    const mode_t savedMask = ::umask(0);
    const std::string created = folder.File("new.csv");
    const std::string existing = folder.File("private.csv");
    testing::WriteWholeFile(existing, "x\n");
    ASSERT_EQ(::chmod(existing.c_str(), 0600), 0);
    const bool opened = log.Open(created) && log.Open(existing);
    ::umask(savedMask);
    ASSERT_TRUE(opened);
    struct stat info {};
    ASSERT_EQ(::stat(created.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644U);
    ASSERT_EQ(::stat(existing.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600U);
}

TEST_F(LogFileFailure, FullDeviceOrDeletedFileIsReportedAsFailed) {
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(log.Open("/dev/full"));
        EXPECT_FALSE(log.IsOpen());
        EXPECT_TRUE(log.Failed());
    }
    const std::string path = folder.File("deleted.csv");
    ASSERT_TRUE(log.Open(path));
    EXPECT_FALSE(log.Failed()); // a new log starts afresh
    EXPECT_TRUE(log.Write("kept\n"));
    ASSERT_TRUE(std::filesystem::remove(path));
    EXPECT_FALSE(log.Write("lost\n"));
    EXPECT_FALSE(log.WriteText("lost too"));
    EXPECT_TRUE(log.Failed());
    EXPECT_TRUE(log.IsOpen()); // later writes are still tried
    log.Close();
    EXPECT_TRUE(log.Failed()); // and the window can still tell after closing
}

TEST_F(LogFileFailure, WriteCutShortByAFullDiskLeavesNoPieceAndTheNextLineStartsClean) {
    const std::string path = folder.File("full.csv");
    ASSERT_TRUE(log.Open(path));
    EXPECT_TRUE(log.Write("before\n"));
    const std::string before = ReadWholeFile(path);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN); // fail the write, not us
    rlimit limit = saved;
    limit.rlim_cur = before.size() + 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool cutShortWrite = log.Write("%s\n", "a line too long for the space left");
    const std::string afterCut = ReadWholeFile(path);
    const bool unfinished = log.Write("%s", "unfinished");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    (void)std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(cutShortWrite);
    EXPECT_FALSE(unfinished);
    EXPECT_EQ(afterCut, before);

    clock.now = {15, 0, 0, 1};
    EXPECT_TRUE(log.Write("after\n"));
    EXPECT_TRUE(log.Failed()); // stays set until the next Open
    EXPECT_EQ(ReadWholeFile(path), before + "15:00:00.001,after\n");
}

#endif

} // namespace
} // namespace korvane
