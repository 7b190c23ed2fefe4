#include "log/log_file.h"

#include <csignal>
#include <filesystem>
#include <string>

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
    for (const std::string& path :
         {folder.File("missing/trip.csv"), folder.Path().string(), std::string()}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(log.Open(path));
        EXPECT_FALSE(log.IsOpen());
        EXPECT_FALSE(log.Write("dropped\n"));
    }
    // The log open before is not written to again either.
    EXPECT_EQ(ReadWholeFile(earlier), earlierContent);
    EXPECT_TRUE(log.Open(earlier));
}

#ifndef _WIN32

// Sets the process umask for the life of the object.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : saved_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(saved_); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

private:
    mode_t saved_;
};

mode_t PermissionsOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST_F(LogFileFailure, NewLogIsReadableByAllAndWritableByItsOwnerOnly) {
    const ScopedUmask noMask(0);
    const std::string created = folder.File("new.csv");
    ASSERT_TRUE(log.Open(created));
    EXPECT_EQ(PermissionsOf(created), 0644U);
    // An existing file keeps the permissions it has.
    const std::string existing = folder.File("private.csv");
    testing::WriteWholeFile(existing, "x\n");
    ASSERT_EQ(::chmod(existing.c_str(), 0600), 0);
    ASSERT_TRUE(log.Open(existing));
    EXPECT_EQ(PermissionsOf(existing), 0600U);
}

TEST_F(LogFileFailure, FolderWithoutWritePermissionGetsNoLog) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root, which may write into any folder";
    }
    const auto locked = folder.Path() / "locked";
    std::filesystem::create_directory(locked);
    ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
    EXPECT_FALSE(log.Open((locked / "trip.csv").string()));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(locked / "trip.csv"));
    ::chmod(locked.c_str(), 0755);
}

TEST_F(LogFileFailure, DeviceThatIsAlwaysFullFailsTheOpeningLine) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    EXPECT_FALSE(log.Open("/dev/full"));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_TRUE(log.Failed());
    EXPECT_FALSE(log.Write("dropped\n"));
    // A later log starts afresh.
    ASSERT_TRUE(log.Open(folder.File("next.txt")));
    EXPECT_FALSE(log.Failed());
}

TEST_F(LogFileFailure, PipeWithoutReaderFailsInsteadOfWaiting) {
    const std::string pipe = folder.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(log.Open(pipe));
    EXPECT_FALSE(log.IsOpen());
}

TEST_F(LogFileFailure, LogDeletedWhileOpenReportsItsWritesAsFailed) {
    const std::string path = folder.File("deleted.csv");
    ASSERT_TRUE(log.Open(path));
    EXPECT_TRUE(log.Write("kept\n"));
    EXPECT_FALSE(log.Failed());
    ASSERT_TRUE(std::filesystem::remove(path));
    EXPECT_FALSE(log.Write("lost\n"));
    EXPECT_FALSE(log.WriteText("lost too"));
    EXPECT_TRUE(log.Failed());
    EXPECT_TRUE(log.IsOpen()); // later writes are still tried
    log.Close();
    EXPECT_TRUE(log.Failed()); // and the window can still tell after closing
}

// Limits the size of files this process may write, as a full disk would, for the life
// of the object.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN); // fail the write, not the process
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~ScopedFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        (void)std::signal(SIGXFSZ, previousHandler_);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;
    bool Active() const { return active_; }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

TEST_F(LogFileFailure, WriteCutShortByAFullDiskLeavesNoPieceAndTheNextLineStartsClean) {
    const std::string path = folder.File("full.csv");
    ASSERT_TRUE(log.Open(path));
    EXPECT_TRUE(log.Write("before\n"));
    const std::string before = ReadWholeFile(path);
    {
        const ScopedFileSizeLimit limit(before.size() + 10);
        ASSERT_TRUE(limit.Active());
        // Only part of this line fits: it is not left half-written.
        EXPECT_FALSE(log.Write("%s\n", "a line too long for the space left"));
        EXPECT_TRUE(log.Failed());
        EXPECT_EQ(ReadWholeFile(path), before);
        EXPECT_FALSE(log.Write("%s", "unfinished"));
    }
    clock.now = {15, 0, 0, 1};
    EXPECT_TRUE(log.Write("after\n"));
    EXPECT_TRUE(log.Failed()); // stays set until the next Open
    EXPECT_EQ(ReadWholeFile(path), before + "15:00:00.001,after\n");
}

#endif

} // namespace
} // namespace korvane
