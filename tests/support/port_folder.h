#pragma once

#include "scratch_folder.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <optional>
#include <stdlib.h>
#include <string>
#include <unistd.h>

namespace korvane::testing {

// A scratch XDG_CONFIG_HOME with an empty port folder, so that "COMn" names only what the
// test links; the earlier value comes back when it goes.
class PortFolder {
public:
    PortFolder() {
        if (const char* old = std::getenv("XDG_CONFIG_HOME"); old != nullptr) {
            earlier_ = old;
        }
        std::filesystem::create_directories(Path());
        setenv("XDG_CONFIG_HOME", ConfigHome().c_str(), 1);
    }
    ~PortFolder() {
        for (const auto& [number, fd] : masters_) {
            close(fd);
        }
        if (earlier_) {
            setenv("XDG_CONFIG_HOME", earlier_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
    }
    PortFolder(const PortFolder&) = delete;
    PortFolder& operator=(const PortFolder&) = delete;

    std::string ConfigHome() const { return config_.Path().string(); }
    std::string Path() const { return config_.Path("korvane/ports"); }
    // The link folder's entry for "COM<number>".
    std::string Link(int number) const { return Path() + "/COM" + std::to_string(number); }

    // Points the port name at target, replacing any earlier link.
    void Link(const std::string& portName, const std::string& target) const {
        const std::string link = Path() + "/" + portName;
        std::error_code ignored;
        std::filesystem::remove(link, ignored);
        std::filesystem::create_symlink(target, link);
    }
    // Links COM1 to COM16 to a missing device, so that no device of this machine answers.
    void LinkAllToNothing() const {
        for (int number = 1; number <= 16; ++number) {
            Link("COM" + std::to_string(number), config_.Path("missing-device"));
        }
    }
    // Makes "COM<number>" a pseudo-terminal held open by this folder; returns its device.
    std::string Attach(int number) {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master, 0);
        EXPECT_EQ(grantpt(master), 0);
        EXPECT_EQ(unlockpt(master), 0);
        const std::string device = ptsname(master);
        masters_[number] = master;
        Link("COM" + std::to_string(number), device);
        return device;
    }

private:
    ScratchFolder config_;
    std::optional<std::string> earlier_;
    std::map<int, int> masters_;
};

// A port folder in which every name leads nowhere until the test attaches it.
struct PortSandbox : PortFolder {
    PortSandbox() { LinkAllToNothing(); }
};

} // namespace korvane::testing
