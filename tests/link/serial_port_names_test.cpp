#include "link/port_device.h"
#include "link/port_table.h"
#include "link/serial_port.h"
#include "pseudo_terminal.h"
#include "support/port_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace korvane {
namespace {

using testing::PortFolder;
using testing::PseudoTerminal;

TEST(PortDevicePath, TableNamesMapToTheUsualDevices) {
    PortFolder folder;
    EXPECT_EQ(PortTableIndex("COM10"), 9);
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"COM1", "/dev/ttyUSB0"},
        {"COM4", "/dev/ttyUSB3"},
        {"COM5", "/dev/ttyACM0"},
        {"COM8", "/dev/ttyACM3"},
        {"COM9", "/dev/ttyS0"},
        {"COM16", "/dev/ttyS7"},
        {"com2", "/dev/ttyUSB1"},
        {"./ttyS0", "./ttyS0"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"COM17", ""},
        {"COM0", ""},
        {"COM01", ""},
        {"COM1 ", ""},
        {"LPT1", ""},
        {"ttyUSB0", ""}};
    for (const auto& [name, device] : expected) {
        EXPECT_EQ(PortDevicePath(name), device) << name;
    }
}

TEST(PortDevicePath, ALinkInThePortFolderPinsTheName) {
    PortFolder folder;
    EXPECT_EQ(PortLinkFolder(), folder.ConfigHome() + "/korvane/ports");
    folder.Link("COM3", "/dev/serial/by-id/usb-adapter-if00");
    // Even dangling: an unplugged pinned adapter must not be replaced by another device.
    EXPECT_EQ(PortDevicePath("COM3"), folder.Path() + "/COM3");
    EXPECT_EQ(PortDevicePath("COM4"), "/dev/ttyUSB3");
    SerialPort port;
    EXPECT_FALSE(port.Open("COM3", kUnitBaudRate, kParityEven, kOneStopBit));
    EXPECT_EQ(port.LastOpenError().code, ENOENT);
    // A link does not get a console past the refusal.
    folder.Link("COM1", "/dev/tty");
    EXPECT_FALSE(port.Open("COM1", kUnitBaudRate, kParityEven, kOneStopBit));
    EXPECT_EQ(port.LastOpenError().device, "/dev/tty");
    EXPECT_EQ(port.LastOpenError().code, 0);

    const char* earlierHome = std::getenv("HOME");
    const std::string home = earlierHome != nullptr ? earlierHome : "";
    setenv("HOME", "/home/tech", 1);
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(PortLinkFolder(), "/home/tech/.config/korvane/ports");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(PortLinkFolder(), "/home/tech/.config/korvane/ports");
    setenv("HOME", home.c_str(), 1);
}

TEST(SerialPortNames, ProbeMarksPortsFoundAndNeverForgetsThem) {
    PortFolder folder;
    folder.LinkAllToNothing();
    PseudoTerminal two;
    PseudoTerminal eleven;
    ASSERT_TRUE(two.Ok() && eleven.Ok());
    folder.Link("COM2", two.slavePath);
    folder.Link("COM11", eleven.slavePath);

    SerialPort port;
    ASSERT_TRUE(port.Open("COM2", kUnitBaudRate, kParityEven, kOneStopBit));
    std::vector<std::string> names = {"stale"};
    EXPECT_EQ(port.ListFoundPorts(names), 0);
    EXPECT_TRUE(names.empty());

    // The probe releases the open port first, or COM2 would be refused as busy.
    EXPECT_EQ(port.ProbePorts(), 2);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.PortName(), "none");
    EXPECT_EQ(port.ListFoundPorts(names), 2);
    EXPECT_EQ(names, (std::vector<std::string>{"COM2", "COM11"}));

    folder.Link("COM11", folder.ConfigHome() + "/unplugged");
    EXPECT_EQ(port.ProbePorts(), 1);
    folder.LinkAllToNothing();
    EXPECT_EQ(port.ProbePorts(), 0);
    EXPECT_EQ(port.ListFoundPorts(names), 2);
    EXPECT_EQ(names, (std::vector<std::string>{"COM2", "COM11"}));

    // A fresh port object knows nothing of another's probes.
    SerialPort fresh;
    EXPECT_EQ(fresh.ListFoundPorts(names), 0);
}

} // namespace
} // namespace korvane
