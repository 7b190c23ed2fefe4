#include "app/port_scan.h"

#include "link/serial_port.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(PortFailureTip, APermissionFailureNamesTheGroupToJoinAndNeverRoot) {
    PortOpenError error;
    error.device = "/dev/ttyUSB0";
    error.reason = "Permission denied";
    error.group = "dialout";
    error.code = EACCES;
    const std::string tip = PortFailureTip(error);
    EXPECT_NE(tip.find("/dev/ttyUSB0"), std::string::npos) << tip;
    EXPECT_NE(tip.find("Permission denied"), std::string::npos) << tip;
    EXPECT_NE(tip.find("sudo usermod -aG dialout $USER"), std::string::npos) << tip;
    EXPECT_NE(tip.find("log out and in again"), std::string::npos) << tip;
    EXPECT_EQ(tip.find("root"), std::string::npos) << tip;
    EXPECT_EQ(tip.find("sudo korvane"), std::string::npos) << tip;
}

TEST(PortFailureTip, OtherFailuresGiveTheDeviceAndReasonOnly) {
    PortOpenError error;
    error.device = "/dev/ttyS3";
    error.reason = "No such file or directory";
    error.code = ENOENT;
    const std::string tip = PortFailureTip(error);
    EXPECT_NE(tip.find("/dev/ttyS3: No such file or directory"), std::string::npos) << tip;
    EXPECT_EQ(tip.find("usermod"), std::string::npos) << tip;
    EXPECT_EQ(PortFailureTip(PortOpenError{}), "No serial port is open");
}

} // namespace
} // namespace korvane
