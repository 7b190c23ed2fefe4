#pragma once

#include <string>

namespace korvane::ecusim {

// The folder in which the program looks up COM port names:
// $XDG_CONFIG_HOME/korvane/ports, or ~/.config/korvane/ports. Empty when neither
// XDG_CONFIG_HOME nor HOME is set.
std::string PortFolder();

// A symbolic link to the pty that lives as long as the simulator. An existing link at the
// path (say, left by a simulator that was killed) is replaced; anything else there is left
// alone and the link is not made. On removal the link is deleted only while it still
// points at this simulator's pty.
class PortLink {
public:
    PortLink() = default;
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;
    ~PortLink() { Remove(); }

    // Creates missing parent folders too.
    bool Create(const std::string& linkPath, const std::string& target, std::string& error);
    void Remove();

private:
    std::string path_;
    std::string target_;
};

} // namespace korvane::ecusim
