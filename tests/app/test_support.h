#pragma once

// Temporary folders with definition files, and a sandbox that decides which serial port
// names exist: every name of the port table is pinned to a missing device, except those a
// test attaches to a pseudo-terminal. Tests of the window logic run against the real serial
// port this way, whatever devices the machine has.

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <stdlib.h>
#include <string>
#include <unistd.h>

namespace korvane::fakes {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvane-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Path(const std::string& name) const { return (path_ / name).string(); }

    void Write(const std::string& name, const std::string& content) const {
        std::ofstream file(path_ / name, std::ios::binary);
        file << content;
    }
    std::string Read(const std::string& name) const {
        std::string content;
        std::FILE* file = std::fopen((path_ / name).string().c_str(), "rb");
        if (file == nullptr) {
            return content;
        }
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
            content.append(buffer, got);
        }
        std::fclose(file);
        return content;
    }

private:
    std::filesystem::path path_;
};

class PortSandbox {
public:
    PortSandbox() {
        if (const char* old = std::getenv("XDG_CONFIG_HOME"); old != nullptr) {
            oldConfigHome_ = old;
        }
        setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1);
        std::filesystem::create_directories(Links());
        for (int number = 1; number <= 16; ++number) {
            std::filesystem::create_symlink(config_.Path("missing-device"), Link(number));
        }
    }
    ~PortSandbox() {
        for (const auto& [number, fd] : masters_) {
            close(fd);
        }
        if (oldConfigHome_) {
            setenv("XDG_CONFIG_HOME", oldConfigHome_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
    }
    PortSandbox(const PortSandbox&) = delete;
    PortSandbox& operator=(const PortSandbox&) = delete;

    // Makes "COM<number>" a pseudo-terminal; returns its device path.
    std::string Attach(int number) {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master, 0);
        EXPECT_EQ(grantpt(master), 0);
        EXPECT_EQ(unlockpt(master), 0);
        const std::string device = ptsname(master);
        masters_[number] = master;
        std::filesystem::remove(Link(number));
        std::filesystem::create_symlink(device, Link(number));
        return device;
    }
    // The link folder's entry for "COM<number>".
    std::string Link(int number) const {
        return (Links() / ("COM" + std::to_string(number))).string();
    }

private:
    std::filesystem::path Links() const { return config_.Path() / "korvane" / "ports"; }

    TempFolder config_;
    std::optional<std::string> oldConfigHome_;
    std::map<int, int> masters_;
};

} // namespace korvane::fakes
