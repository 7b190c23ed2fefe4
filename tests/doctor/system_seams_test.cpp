// The system's own answers where a test can set the scene without root: links followed to
// their end even when it is missing, and another process holding a device open.

#include "doctor/doctor_seams.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace korvane {
namespace {

TEST(SystemDeviceNodes, FollowsLinksToTheirEndEvenWhenItIsMissing) {
    const testing::ScratchFolder folder;
    const std::string device = folder.Write("device", "");
    std::filesystem::create_symlink(folder.Path("missing"), folder.Path("dangling"));
    std::filesystem::create_symlink("dangling", folder.Path("chain"));
    std::filesystem::create_symlink(device, folder.Path("pinned"));
    const DeviceNodes& nodes = RealSystemSeams().nodes;

    struct Row {
        std::string path;
        bool isLink;
        std::string target;
        bool exists;
    };
    for (const Row& row :
         {Row{device, false, device, true}, Row{folder.Path("pinned"), true, device, true},
          Row{folder.Path("chain"), true, folder.Path("missing"), false}}) {
        const DeviceNode node = nodes.Inspect(row.path);
        EXPECT_EQ(node.isLink, row.isLink) << row.path;
        EXPECT_EQ(node.target, row.target) << row.path;
        EXPECT_EQ(node.exists, row.exists) << row.path;
    }
}

TEST(SystemDeviceNodes, NamesAnotherProcessHoldingTheDeviceButNotThisOne) {
    const testing::ScratchFolder folder;
    const std::string device = std::filesystem::canonical(folder.Write("device", "")).string();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Holds the device open, says so, and waits to be ended.
        const int fd = open(device.c_str(), O_RDONLY);
        (void)!write(ready[1], fd >= 0 ? "y" : "n", 1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    char opened = 0;
    const ssize_t told = read(ready[0], &opened, 1);
    close(ready[0]);
    const int ownFd = open(device.c_str(), O_RDONLY);

    const std::vector<DeviceHolder> holders = RealSystemSeams().nodes.Holders(device);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ownFd);
    ASSERT_EQ(told, 1);
    EXPECT_EQ(opened, 'y');
    ASSERT_EQ(holders.size(), 1u);
    EXPECT_EQ(holders.front().processId, static_cast<long>(child));
    EXPECT_EQ(holders.front().program, "doctor_tests");
}

} // namespace
} // namespace korvane
