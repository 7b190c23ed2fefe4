#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace korvane::testing {

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string content;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        content.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    return content;
}

inline void WriteWholeFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    EXPECT_TRUE(out.good()) << "cannot write " << path;
}

// A fresh, empty folder under the system's temporary folder, removed with everything in
// it when the test ends.
class ScratchFolder {
public:
    ScratchFolder() {
        const auto base = std::filesystem::temp_directory_path();
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            auto candidate = base / ("korvane-test-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error)) {
                path_ = candidate;
                return;
            }
        }
        ADD_FAILURE() << "no scratch folder could be created under " << base;
    }
    ~ScratchFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Path(std::string_view name) const { return (path_ / name).string(); }
    std::string File(std::string_view name) const { return Path(name); }

    // Writes the file and returns its path.
    std::string Write(std::string_view name, std::string_view content) const {
        WriteWholeFile(Path(name), content);
        return Path(name);
    }
    std::string Read(std::string_view name) const { return ReadWholeFile(Path(name)); }

private:
    std::filesystem::path path_;
};

} // namespace korvane::testing
