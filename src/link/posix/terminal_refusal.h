#pragma once

#include <string_view>

namespace korvane {

// Terminals a serial port must never be: setting them up would take over the user's own
// terminal or a system console.

// True for the controlling terminal's alias /dev/tty, /dev/console and the virtual consoles
// /dev/tty0../dev/tty63. Expects a path with its links resolved.
bool IsRefusedTerminalPath(std::string_view path);

// True when an open terminal is this process's controlling terminal or a console, whatever
// path reached it.
bool IsRefusedTerminalDevice(int fd);

} // namespace korvane
