#pragma once

#include <string>

namespace korvane::testing {

// A temporary XDG_CONFIG_HOME with an empty port folder; the earlier value comes back when
// it goes.
class PortFolder {
public:
    PortFolder();
    ~PortFolder();
    PortFolder(const PortFolder&) = delete;
    PortFolder& operator=(const PortFolder&) = delete;

    const std::string& ConfigHome() const { return configHome; }
    std::string Path() const { return configHome + "/korvane/ports"; }
    // Points the port name at target, replacing any earlier link.
    void Link(const std::string& portName, const std::string& target) const;
    // Links every table name to a missing device, so that no device of this machine answers.
    void LinkAllToNothing() const;

private:
    std::string configHome;
    bool hadEarlier = false;
    std::string earlier;
};

} // namespace korvane::testing
