#include "app/port_scan.h"

#include "link/serial_port.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(PortFailureTip, APermissionFailureNamesTheGroupToJoinAndNeverRoot) {
    const std::string tip =
        PortFailureTip(PortOpenError{"/dev/ttyUSB0", "Permission denied", "dialout", EACCES});
    for (const char* part : {"/dev/ttyUSB0", "Permission denied", "sudo usermod -aG dialout $USER",
                             "log out and in again"}) {
        EXPECT_NE(tip.find(part), std::string::npos) << tip;
    }
    EXPECT_EQ(tip.find("root"), std::string::npos) << tip;
    EXPECT_EQ(tip.find("sudo korvane"), std::string::npos) << tip;

    const std::string other =
        PortFailureTip(PortOpenError{"/dev/ttyS3", "No such file or directory", "", ENOENT});
    EXPECT_NE(other.find("/dev/ttyS3: No such file or directory"), std::string::npos) << other;
    EXPECT_EQ(other.find("usermod"), std::string::npos) << other;
    EXPECT_EQ(PortFailureTip(PortOpenError{}), "No serial port is open");
}

} // namespace
} // namespace korvane
