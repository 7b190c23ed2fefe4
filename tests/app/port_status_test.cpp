#include "app/port_scan.h"

#include "app/fake_window.h"
#include "link/serial_port.h"
#include "resources/control_ids.h"

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
    fakes::FakeWindow window{{ids::main::kPortCombo}};
    PortScanOutcome outcome;
    outcome.names = {"COM5", "COM1"};
    outcome.chosen = "COM3";
    outcome.status.open = true;
    outcome.status.tip = "COM3";
    ShowPortScan(window, outcome);
    EXPECT_EQ(window.combos[ids::main::kPortCombo], (std::vector<std::string>{"COM1", "COM5"}));
    EXPECT_EQ(window.SelectedComboText(ids::main::kPortCombo), "COM1");
    EXPECT_EQ(window.GetText(ids::main::kPortStatus), "Ok");
    EXPECT_EQ(window.toolTips[ids::main::kPortStatus], "COM3");
}

} // namespace
} // namespace korvane
