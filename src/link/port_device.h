#pragma once

#include <string>
#include <string_view>

namespace korvane {

// What the platform is asked to open for a port name.
//
// POSIX: a link named like the port in the port folder (PortLinkFolder) wins when it exists;
// otherwise "COM1".."COM4" are /dev/ttyUSB0-3, "COM5".."COM8" /dev/ttyACM0-3 and
// "COM9".."COM16" /dev/ttyS0-7. A name containing '/' is a device path and is used as given.
// Any other name gives an empty result.
//
// Windows: the name itself in the device namespace ("\\.\COM10"), which every COM number
// needs from 10 upward.
std::string PortDevicePath(std::string_view name);

// The folder whose links pin port names to devices: $XDG_CONFIG_HOME/korvane/ports, or
// ~/.config/korvane/ports. Empty where links are not used (Windows) or no home is known.
std::string PortLinkFolder();

} // namespace korvane
