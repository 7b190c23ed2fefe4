#pragma once

#include <array>
#include <string_view>

namespace korvane {

inline constexpr int kPortCount = 16;

struct PortTableEntry {
    std::string_view name; // handed to the platform as written
    bool found = false;    // set when a probe opened the port; never cleared
};

using PortTable = std::array<PortTableEntry, kPortCount>;

// The sixteen port names the program knows, in the order they are probed and listed.
inline constexpr PortTable kInitialPortTable = {{
    {"COM1"},
    {"COM2"},
    {"COM3"},
    {"COM4"},
    {"COM5"},
    {"COM6"},
    {"COM7"},
    {"COM8"},
    {"COM9"},
    {"COM10"},
    {"COM11"},
    {"COM12"},
    {"COM13"},
    {"COM14"},
    {"COM15"},
    {"COM16"},
}};

// Position of a table name in the table (0 for "COM1"), ignoring letter case; -1 for any
// other text.
int PortTableIndex(std::string_view name);

} // namespace korvane
