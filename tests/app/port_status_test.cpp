#include "app/port_scan.h"

#include "app/recording_main_view.h"
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

TEST(PortScanShown, APreferredPortOpenedOutsideTheFoundListStaysInUse) {
    // The preferred port opened although the probe had not found it.
    // The list offers what was found; the port in use is the one the status names.
    fakes::RecordingMainView view;
    PortScanOutcome outcome;
    outcome.names = {"COM5", "COM1"};
    outcome.chosen = "COM3";
    outcome.status.open = true;
    outcome.status.tip = "COM3";
    ShowPortScan(view, outcome);
    EXPECT_EQ(view.ports, (std::vector<std::string>{"COM5", "COM1"}));
    EXPECT_EQ(view.chosenPort, "COM3");
    EXPECT_EQ(view.portStatus, "Ok");
    EXPECT_EQ(view.portDetails, "COM3");
}

} // namespace
} // namespace korvane
