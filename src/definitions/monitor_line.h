#pragma once

#include <optional>
#include <string_view>

namespace korvane {

// What one line of the monitor file means, its trailing blank bytes trimmed.
struct MonitorLine {
    enum class Kind {
        Ignored,
        OptionHeader, // "[Option...": neither opens a section nor ends the current one
        Header,       // "[ROMID]": opens a new section
        Name,         // "Name=..." in an open section
        Address,      // "<name>Address=<hex>" in an open section
    };

    Kind kind = Kind::Ignored;
    // Set on a "CommPort=" line, which is classified further all the same.
    std::optional<int> commPort;
    std::string_view romId;         // Header
    std::string_view text;          // Name: the text after "Name="
    std::string_view parameterName; // Address: everything before "Address="
    std::string_view addressText;   // Address: everything after it
};

// Classifies a trimmed line that the reader delivered; the views point into `line`.
// Name and address lines count only while a section is open.
MonitorLine ClassifyMonitorLine(std::string_view line, bool sectionOpen);

} // namespace korvane
